#pragma once

#include "Checked.h"
#include "Gerador.h"
#include "Uniforme.h"

#include <platform/Entropia.h>
#include <platform/Relogio.h>

#include <QString>

#include <optional>

namespace rodaleque {

// The program's one random source: the draw, the shake and the rain all take from it.
class Aleatorio {
public:
    Aleatorio(Gerador& gerador, platform::Relogio& relogio, platform::Entropia& entropia)
        : gerador_(gerador), relogio_(relogio), entropia_(entropia) {}

    // Once, as the program starts: 128 bits of the system's entropy instead of the generator's
    // fixed start, so that no two runs share a sequence nobody could know in advance.
    void semearComEntropia();
    // At every draw, 64 more. A source that fails leaves the clock's reseeds alone to do it.
    void misturarEntropia();

    void Semear(double x) { gerador_.misturar(x); }
    void Semear() { Semear(relogio_.SegundosDoDia()); }

    // Inline, as the uniform draw below: an attempt of a draw reads the source a dozen times.
    float Proximo() {
        ultimo_ = gerador_.proximo();
        return ultimo_;
    }
    // x > 0: the next value; x = 0: the value returned last, again; x < 0: a value that
    // depends on x alone, and the sequence goes on from there.
    float Proximo(double x) {
        if (x == 0)
            return ultimo_;
        if (x < 0)
            gerador_.fixar(x);
        return Proximo();
    }
    // The same, with x read from a text; a text that is not a number fails.
    Checked<float> Proximo(const QString& x);

    float SegundosDoDia() { return relogio_.SegundosDoDia(); }

    // A whole number in 1..m, each exactly as likely, from the generator's next whole words,
    // never from a value that was returned before. Nothing when m is 0, or when the generator
    // keeps giving values that must be drawn again, as only a broken one would: a working one
    // does so 64 times in a row with a chance below 2^-64.
    std::optional<uint64_t> inteiroAte(uint64_t m) {
        if (m == 0)
            return std::nullopt;
        const int bits = uniforme::bitsPara(m);
        for (int vez = 0; vez < 64; ++vez) {
            uint64_t x = gerador_.palavra();
            if (bits == 64)
                x = (x << 32) | gerador_.palavra();
            if (const std::optional<uint64_t> n = uniforme::numeroDoValor(x, m, bits))
                return n;
        }
        return std::nullopt;
    }

private:
    Gerador& gerador_;
    platform::Relogio& relogio_;
    platform::Entropia& entropia_;
    float ultimo_ = 0.0f;
};

} // namespace rodaleque
