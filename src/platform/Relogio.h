#pragma once

#include <cstdint>

namespace rodaleque::platform {

struct DataHoraLocal {
    int ano = 0;
    int mes = 0;    // 1..12
    int dia = 0;    // 1..31
    int hora = 0;   // 0..23
    int minuto = 0; // 0..59
    int segundo = 0; // 0..59
};

// Local time of day and date. Injected everywhere, so that tests can fix the time.
class Relogio {
public:
    virtual ~Relogio() = default;

    // Seconds since local midnight, in single precision, as fine as the system clock allows.
    virtual float SegundosDoDia() = 0;

    // One reading of the local date and time.
    virtual DataHoraLocal agora() = 0;
};

class RelogioDoSistema final : public Relogio {
public:
    RelogioDoSistema();
    float SegundosDoDia() override;
    DataHoraLocal agora() override;

private:
    // The local date and time only change when the whole second does (DST switches on a
    // whole second too), so they are worked out once per second instead of once per reading:
    // a draw reads the clock several times in each of its attempts.
    void atualizar(long long segundo);
    long long segundoEmCache_ = -1;
    DataHoraLocal local_;
    double segundosDoDia_ = 0; // of the whole second in cache

    void calibrar(uint64_t contador, double nanossegundos, double segundos);
    bool comContador_;
    uint64_t contadorInicial_ = 0;
    double nsInicial_ = 0;
    double ticksPorNs_ = 0;       // a lower bound of the processor counter's rate
    uint64_t contadorDaLeitura_ = 0;
    uint64_t ticksSeguros_ = 0;   // counter ticks during which the last reading stays valid
    float ultimaLeitura_ = 0;
};

} // namespace rodaleque::platform
