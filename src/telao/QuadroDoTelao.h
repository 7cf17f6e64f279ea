#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace rodaleque::telao {

// What the audience sees of the series: only numbers already on disk, in the order drawn.
struct Quadro {
    int32_t serie = 0;
    int32_t participantes = 0;     // N; 0 while no count was given
    std::vector<int32_t> ultimos;  // the last numbers drawn, oldest first; all of them up to N = 100
    int32_t sorteados = 0;         // how many were drawn in all
    QString codigoCurto;           // of the last number shown; empty when there is none
    QString objeto;            // what is drawn, if the minutes' form has said it
    bool todosSorteados = false;
};

// How many of the last numbers the screen is given: more than fit at any size, and the whole
// series wherever the board of all numbers shows.
constexpr int32_t ultimosNoQuadro = 200;

} // namespace rodaleque::telao
