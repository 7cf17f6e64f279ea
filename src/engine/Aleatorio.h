#pragma once

#include "Checked.h"
#include "Gerador.h"

#include <platform/Relogio.h>

#include <QString>

namespace rodaleque {

// The program's one random source: the draw, the shake and the rain all take from it.
class Aleatorio {
public:
    Aleatorio(Gerador& gerador, platform::Relogio& relogio)
        : gerador_(gerador), relogio_(relogio) {}

    void Semear(double x) { gerador_.misturar(x); }
    void Semear() { Semear(relogio_.SegundosDoDia()); }

    float Proximo();
    // x > 0: the next value; x = 0: the value returned last, again; x < 0: a value that
    // depends on x alone, and the sequence goes on from there.
    float Proximo(double x);
    // The same, with x read from a text; a text that is not a number fails.
    Checked<float> Proximo(const QString& x);

    float SegundosDoDia() { return relogio_.SegundosDoDia(); }

private:
    Gerador& gerador_;
    platform::Relogio& relogio_;
    float ultimo_ = 0.0f;
};

} // namespace rodaleque
