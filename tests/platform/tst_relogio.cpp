#include "platform/Relogio.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTime>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using rodaleque::platform::DataHoraLocal;
using rodaleque::platform::RelogioDoSistema;

namespace {

constexpr double SegundosNoDia = 86400.0;

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

} // namespace
