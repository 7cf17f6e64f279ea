// The participant-count answer, whatever is typed: a count that is taken lies in 2..99999,
// is never below the running one, and is the number the answer rounds to; plain digits in
// the range are always taken as typed.
//
// Input: locale byte, the running count, a line feed, the answer.
#include "Entrada.h"
#include "Exigir.h"

#include <engine/Numeros.h>
#include <panel/ContagemDeParticipantes.h>

#include <algorithm>

using namespace rodaleque;

namespace {

bool soDigitos(const QString& t) {
    return !t.isEmpty() && t.size() <= 15 &&
           std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    fuzz::Entrada entrada(dados, tamanho);
    const int32_t atual = entrada.inteiro(0, maximoDeParticipantes, 0);
    const QString resposta = entrada.resto();
    const Checked<int32_t> n = contagemAceita(resposta, atual);
    const QString detalhe = u'"' + resposta + QStringLiteral("\" with N = ") +
                            QString::number(atual) + QStringLiteral(" gave ") +
                            (n.ok() ? QString::number(*n) : QStringLiteral("refusal"));
    if (n.ok()) {
        EXIGIR(*n >= minimoDeParticipantes && *n <= maximoDeParticipantes, detalhe);
        EXIGIR(*n >= atual, detalhe);
        const Checked<int32_t> arredondado = numeros::number(resposta).then(numeros::roundTo32);
        EXIGIR(arredondado.ok() && *arredondado == *n, detalhe);
    }
    if (soDigitos(resposta)) {
        const long long digitos = resposta.toLongLong();
        if (digitos >= std::max(atual, minimoDeParticipantes) && digitos <= maximoDeParticipantes)
            EXIGIR(n.ok() && *n == digitos, detalhe);
    }
    return 0;
}
