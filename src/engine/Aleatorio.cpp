#include "Aleatorio.h"

#include "Numeros.h"
#include "Uniforme.h"

namespace rodaleque {

void Aleatorio::semearComEntropia() {
    const std::optional<uint64_t> estado = entropia_.ler64();
    const std::optional<uint64_t> sequencia = entropia_.ler64();
    if (estado && sequencia)
        gerador_.iniciar(*estado, *sequencia);
}

void Aleatorio::misturarEntropia() {
    if (const std::optional<uint64_t> bits = entropia_.ler64())
        gerador_.misturarEntropia(*bits);
}

float Aleatorio::Proximo() {
    ultimo_ = gerador_.proximo();
    return ultimo_;
}

float Aleatorio::Proximo(double x) {
    if (x == 0)
        return ultimo_;
    if (x < 0)
        gerador_.fixar(x);
    return Proximo();
}

Checked<float> Aleatorio::Proximo(const QString& x) {
    return numeros::number(x).then([this](double v) { return Checked<float>(Proximo(v)); });
}

std::optional<uint64_t> Aleatorio::inteiroAte(uint64_t m) {
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

} // namespace rodaleque
