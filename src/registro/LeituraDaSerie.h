#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace rodaleque {

// A series' results file read back: its numbers in the order they were drawn, or the first
// line that could not have been written by a draw of that series.
struct SerieLida {
    std::vector<int32_t> numeros;
    int linhaErrada = 0; // counted from 1; 0 when every line is good
};

// Each line must be a number's digits, as a draw writes them, within 1..N, followed by CR LF,
// and drawn once only; so no file holds more than N lines.
SerieLida lerSerie(const QByteArray& conteudo, int32_t nParticipantes);

} // namespace rodaleque
