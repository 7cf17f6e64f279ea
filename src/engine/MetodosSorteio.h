#pragma once

#include "Aleatorio.h"
#include "ContagemDeEscolhas.h"
#include "EstadoSorteio.h"

#include <platform/Relogio.h>

#include <cstdint>
#include <optional>

namespace rodaleque {

// The seven ways an attempt makes its candidate. Each reads what it always has (the clock, the
// colour phase, the hundredths, the choice counts, the rising counter) and says from which range
// 1..M its candidate comes; the draw then takes the candidate from that range with every number
// equally likely, from random words that decided nothing else in the attempt. A candidate
// accepted when it is at most N and not drawn yet is thus equally likely to be each free number,
// whichever way made it.
class MetodosSorteio {
public:
    MetodosSorteio(Aleatorio& aleatorio, platform::Relogio& relogio, const EstadoSorteio& estado,
                   const ContagemDeEscolhas& contagem)
        : aleatorio_(aleatorio), relogio_(relogio), estado_(estado), contagem_(contagem) {}

    // The M of way k (1 to 7); nothing when the way makes no candidate: 8, the negative
    // choices, and a way whose step fails.
    std::optional<uint64_t> faixa(int k);

private:
    std::optional<uint64_t> faixaDosSegundos();
    std::optional<uint64_t> faixaDoGiro();
    std::optional<uint64_t> faixaDaFase();
    std::optional<uint64_t> faixaDosCentesimos();
    std::optional<uint64_t> faixaDasTresLeituras();
    std::optional<uint64_t> faixaDaContagem();

    uint64_t N() const { return uint64_t(estado_.nParticipantes); }

    Aleatorio& aleatorio_;
    platform::Relogio& relogio_;
    const EstadoSorteio& estado_;
    const ContagemDeEscolhas& contagem_;
};

} // namespace rodaleque
