#pragma once

#include "MotorDeTeste.h"

#include <initializer_list>

namespace rodaleque::teste {

// Scripts attempts of a draw. With the clock standing at S seconds and S * Giro1 a whole
// number that leaves 1 when divided by 9 (or Giro1 so large that the second mixing step
// overflows), the selector comes out of an attempt as the first mixing step leaves it:
// floor(S * p + previous) mod 9. The value p chosen here makes that the wanted method.
struct Roteiro {
    MotorDeTeste& t;
    int seletor; // the selector as the next attempt finds it

    explicit Roteiro(MotorDeTeste& teste) : t(teste), seletor(teste.estado().Seletor) {}

    // One attempt choosing method k, followed by the values the method takes.
    Roteiro& tentativa(int k, std::initializer_list<float> valoresDoMetodo = {}) {
        int m = k - seletor; // floor(m + 0.4 + previous) = previous + m, which is k mod 9
        while (m < 0)
            m += 9;
        const double s = t.relogio.segundos;
        t.roteiro.valores.push_back(0.5f); // the inner call, whose value only has to be > 0
        t.roteiro.valores.push_back(static_cast<float>((m + 0.4) / s));
        for (float v : valoresDoMetodo)
            t.roteiro.valores.push_back(v);
        seletor = k;
        return *this;
    }

    // After a third repeat the draw sets the selector itself.
    Roteiro& seletorPassaA(int k) {
        seletor = k;
        return *this;
    }
};

} // namespace rodaleque::teste
