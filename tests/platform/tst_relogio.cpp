#include "platform/Relogio.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTime>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <set>

using rodaleque::platform::DataHoraLocal;
using rodaleque::platform::RelogioDoSistema;

namespace {

constexpr double SegundosNoDia = 86400.0;

// The seconds of the local day straight from the system clock.
double segundosDoDiaDiretos() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    const time_t t = ts.tv_sec;
    localtime_r(&t, &local);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ts.tv_nsec * 1e-9;
}

// Distance between two times of day, the short way round midnight.
double distanciaNoDia(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, SegundosNoDia - d);
}

TEST(RelogioDoSistema, AgoraIsTheLocalDateAndTimeInRange) {
    RelogioDoSistema relogio;
    const DataHoraLocal d = relogio.agora();
    const QDateTime referencia = QDateTime::currentDateTime();

    EXPECT_GE(d.ano, 2020);
    EXPECT_GE(d.mes, 1);
    EXPECT_LE(d.mes, 12);
    EXPECT_GE(d.dia, 1);
    EXPECT_LE(d.dia, 31);
    EXPECT_GE(d.hora, 0);
    EXPECT_LE(d.hora, 23);
    EXPECT_GE(d.minuto, 0);
    EXPECT_LE(d.minuto, 59);
    EXPECT_GE(d.segundo, 0);
    EXPECT_LE(d.segundo, 60); // a leap second may show as :60

    const QDateTime lido(QDate(d.ano, d.mes, d.dia),
                         QTime(d.hora, d.minuto, std::min(d.segundo, 59)));
    ASSERT_TRUE(lido.isValid());
    EXPECT_LE(std::llabs(lido.secsTo(referencia)), 2);
}

TEST(RelogioDoSistema, SegundosDoDiaFollowsTheLocalClock) {
    RelogioDoSistema relogio;
    const double s = relogio.SegundosDoDia();
    const double referencia = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;

    // Single precision is 1/128 s apart near the end of the day, so the last instant before
    // midnight may round up to 86400 itself.
    EXPECT_GE(s, 0.0);
    EXPECT_LE(s, SegundosNoDia);
    EXPECT_LE(distanciaNoDia(s, referencia), 2.0);
}

TEST(RelogioDoSistema, ReadingsAdvanceSmoothlyAcrossWholeSeconds) {
    // Long enough to cross at least one whole second, where the cached midnight is renewed.
    RelogioDoSistema relogio;
    QElapsedTimer cronometro;
    cronometro.start();
    const double primeira = relogio.SegundosDoDia();
    double anterior = primeira;
    std::set<float> distintas;
    while (cronometro.elapsed() < 1200) {
        const float agora = relogio.SegundosDoDia();
        distintas.insert(agora);
        const bool virouODia = anterior > SegundosNoDia - 10 && agora < 10;
        ASSERT_TRUE(agora >= anterior || virouODia) << anterior << " then " << agora;
        // Renewing the cache must not skip or repeat a second either.
        ASSERT_LT(distanciaNoDia(agora, anterior), 0.5) << anterior << " then " << agora;
        anterior = agora;
    }

    EXPECT_GE(distanciaNoDia(anterior, primeira), 1.0);
    EXPECT_LE(distanciaNoDia(anterior, primeira), 2.0);
    // Finer than whole seconds: many distinct values within the run.
    EXPECT_GT(distintas.size(), 50u);
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
