#pragma once

#include "Animacao.h"

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <vector>

namespace rodaleque::janela {

// The surface behind the panel where the rain columns fall. Each column's printed lines are
// drawn once into a picture when it is refilled; a move only shifts where the picture goes,
// and only the margins around the panel are repainted for it.
class Chuva final : public QWidget {
public:
    Chuva(QWidget* pai, const Animacao& animacao);

    // After the columns moved or were refilled: asks for the repaint of what changed, outside
    // `painel` (in this widget's pixels), which stands in front and does not change for it.
    void aoMudar(const QRect& painel);

    // Paints so far, for whoever measures the frame rate.
    int pinturas() const { return pinturas_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    struct Desenho {
        QRect lugar;
        bool visivel = false;
        uint64_t impressao = 0;
        QPixmap figura;
    };
    QPixmap desenhar(const ColunaDaChuva& coluna, QSize tamanho) const;

    const Animacao& animacao_;
    std::vector<Desenho> desenhos_;
    int pinturas_ = 0;
};

} // namespace rodaleque::janela
