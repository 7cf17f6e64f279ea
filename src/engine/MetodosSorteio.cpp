// The seven ways an attempt makes a candidate. Each takes a random value u in [0, 1) and
// gives floor(u * M) + 1: a value made whole by rounding would give number 1 half the
// chance of the others, and the sum of two uniform values is not uniform, its fractional
// part is.
#include "Sorteio.h"

#include "Numeros.h"

namespace rodaleque {

using namespace numeros;

namespace {

Checked<int32_t> candidato(double u, double m) { return floorTo32(u * m) + 1; }

// Hundredths of a second since midnight, as a text.
QString centesimos(Aleatorio& aleatorio) {
    const Checked<int32_t> h = roundTo32(double(aleatorio.SegundosDoDia()) * 100);
    return h.ok() ? text(*h) : QString();
}

} // namespace

void Sorteio::metodoAleatorio() {
    aleatorio_.Semear();
    assign(nSorteado_, candidato(aleatorio_.Proximo(), N()));
}

void Sorteio::metodoSegundos() {
    aleatorio_.Semear();
    int s = motor_.ambiente_.relogio.agora().segundo;
    const float r = aleatorio_.Proximo();
    if (s == 0)
        s = 60; // a zero factor would give number 1 every time
    assign(nSorteado_, candidato(double(s) * r, N()));
}

void Sorteio::metodoGiro() {
    aleatorio_.Semear();
    const float r = aleatorio_.Proximo();
    assign(nSorteado_, candidato(r, double(estado_.Giro1) * N()));
}

void Sorteio::metodoFase() {
    aleatorio_.Semear();
    const float a = aleatorio_.Proximo(estado_.FaseCor);
    const float b = aleatorio_.Proximo(estado_.FaseCor);
    assign(nSorteado_, candidato(fractionalPart(double(a) + b), N()));
}

void Sorteio::metodoCentesimos() {
    const double d = value(lastChars(centesimos(aleatorio_), 2));
    assign(nSorteado_, candidato(aleatorio_.Proximo(d), N()));
}

void Sorteio::metodoTresLeituras() {
    const Checked<float> r1 = aleatorio_.Proximo(lastChars(centesimos(aleatorio_), 1));
    const Checked<float> r2 = aleatorio_.Proximo(lastChars(centesimos(aleatorio_), 2));
    const Checked<float> r3 = aleatorio_.Proximo(lastChars(centesimos(aleatorio_), 1));
    if (r1.ok() && r2.ok() && r3.ok())
        assign(nSorteado_, candidato(fractionalPart(double(*r1) + *r2 + *r3), N()));
}

void Sorteio::metodoContagem() {
    aleatorio_.Semear();
    int16_t i = 0;
    assign(i, roundTo16(aleatorio_.Proximo() * 9.0 + 1));
    // Boxes 9 and 10 do not exist and an empty count is not a number: the step fails.
    const Checked<float> u = contagem_.texto(i).then(
        [this](const QString& contagem) { return aleatorio_.Proximo(contagem); });
    if (u.ok())
        assign(nSorteado_, candidato(*u, N()));
}

} // namespace rodaleque
