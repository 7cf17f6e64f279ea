// The seven ways an attempt makes a candidate. Each scales a random value u by M and gives
// floor(u * M) + 1: a value made whole by rounding would give number 1 half the chance of
// the others, and the sum of two uniform values is not uniform, its fractional part is.
#include "Sorteio.h"

#include "Numeros.h"

namespace rodaleque {

using namespace numeros;

namespace {

Checked<int32_t> candidato(double u, double m) { return floorTo32(u * m) + 1; }

// The last k digits of the hundredths of a second since midnight, read as a number.
double centesimosFinais(Aleatorio& aleatorio, int k) {
    const Checked<int32_t> h = roundTo32(double(aleatorio.SegundosDoDia()) * 100);
    return h.ok() ? lastDigits(*h, k) : 0;
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
    const double d = centesimosFinais(aleatorio_, 2);
    assign(nSorteado_, candidato(aleatorio_.Proximo(d), N()));
}

void Sorteio::metodoTresLeituras() {
    const float r1 = aleatorio_.Proximo(centesimosFinais(aleatorio_, 1));
    const float r2 = aleatorio_.Proximo(centesimosFinais(aleatorio_, 2));
    const float r3 = aleatorio_.Proximo(centesimosFinais(aleatorio_, 1));
    assign(nSorteado_, candidato(fractionalPart(double(r1) + r2 + r3), N()));
}

void Sorteio::metodoContagem() {
    aleatorio_.Semear();
    int16_t i = 0;
    assign(i, roundTo16(aleatorio_.Proximo() * 9.0 + 1));
    // Boxes 9 and 10 do not exist and an empty count is not a number: the step fails.
    const Checked<double> contagem = contagem_.numero(i);
    if (contagem.ok())
        assign(nSorteado_, candidato(aleatorio_.Proximo(*contagem), N()));
}

} // namespace rodaleque
