#pragma once

#include "Checked.h"

#include <QString>

#include <cstdint>

// The numeric conventions every handler follows. Arithmetic that mixes clock or random
// values with whole numbers is done in double precision before the final conversion.
namespace rodaleque::numeros {

// Nearest whole number, halves to the even neighbour, into 32 (16) bits; outside: failure.
Checked<int32_t> roundTo32(double x);
Checked<int16_t> roundTo16(double x);

// Largest whole number not above x, into 32 bits; outside: failure.
Checked<int32_t> floorTo32(double x);

// Remainder of whole-number division, with the sign of the dividend (-7 mod 9 = -7).
constexpr int32_t mod(int32_t a, int32_t m) { return a % m; }
inline Checked<int32_t> mod(const Checked<int32_t>& a, int32_t m) {
    return a.then([m](int32_t v) { return Checked<int32_t>(mod(v, m)); });
}

// The fractional part of a non-negative x, in [0, 1).
double fractionalPart(double x);

// Decimal text: whole numbers as their digits, others with at most 15 significant digits,
// no trailing zeros and the user's locale's decimal separator.
QString text(double x);

// The number a text begins with (leading blanks skipped, digits with at most one decimal
// point, no sign); 0 when it begins with no number. Independent of the locale.
double value(const QString& t);

// The whole text read as a number in the user's locale; a text that is not one fails.
Checked<double> number(const QString& t);

// The last k characters of t; the whole text when it is shorter.
QString lastChars(const QString& t, int k);

// value(lastChars(text(n), k)) for a whole n >= 0 and k of 1 or 2, without making the texts:
// the handlers that read digits this way run hundreds of times a second.
constexpr int32_t lastDigits(int32_t n, int k) { return n % (k == 1 ? 10 : 100); }

} // namespace rodaleque::numeros
