#include "RotuloClicavel.h"

#include <QMouseEvent>

namespace rodaleque::janela {

void RotuloClicavel::mousePressEvent(QMouseEvent* evento) {
    evento->accept();
    if (evento->button() == Qt::LeftButton)
        esquerdoPressionado_ = true;
    Q_EMIT botaoPressionado();
}

// The label keeps the mouse while a button is down, so the release comes here even when the
// pointer has left it.
void RotuloClicavel::mouseReleaseEvent(QMouseEvent* evento) {
    evento->accept();
    const bool clique = evento->button() == Qt::LeftButton && esquerdoPressionado_ &&
                        rect().contains(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton)
        esquerdoPressionado_ = false;
    Q_EMIT botaoSolto();
    if (clique)
        Q_EMIT clicado();
}

} // namespace rodaleque::janela
