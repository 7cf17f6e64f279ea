// The random values the ways read with an argument (the phase, the hundredths, a count) are
// read as they always were, so that what the random source returns afterwards (a later read
// with 0 returns the last value) stays as it was; none of them makes the candidate.
#include "MetodosSorteio.h"

#include "Numeros.h"

namespace rodaleque {

using namespace numeros;

namespace {

// The last k digits of the hundredths of a second since midnight, read as a number.
double centesimosFinais(Aleatorio& aleatorio, int k) {
    const Checked<int32_t> h = roundTo32(double(aleatorio.SegundosDoDia()) * 100);
    return h.ok() ? lastDigits(*h, k) : 0;
}

} // namespace

std::optional<uint64_t> MetodosSorteio::faixa(int k) {
    switch (k) {
    case 1: aleatorio_.Semear(); return N();
    case 2: return faixaDosSegundos();
    case 3: return faixaDoGiro();
    case 4: return faixaDaFase();
    case 5: return faixaDosCentesimos();
    case 6: return faixaDasTresLeituras();
    case 7: return faixaDaContagem();
    default: return std::nullopt; // 8 and the negative choices make no candidate
    }
}

std::optional<uint64_t> MetodosSorteio::faixaDosSegundos() {
    aleatorio_.Semear();
    const int s = relogio_.agora().segundo;
    // A zero factor would make every candidate the number 1.
    return uint64_t(s == 0 ? 60 : s) * N();
}

// Giro1 grows within a long draw; the range grows with it, and the candidate comes out within
// 1..N less often, never less fairly.
std::optional<uint64_t> MetodosSorteio::faixaDoGiro() {
    aleatorio_.Semear();
    if (estado_.Giro1 < 1)
        return std::nullopt;
    return uint64_t(estado_.Giro1) * N();
}

std::optional<uint64_t> MetodosSorteio::faixaDaFase() {
    aleatorio_.Semear();
    aleatorio_.Proximo(estado_.FaseCor);
    aleatorio_.Proximo(estado_.FaseCor);
    return N();
}

std::optional<uint64_t> MetodosSorteio::faixaDosCentesimos() {
    aleatorio_.Proximo(centesimosFinais(aleatorio_, 2));
    return N();
}

std::optional<uint64_t> MetodosSorteio::faixaDasTresLeituras() {
    for (int k : {1, 2, 1})
        aleatorio_.Proximo(centesimosFinais(aleatorio_, k));
    return N();
}

std::optional<uint64_t> MetodosSorteio::faixaDaContagem() {
    aleatorio_.Semear();
    int16_t i = 0;
    assign(i, roundTo16(aleatorio_.Proximo() * 9.0 + 1));
    // Boxes 9 and 10 do not exist and an empty count is not a number: the step fails.
    const Checked<double> contagem = contagem_.numero(i);
    if (!contagem.ok())
        return std::nullopt;
    aleatorio_.Proximo(*contagem);
    return N();
}

} // namespace rodaleque
