#include "Painel.h"

namespace rodaleque {

void Painel::txtEnder_Click() {
    // Selects the path after "Gravando em: ", so that the operator can copy it; after a
    // failed append the path follows the longer "Falha ao gravar em: ".
    CaixaSelecionavel& txtEnder = controles_.txtEnder();
    if (motor_.estado().nParticipantes == 0)
        return;
    const QString texto = txtEnder.text();
    const QString falha = prefixoDoArquivo::falha();
    const qsizetype inicio =
        texto.startsWith(falha) ? falha.size() : prefixoDoArquivo::gravando().size();
    txtEnder.setSelection(static_cast<int>(inicio), static_cast<int>(texto.size()));
}

void Painel::txtEnder_KeyPress(int16_t& KeyAscii) {
    constexpr int16_t ctrlC = 3; // copying is the one thing the operator may do here
    if (KeyAscii != ctrlC)
        KeyAscii = 0;
}

void Painel::txtEnder_KeyDown(int16_t& KeyCode, int16_t) { KeyCode = 0; }

} // namespace rodaleque
