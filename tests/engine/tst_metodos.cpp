// The exact arithmetic of each way an attempt makes its candidate, with the clock fixed and
// the random values scripted.
#include "support/Roteiro.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

struct Metodos : ::testing::Test {
    MotorDeTeste t;
    void SetUp() override { t.relogio.segundos = 1000.0f; }
    void sortear(int32_t n) {
        t.aceitarParticipantes(n);
        t.motor.cmdSorteio_Click();
    }
    QString estat(int i) const { return t.controles.estat[i].valor; }
};

} // namespace

TEST_F(Metodos, UmEscalaOValorAleatorioPorN) {
    Roteiro(t).tentativa(1, {6.5f / 150});
    sortear(150);
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("7"));
    EXPECT_EQ(t.controles.lista.itens, QStringList{QStringLiteral("007")});
    EXPECT_EQ(t.controles.lista.colunas, 9);
    EXPECT_EQ(estat(1), QStringLiteral("1"));
    EXPECT_EQ(t.controles.txtBar_.valor, QStringLiteral("-"));
}

TEST_F(Metodos, DoisMultiplicaPelosSegundosESessentaNoSegundoZero) {
    t.relogio.data.segundo = 9;
    Roteiro(t).tentativa(2, {0.0625f}); // 9 * 0.0625 * 150 = 84.375
    sortear(150);
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("85"));

    MotorDeTeste zero;
    zero.relogio.segundos = 1000.0f;
    zero.relogio.data.segundo = 0;
    Roteiro(zero).tentativa(2, {0.0078125f}); // 60 * 150 / 128 = 70.3125
    zero.aceitarParticipantes(150);
    zero.motor.cmdSorteio_Click();
    EXPECT_EQ(zero.controles.txtX_.valor, QStringLiteral("71"));
}

TEST_F(Metodos, TresMultiplicaPeloGiroAscendente) {
    t.relogio.segundos = 100.0f;
    t.aceitarParticipantes(150);
    t.estado().Giro1 = 10;                    // 100 * 10 = 1000, which leaves 1 mod 9
    Roteiro(t).tentativa(3, {0.0625f});       // 0.0625 * 10 * 150 = 93.75
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("94"));
}

// Ways 4 to 7 read random values of their own (with the phase, the hundredths, a count) as
// they always have; the candidate comes from the next value, 0.255 here: floor(25.5) + 1.
TEST_F(Metodos, QuatroLeDuasVezesComAFaseEOCandidatoVemDepois) {
    t.estado().FaseCor = 1;
    Roteiro(t).tentativa(4, {0.75f, 0.5f, 0.255f});
    sortear(100);
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("26"));
    EXPECT_TRUE(t.roteiro.valores.empty());
}

TEST_F(Metodos, QuatroComFaseZeroNaoReusaOValorQueEscolheuOMetodo) {
    // With FaseCor 0 both reads repeat the value that mixed the selector; the candidate is
    // the next value all the same, never that one again.
    Roteiro(t).tentativa(4, {0.50005f});
    sortear(10000);
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("5001"));
    EXPECT_EQ(t.controles.lista.itens, QStringList{QStringLiteral("05001")});
}

TEST_F(Metodos, CincoTomaOsCentesimosDoRelogio) {
    t.relogio.segundos = 1000.25f; // hundredths 100025: the argument is 25, a fresh value
    t.aceitarParticipantes(160);
    t.estado().Giro1 = 8; // 1000.25 * 8 = 8002, which leaves 1 mod 9
    Roteiro(t).tentativa(5, {0.3125f, 0.255f});
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("41"));
}

TEST_F(Metodos, SeisFazTresLeiturasDoRelogio) {
    t.relogio.segundos = 1000.25f;
    t.aceitarParticipantes(100);
    t.estado().Giro1 = 8;
    Roteiro(t).tentativa(6, {0.5f, 0.25f, 0.5f, 0.255f});
    const int leiturasAntes = t.relogio.leituras;
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("26"));
    // Three readings mix the selector, three more feed the method.
    EXPECT_EQ(t.relogio.leituras - leiturasAntes, 6);
}

TEST_F(Metodos, SeteUsaUmaContagemComoArgumentoEFalhaSemCaixaOuSemContagem) {
    t.aceitarParticipantes(100);
    t.controles.estat[2].valor = QStringLiteral("3");
    Roteiro(t)
        .tentativa(7, {0.95f})         // box round(9.55) = 10 does not exist: no candidate
        .tentativa(7, {0.3f})          // box 4 is empty: not a number, no candidate
        .tentativa(7, {0.1f, 0.25f, 0.255f}); // box 2 holds 3: reads 0.25, then the candidate
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("26"));
    EXPECT_EQ(estat(7), QStringLiteral("3"));
    EXPECT_EQ(estat(2), QStringLiteral("3"));
    EXPECT_EQ(t.controles.txtBar_.valor, QStringLiteral("---"));
}

TEST_F(Metodos, ZeroMexeOsGirosVinteESeisVezesEContaUmaEscolha) {
    t.aceitarParticipantes(16);
    // Each pass adds round(0.5 * 16 + 1) = 9 to both counters; 1 + 26 * 9 = 235, and
    // 1000 * 235 still leaves 1 mod 9.
    Roteiro r(t);
    r.tentativa(0, std::initializer_list<float>{});
    for (int i = 0; i < 26 * 4; ++i)
        t.roteiro.valores.push_back(0.5f);
    r.tentativa(1, {0.25f});
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.estado().Giro1, 235);
    EXPECT_EQ(t.estado().Giro2, 16 + 26 * 9);
    EXPECT_EQ(estat(0), QStringLiteral("1"));
    EXPECT_EQ(estat(1), QStringLiteral("1"));
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("5"));
    EXPECT_EQ(t.controles.txtBar_.valor, QStringLiteral("--"));
}

TEST_F(Metodos, ZeroComGiroNoLimiteDeixaOGiroComoEstava) {
    t.aceitarParticipantes(16);
    const int32_t perto = std::numeric_limits<int32_t>::max() - 3;
    t.estado().Giro1 = perto; // the second mixing step overflows, the first one decides
    Roteiro r(t);
    r.tentativa(0);
    for (int i = 0; i < 26 * 4; ++i)
        t.roteiro.valores.push_back(0.5f);
    r.tentativa(1, {0.25f});
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.estado().Giro1, perto);
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("5"));
}

TEST_F(Metodos, EscolhaNegativaNaoFazCandidatoENaoEContada) {
    t.aceitarParticipantes(10);
    t.estado().Seletor = -5;
    Roteiro(t).tentativa(-5).tentativa(8).tentativa(1, {0.25f});
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("3"));
    EXPECT_EQ(t.controles.txtBar_.valor, QStringLiteral("---"));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(estat(i), (i == 1 || i == 8) ? QStringLiteral("1") : QString()) << i;
}
