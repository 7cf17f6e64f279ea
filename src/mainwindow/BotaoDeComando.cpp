#include "BotaoDeComando.h"

#include <QKeyEvent>

namespace rodaleque::janela {

BotaoDeComando::BotaoDeComando(QWidget* pai) : QToolButton(pai) {
    setFocusPolicy(Qt::StrongFocus);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoFillBackground(true);
}

void BotaoDeComando::keyPressEvent(QKeyEvent* evento) {
    // The keypad's Enter comes with the keypad modifier; it presses the button too.
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) &&
        (evento->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QToolButton::keyPressEvent(evento);
}

bool BotaoDaJanela::setFocus() {
    if (!botao_.isEnabled() || !botao_.isVisibleTo(botao_.window()))
        return false;
    botao_.setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace rodaleque::janela
