#include "platform/Relogio.h"

#include "platform/windows/ApiWindows.h"

#include <cstdint>

namespace rodaleque::platform {

namespace {

// FILETIME counts 100 ns ticks from 1 January 1601, a midnight; every day has this many.
constexpr uint64_t ticksPorSegundo = 10'000'000;
constexpr uint64_t ticksPorDia = 86'400 * ticksPorSegundo;

uint64_t emTicks(const FILETIME& t) {
    return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

} // namespace

// Nothing: both readings are cheap here, the precise time from the processor's counter in user
// mode and the local offset from what Windows keeps in memory shared with every process.
struct RelogioDoSistema::Estado {};

RelogioDoSistema::RelogioDoSistema() = default;

RelogioDoSistema::~RelogioDoSistema() = default;

float RelogioDoSistema::SegundosDoDia() {
    FILETIME utc{};
    GetSystemTimePreciseAsFileTime(&utc);
    // The offset in force now, daylight saving included: right for a reading of now. It only
    // fails for times beyond the year 30827, which the system clock never gives.
    FILETIME local{};
    FileTimeToLocalFileTime(&utc, &local);
    const uint64_t doDia = emTicks(local) % ticksPorDia;
    return static_cast<float>(double(doDia) / double(ticksPorSegundo));
}

DataHoraLocal RelogioDoSistema::agora() {
    // One reading of UTC turned into local time, so that the offset is the one of that moment.
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    SYSTEMTIME local{};
    FILETIME emUtc{}, emLocal{};
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local) ||
        !SystemTimeToFileTime(&utc, &emUtc) || !SystemTimeToFileTime(&local, &emLocal))
        GetLocalTime(&local);
    const auto diferenca = static_cast<int64_t>(emTicks(emLocal)) - static_cast<int64_t>(emTicks(emUtc));
    return {local.wYear,   local.wMonth,  local.wDay, local.wHour, local.wMinute, local.wSecond,
            static_cast<int>(diferenca / int64_t(60 * ticksPorSegundo))};
}

} // namespace rodaleque::platform
