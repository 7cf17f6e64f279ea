#include "MotorSorteio.h"
#include "Numeros.h"

namespace rodaleque {

using namespace numeros;

namespace {

// The last k digits of |v| read as a number, plus the ball's index, written out again.
Checked<QString> digitosDaBola(int32_t v, int bola, int k) {
    if (v == std::numeric_limits<int32_t>::min())
        return {}; // |v| does not fit 32 bits
    return text(lastDigits(v < 0 ? -v : v, k) + bola);
}

QString juntar(std::initializer_list<Checked<QString>> partes) {
    QString texto;
    for (const Checked<QString>& parte : partes) {
        if (!parte.ok())
            return {};
        texto += *parte;
    }
    return texto;
}

QString textoDaBolaPar(int32_t giro1, int32_t giro2, int b) {
    return juntar({digitosDaBola(giro1, b, 2), digitosDaBola(giro2, b, 2),
                   digitosDaBola(giro1, b, 2), digitosDaBola(giro2, b, 2)});
}

QString textoDaBolaImpar(int32_t giro1, int32_t giro2, int b) {
    return juntar({digitosDaBola(giro2, b, 2), digitosDaBola(giro2, b, 2),
                   digitosDaBola(giro1, b, 2), digitosDaBola(giro1, b, 1)});
}

constexpr int64_t cinzaUnitario = 65793; // red, green and blue all 1

} // namespace

void MotorSorteio::avancarGiro1() { assign(estado_.Giro1, checkedAdd(estado_.Giro1, 1)); }
void MotorSorteio::recuarGiro2() { assign(estado_.Giro2, Checked<int32_t>(estado_.Giro2) - 1); }

// A text that failed (a counter at the very bottom of 32 bits) leaves the ball as it was.
void MotorSorteio::escreverBolas(int primeira,
                                 QString (*texto)(int32_t giro1, int32_t giro2, int bola)) {
    Controles& c = ambiente_.controles;
    for (int b = primeira; b < c.txtGloboCount(); b += 2) {
        const QString t = texto(estado_.Giro1, estado_.Giro2, b);
        Bola* bola = c.txtGlobo(b);
        if (bola && !t.isEmpty())
            bola->setText(t);
    }
}

void MotorSorteio::sorter2_Timer() {
    avancarGiro1();
    if (estado_.Giro1 > estado_.nParticipantes)
        estado_.Giro1 = 1;
}

void MotorSorteio::sorter5_Timer() { sorter2_Timer(); }

void MotorSorteio::sorter_Timer() {
    avancarGiro1();
    escreverBolas(0, textoDaBolaPar);
    if (estado_.Giro1 > estado_.nParticipantes)
        estado_.Giro1 = 1;
}

void MotorSorteio::sorter4_Timer() {
    recuarGiro2();
    if (estado_.Giro2 < 0)
        estado_.Giro2 = estado_.nParticipantes;
}

void MotorSorteio::sorter3_Timer() {
    recuarGiro2();
    escreverBolas(1, textoDaBolaImpar);
    if (estado_.Giro2 < 0)
        estado_.Giro2 = 1; // not N: this one starts again from 1
}

void MotorSorteio::sorter7_Timer() {
    sorter4_Timer();
    // Darken the ball opposite the one the drum animation is at.
    Controles& c = ambiente_.controles;
    int16_t distancia = 0;
    if (!assign(distancia, Checked<int16_t>(29) - estado_.BolaCor) || distancia == INT16_MIN)
        return;
    const int j = (distancia < 0 ? -distancia : distancia) & 29;
    const int64_t g = mod(estado_.Giro1, 200);
    Bola* origem = c.txtGlobo(estado_.BolaCor);
    Bola* destino = c.txtGlobo(j);
    if (origem && destino) // a colour below black is refused and the ball keeps its own
        (void)destino->setBackColor(origem->backColor() - g * cinzaUnitario);
}

} // namespace rodaleque
