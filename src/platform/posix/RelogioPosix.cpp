#include "platform/Relogio.h"

#include <ctime>

namespace rodaleque::platform {

namespace {

timespec lerRelogio() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts;
}

} // namespace

void RelogioDoSistema::atualizar(long long segundo) {
    if (segundo == segundoEmCache_)
        return;
    tm local{};
    const time_t t = static_cast<time_t>(segundo);
    if (localtime_r(&t, &local) == nullptr)
        return;
    local_ = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
              local.tm_hour,        local.tm_min,     local.tm_sec};
    segundoEmCache_ = segundo;
}

float RelogioDoSistema::SegundosDoDia() {
    const timespec ts = lerRelogio();
    atualizar(ts.tv_sec);
    const long long segundosDoDia = local_.hora * 3600LL + local_.minuto * 60 + local_.segundo;
    return static_cast<float>(static_cast<double>(segundosDoDia) +
                              static_cast<double>(ts.tv_nsec) / 1e9);
}

DataHoraLocal RelogioDoSistema::agora() {
    atualizar(lerRelogio().tv_sec);
    return local_;
}

} // namespace rodaleque::platform
