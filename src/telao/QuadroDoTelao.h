#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace rodaleque::telao {

// What the audience sees of the series: only numbers already on disk, in the order drawn.
struct Quadro {
    int32_t serie = 0;
    int32_t participantes = 0; // N; 0 while no count was given
    std::vector<int32_t> sorteados;
    QString codigoCurto;       // of the last number shown; empty when there is none
    QString objeto;            // what is drawn, if the minutes' form has said it
    bool todosSorteados = false;
};

} // namespace rodaleque::telao
