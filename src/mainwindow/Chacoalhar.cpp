// The shake: the panel jumps sideways eleven times while the spinning counters get fresh
// random values.
#include "frm1.h"

#include <engine/Numeros.h>

namespace rodaleque::janela {

namespace {

constexpr int passoEmTwips = 80;
constexpr int pausaEmMs = 25;

void renovarContadores(Aleatorio& aleatorio, EstadoSorteio& e) {
    const double n = e.nParticipantes;
    aleatorio.Semear(aleatorio.SegundosDoDia());
    assign(e.Giro1, numeros::roundTo32(double(aleatorio.Proximo()) * n + 1));
    aleatorio.Semear(n);
    assign(e.Giro2, numeros::roundTo32(double(aleatorio.Proximo()) * n + 1));
}

} // namespace

void frm1::cmdChacoalhar_Click() {
    cmdSorteio().setFocus();
    if (txtX().text().isEmpty())
        return; // nothing drawn in this series yet
    // The thread only sleeps and moves the panel: no tick, click or key runs meanwhile. Each
    // move is painted at once, without letting any other event in, or nobody would see it.
    for (int16_t k = 0; k <= 10; ++k) {
        renovarContadores(aleatorio_, motor_.estado());
        janelas_.Sleep(pausaEmMs);
        janelas_.Sleep(pausaEmMs);
        moverPainel(pct1Left_ + passoEmTwips, pct1Top_);
        repaint();
        janelas_.Sleep(pausaEmMs);
        janelas_.Sleep(pausaEmMs);
        moverPainel(pct1Left_ - passoEmTwips, pct1Top_);
        repaint();
        renovarContadores(aleatorio_, motor_.estado());
    }
}

} // namespace rodaleque::janela
