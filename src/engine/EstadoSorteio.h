#pragma once

#include <QString>

#include <cstdint>

namespace rodaleque {

// The counts of participants a series can have.
constexpr int32_t minimoDeParticipantes = 2;
constexpr int32_t maximoDeParticipantes = 99999;

// The fields of the main window that make up the state of the draw, in their declared order
// and widths. All start as 0 or empty; the start-up gives them their first values.
struct EstadoSorteio {
    int32_t CorR = 0;
    int32_t CorG = 0;
    int32_t CorB = 0;
    int32_t nParticipantes = 0; // N; 0 while no count was given in this series
    QString Arquivo;            // full path of the series' results file
    int32_t nSorteados = 0;     // numbers drawn in the series, as lblN shows
    int32_t nSerie = 0;
    int32_t Giro1 = 0; // rising spinning counter
    int32_t Giro2 = 0; // falling spinning counter
    int16_t Seletor = 0; // method selector of the draw
    int16_t ConfirmaSaida = 0;
    int16_t BolaCor = 0;
    int16_t FaseCor = 0;
};

} // namespace rodaleque
