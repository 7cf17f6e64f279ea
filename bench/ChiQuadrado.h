#pragma once

#include <cmath>
#include <vector>

namespace rodaleque::bench {

// The chance that a chi-square with k degrees of freedom reaches x: the regularised upper
// incomplete gamma function Q(k/2, x/2), by its series or its continued fraction.
inline double valorP(double x, int k) {
    const double a = k / 2.0, z = x / 2.0;
    if (z <= 0)
        return 1;
    const double lnPrefixo = a * std::log(z) - z - std::lgamma(a);
    if (z < a + 1) {
        double termo = 1 / a, soma = termo;
        for (int n = 1; n < 100000 && std::fabs(termo) > std::fabs(soma) * 1e-15; ++n) {
            termo *= z / (a + n);
            soma += termo;
        }
        return 1 - soma * std::exp(lnPrefixo);
    }
    // Lentz's method for the continued fraction.
    const double minimo = 1e-300;
    double b = z + 1 - a, c = 1 / minimo, d = 1 / b, h = d;
    for (int i = 1; i < 100000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        d = std::fabs(d) < minimo ? minimo : d;
        c = b + an / c;
        c = std::fabs(c) < minimo ? minimo : c;
        d = 1 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) < 1e-15)
            break;
    }
    return std::exp(lnPrefixo) * h;
}

struct Teste {
    double quiQuadrado = 0;
    int graus = 0;
    double p = 1;
    double menorSobreMaior = 0;
};

// Observed counts against expected shares (which need not be equal: bands of unequal size).
inline Teste testar(const std::vector<double>& observado, const std::vector<double>& peso) {
    double total = 0, pesoTotal = 0;
    for (std::size_t i = 0; i < observado.size(); ++i) {
        total += observado[i];
        pesoTotal += peso[i];
    }
    Teste t;
    double menor = 1e300, maior = 0;
    for (std::size_t i = 0; i < observado.size(); ++i) {
        const double esperado = total * peso[i] / pesoTotal;
        t.quiQuadrado += (observado[i] - esperado) * (observado[i] - esperado) / esperado;
        const double relativo = observado[i] / peso[i];
        menor = std::min(menor, relativo);
        maior = std::max(maior, relativo);
    }
    t.graus = static_cast<int>(observado.size()) - 1;
    t.p = valorP(t.quiQuadrado, t.graus);
    t.menorSobreMaior = maior > 0 ? menor / maior : 0;
    return t;
}

} // namespace rodaleque::bench
