#pragma once

#include <QLabel>

namespace rodaleque::janela {

// A label or an image that takes the mouse as Windows hands it to its handlers: a button
// going down over it, that button going up wherever the pointer then is, and a click, the
// left button pressed and released over it.
class RotuloClicavel final : public QLabel {
    Q_OBJECT
public:
    explicit RotuloClicavel(QWidget* pai) : QLabel(pai) {}

Q_SIGNALS:
    void botaoPressionado();
    void botaoSolto();
    void clicado();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    bool esquerdoPressionado_ = false;
};

} // namespace rodaleque::janela
