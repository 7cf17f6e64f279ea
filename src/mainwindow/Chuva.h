#pragma once

#include "Animacao.h"

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <array>
#include <vector>

namespace rodaleque::janela {

class Chuva;

// One margin around the panel: a plain rectangle, so that it is always painted whole and
// without a ragged clip, which the raster painter would split across threads at every frame.
class FaixaDaChuva final : public QWidget {
public:
    FaixaDaChuva(QWidget* pai, const Chuva& chuva);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    const Chuva& chuva_;
};

// The rain columns, painted in the margins of the window around the panel, which stands in
// front of them. Each column's printed lines are drawn once into a picture when it is
// refilled; a move only shifts where the picture goes.
class Chuva {
public:
    Chuva(QWidget* janela, const Animacao& animacao);

    // The window's client area and the panel's place in it, in pixels.
    void ajustar(const QRect& janela, const QRect& painel);
    // After the columns moved or were refilled: repaints the margins that show a change.
    void aoMudar();

    // Frames painted so far, as the margin painted most often counts them: for whoever
    // measures the frame rate.
    int pinturas() const { return *std::max_element(pinturas_.begin(), pinturas_.end()); }

    // Draws every column that falls within `area` (window pixels) with the painter, whose
    // origin is at `origem` in the window; `faixa` says which margin paints.
    void pintar(QPainter& p, const QRect& area, QPoint origem, std::size_t faixa) const;

private:
    friend class FaixaDaChuva;
    struct Desenho {
        QRect lugar;
        bool visivel = false;
        uint64_t impressao = 0;
        QPixmap figura;
    };
    QPixmap desenhar(const ColunaDaChuva& coluna, QSize tamanho) const;

    const Animacao& animacao_;
    std::array<FaixaDaChuva*, 4> faixas_{};
    std::vector<Desenho> desenhos_;
    mutable std::array<int, 4> pinturas_{};
};

} // namespace rodaleque::janela
