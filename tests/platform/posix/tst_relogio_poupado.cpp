// The clock here spares system calls between whole seconds, on the processor's counter: each
// spared reading must still be what the system clock would have said.
#include "platform/Relogio.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <ctime>

using rodaleque::platform::RelogioDoSistema;

namespace {

// The seconds of the local day straight from the system clock.
double segundosDoDiaDiretos() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    const time_t t = ts.tv_sec;
    localtime_r(&t, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ts.tv_nsec * 1e-9;
}

TEST(RelogioDoSistema, LeituraPoupadaNuncaDifereDeUmaLeituraDireta) {
    // Readings spared by the processor counter must be what the system clock would have
    // given: between a direct reading just before and one just after. Long enough for the
    // counter's rate to be measured and the sparing to start.
    RelogioDoSistema relogio;
    QElapsedTimer cronometro;
    cronometro.start();
    int foraDoIntervalo = 0, leituras = 0;
    while (cronometro.elapsed() < 300) {
        const float antes = static_cast<float>(segundosDoDiaDiretos());
        const float lida = relogio.SegundosDoDia();
        const float depois = static_cast<float>(segundosDoDiaDiretos());
        ++leituras;
        if (antes <= depois && (lida < antes || lida > depois)) // midnight aside
            ++foraDoIntervalo;
    }
    EXPECT_GT(leituras, 10000);
    EXPECT_EQ(foraDoIntervalo, 0);
}

} // namespace
