#pragma once

#include <QString>

#include <cstdint>

namespace rodaleque {

// How the results panel shows its entries, chosen by N at the moment of recording.
struct FormatoDoPainel {
    int colunas;
    int digitos; // entries are zero-padded to this many digits
};

inline FormatoDoPainel formatoDoPainel(int32_t nParticipantes) {
    if (nParticipantes > 9999)
        return {6, 5};
    if (nParticipantes >= 1000)
        return {6, 4};
    if (nParticipantes >= 100)
        return {9, 3};
    return {11, 2};
}

// A number with more digits than the format keeps them all.
inline QString textoDaEntrada(int32_t n, FormatoDoPainel formato) {
    return QString::number(n).rightJustified(formato.digitos, u'0');
}

} // namespace rodaleque
