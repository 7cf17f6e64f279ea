#include "Uniforme.h"

namespace rodaleque::uniforme {

namespace {

__extension__ using U128 = unsigned __int128;

// 2^bits mod m, without a 2^64 that does not fit.
uint64_t restoDaPotencia(int bits, uint64_t m) {
    return bits == 64 ? (0 - m) % m : (uint64_t(1) << bits) % m;
}

} // namespace

int bitsPara(uint64_t m) { return m <= (uint64_t(1) << 32) ? 32 : 64; }

std::optional<uint64_t> numeroDoValor(uint64_t x, uint64_t m, int bits) {
    const U128 produto = U128(x) * m;
    const uint64_t mascara = bits == 64 ? ~uint64_t(0) : (uint64_t(1) << bits) - 1;
    if ((uint64_t(produto) & mascara) < restoDaPotencia(bits, m))
        return std::nullopt;
    return uint64_t(produto >> bits) + 1;
}

} // namespace rodaleque::uniforme
