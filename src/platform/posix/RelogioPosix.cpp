#include "platform/Relogio.h"

#include <cmath>
#include <cstdint>
#include <ctime>

#if defined(__x86_64__)
#include <cpuid.h>
#include <x86intrin.h>
#endif

namespace rodaleque::platform {

namespace {

timespec lerRelogio() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts;
}

double emNanossegundos(const timespec& ts) { return ts.tv_sec * 1e9 + double(ts.tv_nsec); }

#if defined(__x86_64__)
// Only a counter that ticks at one rate whatever the processor's power state can bound the
// time that has passed.
bool contadorInvariante() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(0x80000000, &a, &b, &c, &d) || a < 0x80000007)
        return false;
    __get_cpuid(0x80000007, &a, &b, &c, &d);
    return (d & (1u << 8)) != 0;
}
uint64_t lerContador() { return __rdtsc(); }
#else
bool contadorInvariante() { return false; }
uint64_t lerContador() { return 0; }
#endif

} // namespace

// The local date and time only change when the whole second does (DST switches on a whole
// second too), so they are worked out once per second instead of once per reading: a draw reads
// the clock several times in each of its attempts.
struct RelogioDoSistema::Estado {
    float SegundosDoDia();
    DataHoraLocal agora();

    void atualizar(long long segundo);
    long long segundoEmCache_ = -1;
    DataHoraLocal local_;
    double segundosDoDia_ = 0; // of the whole second in cache

    void calibrar(uint64_t contador, double nanossegundos, double segundos);
    bool comContador_ = contadorInvariante();
    uint64_t contadorInicial_ = 0;
    double nsInicial_ = 0;
    double ticksPorNs_ = 0;       // a lower bound of the processor counter's rate
    uint64_t contadorDaLeitura_ = 0;
    uint64_t ticksSeguros_ = 0;   // counter ticks during which the last reading stays valid
    float ultimaLeitura_ = 0;
};

RelogioDoSistema::RelogioDoSistema() : estado_(std::make_unique<Estado>()) {}

RelogioDoSistema::~RelogioDoSistema() = default;

float RelogioDoSistema::SegundosDoDia() { return estado_->SegundosDoDia(); }

DataHoraLocal RelogioDoSistema::agora() { return estado_->agora(); }

void RelogioDoSistema::Estado::atualizar(long long segundo) {
    if (segundo == segundoEmCache_)
        return;
    tm local{};
    const time_t t = static_cast<time_t>(segundo);
    if (localtime_r(&t, &local) == nullptr)
        return;
    local_ = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
              local.tm_min,         local.tm_sec,     static_cast<int>(local.tm_gmtoff / 60)};
    segundosDoDia_ = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    segundoEmCache_ = segundo;
}

float RelogioDoSistema::Estado::SegundosDoDia() {
    // A draw reads the clock a dozen times per attempt, mostly within a microsecond, while
    // the single-precision reading only moves every 2 to 8 ms for most of the day. When the
    // counter shows that too little time has passed for the reading to have moved, the last
    // reading is the reading of now, at a fraction of the system clock's cost.
    const uint64_t contador = comContador_ ? lerContador() : 0;
    if (ticksSeguros_ > 0 && contador - contadorDaLeitura_ < ticksSeguros_)
        return ultimaLeitura_;

    const timespec ts = lerRelogio();
    atualizar(ts.tv_sec);
    const double segundos = segundosDoDia_ + static_cast<double>(ts.tv_nsec) * 1e-9;
    ultimaLeitura_ = static_cast<float>(segundos);
    calibrar(contador, emNanossegundos(ts), segundos);
    return ultimaLeitura_;
}

void RelogioDoSistema::Estado::calibrar(uint64_t contador, double nanossegundos, double segundos) {
    ticksSeguros_ = 0;
    if (!comContador_)
        return;
    if (ticksPorNs_ == 0) {
        if (contadorInicial_ == 0) {
            contadorInicial_ = contador;
            nsInicial_ = nanossegundos;
            return;
        }
        const double decorrido = nanossegundos - nsInicial_;
        if (decorrido < 20e6 || contador <= contadorInicial_)
            return;
        // Half the measured rate: a bound that stays safe even if the measure were far off.
        ticksPorNs_ = 0.5 * double(contador - contadorInicial_) / decorrido;
    }
    // Until the time passes the midpoint to the next single-precision value, a fresh reading
    // would give the same value.
    const double proximo = std::nextafter(ultimaLeitura_, 1e30f);
    const double limite = (double(ultimaLeitura_) + proximo) / 2;
    const double folgaNs = (limite - segundos) * 1e9;
    if (folgaNs > 0)
        ticksSeguros_ = static_cast<uint64_t>(folgaNs * ticksPorNs_);
    contadorDaLeitura_ = contador;
}

DataHoraLocal RelogioDoSistema::Estado::agora() {
    atualizar(lerRelogio().tv_sec);
    return local_;
}

} // namespace rodaleque::platform
