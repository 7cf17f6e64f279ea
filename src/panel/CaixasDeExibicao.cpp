#include "Painel.h"

namespace rodaleque {

void Painel::txtEnder_Click() {
    // Selects the path after "Gravando em: ", so that the operator can copy it.
    CaixaSelecionavel& txtEnder = controles_.txtEnder();
    if (motor_.estado().nParticipantes != 0)
        txtEnder.setSelection(13, static_cast<int>(txtEnder.text().size()));
}

void Painel::txtEnder_KeyPress(int16_t& KeyAscii) {
    constexpr int16_t ctrlC = 3; // copying is the one thing the operator may do here
    if (KeyAscii != ctrlC)
        KeyAscii = 0;
}

void Painel::txtEnder_KeyDown(int16_t& KeyCode, int16_t) { KeyCode = 0; }

} // namespace rodaleque
