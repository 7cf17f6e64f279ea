#include "ContagemDeParticipantes.h"

#include <engine/Numeros.h>

#include <algorithm>

namespace rodaleque {

using namespace numeros;

Checked<int32_t> contagemAceita(const QString& resposta, int32_t atual) {
    // The first digits and the whole answer read as a number in the user's locale.
    const double v = value(resposta);
    const Checked<int32_t> n = number(resposta).then(roundTo32);
    const bool passaPrimeiro = n.ok() && v >= atual && *n <= 100000;
    if (!passaPrimeiro || *n == 0 || v >= 100000 || v <= 1)
        return {};
    // The first digits alone would let "100e-1" lower a count of 50 to 10, and "99999.6" set
    // 100000: the number actually stored is held to the same rules.
    if (*n < std::max(atual, minimoDeParticipantes) || *n > maximoDeParticipantes)
        return {};
    return n;
}

} // namespace rodaleque
