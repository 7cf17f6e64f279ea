#include "CaixaDeExibicao.h"

namespace rodaleque::janela {

CaixaDeExibicao::CaixaDeExibicao(QWidget* pai) : CaixaComEventos(pai) { setReadOnly(true); }

void CaixaDeExibicao::setText(const QString& texto) {
    if (!exibicaoLimitada()) {
        QLineEdit::setText(texto);
        return;
    }
    texto_ = texto.left(maxLength());
    QLineEdit::setText(texto_.left(exibidos_));
    setCursorPosition(0); // the strip reads from its start
}

} // namespace rodaleque::janela
