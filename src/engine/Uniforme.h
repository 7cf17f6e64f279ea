#pragma once

#include <cstdint>
#include <optional>

// A whole number from 1 to m, every one with exactly the same chance, made from a value x of
// b random bits by Lemire's method: floor(x * m / 2^b) + 1. Unless m divides 2^b, the 2^b values
// cannot split evenly among m numbers; the values whose low part of x * m falls below 2^b mod m
// are the ones that would give some numbers one chance more than others, and they are drawn
// again. Each number then has exactly floor(2^b / m) values.
namespace rodaleque::uniforme {

// The bits a draw from 1..m takes: 32, or 64 once m exceeds 2^32.
inline int bitsPara(uint64_t m) { return m <= (uint64_t(1) << 32) ? 32 : 64; }

// 2^bits mod m, for bits from 1 to 64, without a 2^64 that does not fit.
inline uint64_t restoDaPotencia(int bits, uint64_t m) {
    return bits == 64 ? (0 - m) % m : (uint64_t(1) << bits) % m;
}

// What a value x of `bits` bits (1 to 64; x below 2^bits) gives among 1..m (m from 1 to 2^bits):
// its number, or nothing when x must be drawn again. Inline, and the division that finds the
// values to draw again only made when x is near enough to them: this runs at every attempt.
inline std::optional<uint64_t> numeroDoValor(uint64_t x, uint64_t m, int bits) {
    __extension__ using U128 = unsigned __int128;
    const U128 produto = U128(x) * m;
    const uint64_t mascara = bits == 64 ? ~uint64_t(0) : (uint64_t(1) << bits) - 1;
    const uint64_t baixo = uint64_t(produto) & mascara;
    // 2^bits mod m is below m: a low part of m or more is never drawn again.
    if (baixo < m && baixo < restoDaPotencia(bits, m))
        return std::nullopt;
    return uint64_t(produto >> bits) + 1;
}

} // namespace rodaleque::uniforme
