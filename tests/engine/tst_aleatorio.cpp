#include "support/PlataformaDeTeste.h"

#include <engine/Aleatorio.h>

#include <QLocale>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

using namespace rodaleque;
using rodaleque::teste::EntropiaRoteirizada;
using rodaleque::teste::RelogioFixo;

namespace {

std::vector<float> sequencia(Aleatorio& a, int n) {
    std::vector<float> v;
    for (int i = 0; i < n; ++i)
        v.push_back(a.Proximo());
    return v;
}

struct FonteReal {
    RelogioFixo relogio;
    GeradorPcg gerador;
    EntropiaRoteirizada entropia;
    Aleatorio aleatorio{gerador, relogio, entropia};
};

} // namespace

TEST(Aleatorio, ValoresDePrecisaoSimplesComVinteEQuatroBitsEmZeroAUm) {
    FonteReal f;
    std::array<int, 10> faixas{};
    double soma = 0;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        const float v = f.aleatorio.Proximo();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        const double escalado = double(v) * 16777216.0;
        ASSERT_EQ(escalado, std::floor(escalado));
        ++faixas[static_cast<int>(v * 10)];
        soma += v;
    }
    EXPECT_NEAR(soma / n, 0.5, 0.005);
    double quiQuadrado = 0;
    for (int contagem : faixas)
        quiQuadrado += std::pow(contagem - n / 10.0, 2) / (n / 10.0);
    EXPECT_LT(quiQuadrado, 27.9); // p = 0.001 with 9 degrees of freedom
}

TEST(Aleatorio, ZeroRepeteOUltimoValorSemAvancar) {
    FonteReal f, gemea;
    const float a = f.aleatorio.Proximo();
    gemea.aleatorio.Proximo();
    EXPECT_EQ(f.aleatorio.Proximo(0), a);
    EXPECT_EQ(f.aleatorio.Proximo(0), a);
    EXPECT_EQ(f.aleatorio.Proximo(), gemea.aleatorio.Proximo());
    EXPECT_EQ(f.aleatorio.Proximo(2.5), gemea.aleatorio.Proximo());
}

TEST(Aleatorio, NegativoDependeSoDoArgumentoEASequenciaContinuaDali) {
    FonteReal f, outra;
    outra.entropia.valores = {0x0123456789ABCDEFULL, 0xFEDCBA9876543210ULL};
    outra.aleatorio.semearComEntropia();
    sequencia(outra.aleatorio, 17);
    outra.aleatorio.Semear(123.0);
    EXPECT_EQ(f.aleatorio.Proximo(-3), outra.aleatorio.Proximo(-3));
    EXPECT_EQ(sequencia(f.aleatorio, 5), sequencia(outra.aleatorio, 5));
    EXPECT_NE(f.aleatorio.Proximo(-3), f.aleatorio.Proximo(-4));
}

TEST(Aleatorio, SemearMisturaASementeNoEstadoAnterior) {
    FonteReal f, g;
    // The same clock value twice in a row must still give two different sequences.
    f.aleatorio.Semear(1000.25);
    const auto primeira = sequencia(f.aleatorio, 4);
    f.aleatorio.Semear(1000.25);
    const auto segunda = sequencia(f.aleatorio, 4);
    EXPECT_NE(primeira, segunda);
    // From the same state, the same seed gives the same sequence.
    g.aleatorio.Semear(1000.25);
    EXPECT_EQ(sequencia(g.aleatorio, 4), primeira);
}

TEST(Aleatorio, SemearSemArgumentoUsaORelogio) {
    FonteReal f, g;
    f.relogio.segundos = 777.5f;
    f.aleatorio.Semear();
    EXPECT_EQ(f.relogio.leituras, 1);
    g.aleatorio.Semear(777.5);
    EXPECT_EQ(sequencia(f.aleatorio, 3), sequencia(g.aleatorio, 3));
}

TEST(Aleatorio, ArgumentoEmTextoLidoComoNumero) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    FonteReal f, gemea;
    const float a = f.aleatorio.Proximo();
    gemea.aleatorio.Proximo();
    EXPECT_EQ(*f.aleatorio.Proximo(QStringLiteral("0")), a);
    EXPECT_FALSE(f.aleatorio.Proximo(QString()).ok());
    EXPECT_FALSE(f.aleatorio.Proximo(QStringLiteral("abc")).ok());
    EXPECT_EQ(*f.aleatorio.Proximo(QStringLiteral("0,5")), gemea.aleatorio.Proximo());
    EXPECT_EQ(*f.aleatorio.Proximo(QStringLiteral("-2")), gemea.aleatorio.Proximo(-2));
    QLocale::setDefault(QLocale::c());
}
