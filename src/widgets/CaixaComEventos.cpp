#include "CaixaComEventos.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace rodaleque::janela {

namespace {

int16_t modificadores(Qt::KeyboardModifiers m) {
    return int16_t((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                   (m & Qt::AltModifier ? 4 : 0));
}

// The character a key types, as its code, or 0 for none, as on Windows: Ctrl with a letter
// gives the control code (Ctrl+C is 3), and Delete types nothing (X11 gives it a DEL).
int16_t codigoDoCaractere(const QKeyEvent& e) {
    if ((e.modifiers() & Qt::ControlModifier) && e.key() >= Qt::Key_A && e.key() <= Qt::Key_Z)
        return int16_t(e.key() - Qt::Key_A + 1);
    if (e.key() == Qt::Key_Delete)
        return 0;
    const QString texto = e.text();
    return texto.isEmpty() ? 0 : int16_t(texto.front().unicode());
}

} // namespace

// A click is a left press and release within the box; it comes after the box's own
// handling, so that a selection the handler makes is the one that stays.
void CaixaComEventos::mouseReleaseEvent(QMouseEvent* evento) {
    QLineEdit::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        Q_EMIT clicada();
}

void CaixaComEventos::keyPressEvent(QKeyEvent* evento) {
    int16_t tecla = int16_t(evento->key() & 0x7FFF);
    if (aoBaixarTecla_)
        aoBaixarTecla_(tecla, modificadores(evento->modifiers()));
    const int16_t digitado = codigoDoCaractere(*evento);
    int16_t caractere = digitado;
    if (caractere != 0 && aoTeclar_)
        aoTeclar_(caractere);
    // A key that types a character acts through it, so the key press decides (Ctrl+C, the
    // copy, is such a character); a key that types none, as Delete or an arrow, acts at key
    // down. A box with only a key-press filter thus keeps Delete and drops letters.
    const bool teclaMantida = !aoBaixarTecla_ || tecla != 0;
    if (digitado != 0 ? caractere != 0 : teclaMantida)
        QLineEdit::keyPressEvent(evento);
    else
        evento->accept();
}

} // namespace rodaleque::janela
