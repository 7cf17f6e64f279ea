#pragma once

#include "AbridorDeTeste.h"
#include "Roteiro.h"

#include <panel/Painel.h>

#include <vector>

namespace rodaleque::teste {

// The panel's handlers on the engine of MotorDeTeste.
struct PainelDeTeste : MotorDeTeste {
    PainelDeTeste() { relogio.segundos = 1000.0f; }

    // The operator types the answer into the count's input box.
    void informarParticipantes(const QString& resposta) {
        dialogos.respostasEntrada.append(resposta);
        painel.cmdX_Click();
    }

    // Draws exactly these numbers, one method-1 attempt each.
    void sortearNumeros(const std::vector<int>& numeros) {
        Roteiro roteiro(*this);
        for (int n : numeros)
            roteiro.tentativa(1, {static_cast<float>((n - 0.5) / estado().nParticipantes)});
        for (std::size_t i = 0; i < numeros.size(); ++i)
            motor.cmdSorteio_Click();
    }

    AbridorDeTeste abridor;
    Painel painel{motor, controles, dialogos, abridor, arquivos};
};

} // namespace rodaleque::teste
