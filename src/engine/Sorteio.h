#pragma once

#include "ContagemDeEscolhas.h"
#include "MetodosSorteio.h"
#include "MotorSorteio.h"

#include <cstdint>

namespace rodaleque {

// One press of "&Sortear!": attempts until a candidate in 1..N that is not on the panel
// comes out, then records it. Every candidate that is accepted is exactly as likely to be each
// of the numbers not drawn yet.
class Sorteio {
public:
    explicit Sorteio(MotorSorteio& motor);
    void executar();

private:
    // One attempt; true when nSorteado_ is a number to record.
    bool tentar();
    void misturarSeletor();
    // Way k's candidate, drawn from its range; a way that makes none leaves nSorteado_ as it was.
    void executarMetodo(int k);
    void mexerContadores();
    bool repetido();
    void registrarRepeticao();
    void gravar();
    // No free number came out within the bound: nothing is recorded, the operator is told.
    void interromper();
    // The panel back, and the button ready for the next press.
    void reabrir();

    double N() const { return estado_.nParticipantes; }

    MotorSorteio& motor_;
    EstadoSorteio& estado_;
    Controles& controles_;
    Aleatorio& aleatorio_;
    ContagemDeEscolhas contagem_;
    MetodosSorteio metodos_;

    int32_t nSorteado_ = 0;
    int16_t nRepete_ = 0;
    int64_t tentativas_ = 0;
};

} // namespace rodaleque
