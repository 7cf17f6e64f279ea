#pragma once

#include <engine/Controles.h>

#include <QColor>
#include <QFont>
#include <QRect>
#include <QWidget>

#include <memory>
#include <vector>

namespace rodaleque::janela {

class QuadroDeCaixas;

// A box of a disabled picture box: the drum balls and the method counters. Its timers set its
// text hundreds of times a second, so it only stores what it is told and leaves the painting
// to its container, at most once per screen frame.
class CaixaPintada final : public Bola {
public:
    CaixaPintada(QuadroDeCaixas& quadro, QRect geometria, int comprimentoMaximo);

    QString text() const override { return texto_; }
    void setText(const QString& texto) override;
    int64_t backColor() const override { return fundo_; }
    bool setBackColor(int64_t cor) override;

    QRect geometria() const { return geometria_; }

private:
    QuadroDeCaixas& quadro_;
    QRect geometria_;
    int comprimentoMaximo_;
    QString texto_;
    int64_t fundo_ = 0x404040;
};

// A picture box that holds painted boxes and takes no input: disabled, yet in the colours it
// was given rather than the kit's greyed look.
class QuadroDeCaixas final : public QWidget {
public:
    struct Aparencia {
        QColor texto;
        QFont fonte;
        int comprimentoMaximo = 0; // 0: no limit
    };

    QuadroDeCaixas(QWidget* pai, QRect geometria, Aparencia aparencia);

    // Boxes are painted from the first added (rear-most) to the last (front-most).
    CaixaPintada& adicionar(QRect geometria);

    void marcarAlterado() { alterado_ = true; }
    // Repaints if anything changed since the last frame.
    void aoQuadro();
    int pinturas() const { return pinturas_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Aparencia aparencia_;
    std::vector<std::unique_ptr<CaixaPintada>> caixas_;
    bool alterado_ = false;
    int pinturas_ = 0;
};

} // namespace rodaleque::janela
