#pragma once

#include <engine/Checked.h>
#include <engine/EstadoSorteio.h>

#include <QString>

#include <cstdint>

namespace rodaleque {

// The count that an answer to "Digite o Nº de participantes" gives while the series runs with
// `atual` participants (0: none runs), or a failure when the answer must be refused. The
// answer may carry a fraction or an exponent; what counts is the whole number it rounds to,
// which must lie in 2..99999 and never below the running count.
Checked<int32_t> contagemAceita(const QString& resposta, int32_t atual);

} // namespace rodaleque
