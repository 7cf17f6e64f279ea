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
int bitsPara(uint64_t m);

// What a value x of `bits` bits (1 to 64; x below 2^bits) gives among 1..m (m from 1 to 2^bits):
// its number, or nothing when x must be drawn again.
std::optional<uint64_t> numeroDoValor(uint64_t x, uint64_t m, int bits);

} // namespace rodaleque::uniforme
