#include "Aleatorio.h"

#include "Numeros.h"

namespace rodaleque {

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

} // namespace rodaleque
