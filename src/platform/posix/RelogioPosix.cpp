#include "platform/Relogio.h"

#include <ctime>

namespace rodaleque::platform {

float RelogioDoSistema::SegundosDoDia() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    const long long segundo = ts.tv_sec;
    if (segundo != segundoEmCache_) {
        tm local{};
        const time_t t = ts.tv_sec;
        if (localtime_r(&t, &local) != nullptr) {
            segundosDoDiaEmCache_ =
                static_cast<long long>(local.tm_hour) * 3600 + local.tm_min * 60 + local.tm_sec;
            segundoEmCache_ = segundo;
        }
    }
    return static_cast<float>(static_cast<double>(segundosDoDiaEmCache_) +
                              static_cast<double>(ts.tv_nsec) / 1e9);
}

DataHoraLocal RelogioDoSistema::agora() {
    const time_t t = time(nullptr);
    tm local{};
    if (localtime_r(&t, &local) == nullptr)
        return {};
    DataHoraLocal d;
    d.ano = local.tm_year + 1900;
    d.mes = local.tm_mon + 1;
    d.dia = local.tm_mday;
    d.hora = local.tm_hour;
    d.minuto = local.tm_min;
    d.segundo = local.tm_sec;
    return d;
}

} // namespace rodaleque::platform
