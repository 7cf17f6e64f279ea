#include "Aleatorio.h"

#include "Numeros.h"

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

Checked<float> Aleatorio::Proximo(const QString& x) {
    return numeros::number(x).then([this](double v) { return Checked<float>(Proximo(v)); });
}

} // namespace rodaleque
