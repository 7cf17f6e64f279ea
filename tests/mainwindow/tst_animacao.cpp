// The drum colours and the rain's arithmetic, on in-memory controls and a window that says
// whatever the test wants about its size and state.
#include "support/MotorDeTeste.h"

#include <mainwindow/Animacao.h>
#include <mainwindow/Leiaute.h>

#include <gtest/gtest.h>

using namespace rodaleque;
using namespace rodaleque::janela;
using namespace rodaleque::teste;

namespace {

struct JanelaDeMentira : JanelaAnimada {
    bool maximizada() const override { return maximizadaAgora; }
    double larguraExterna() const override { return largura; }
    double alturaExterna() const override { return altura; }
    int twipsPorPixelY() const override { return 15; }
    void processarEventosPendentes() override { ++processamentos; }
    bool maximizadaAgora = true;
    double largura = 15360, altura = 11520;
    int processamentos = 0;
};

struct Animado : MotorDeTeste {
    Animado() {
        animacao.prepararModelo();
        estado().nParticipantes = 10;
    }
    // The next refill makes n lines with these digits' values, then the given speed.
    void roteirizarColuna(int n, float valorDasLinhas, int velocidade) {
        roteiro.valores.push_back(float((n - 3) / 250.0));
        for (int j = 0; j <= n; ++j)
            roteiro.valores.push_back(valorDasLinhas);
        roteiro.valores.push_back(float((velocidade - 0.5) / 20.0));
    }
    JanelaDeMentira janela;
    Animacao animacao{estado(), controles, aleatorio, janela};
};

constexpr int64_t azul(int c) { return int64_t(c) * 65536; }
constexpr int64_t verde(int c) { return int64_t(c) * 256; }

} // namespace

TEST(CoresDasBolas, UmaBolaPorTiqueEmAzulVermelhoEVerdeQueVoltamAoComeco) {
    Animado t;
    t.estado().Giro1 = 5; // (5 * 21) mod 200 = 105
    std::vector<int> bolas;
    std::vector<int64_t> cores;
    for (int tique = 0; tique < 62; ++tique) {
        const int bola = t.estado().BolaCor > 29 ? 0 : t.estado().BolaCor;
        t.animacao.Timer2_Timer();
        bolas.push_back(bola);
        cores.push_back(t.controles.bolas[bola].cor);
    }
    // Balls in index order, from 0 again after 29; twenty ticks blue, twenty red, then green
    // for twenty-one, and the phase wraps after 60.
    EXPECT_EQ(bolas[29], 29);
    EXPECT_EQ(bolas[30], 0);
    EXPECT_EQ(cores[0], azul(105));
    EXPECT_EQ(cores[19], azul(105));
    EXPECT_EQ(cores[20], 105);
    EXPECT_EQ(cores[39], 105);
    EXPECT_EQ(cores[40], verde(105));
    EXPECT_EQ(cores[60], verde(105));
    EXPECT_EQ(cores[61], azul(105));

    // The remainder keeps the dividend's sign: a negative shade is not a colour, the ball
    // keeps its own and the tick goes on.
    t.estado().Giro1 = -5;
    t.controles.bolas[t.estado().BolaCor].cor = 0x123456;
    const int16_t bola = t.estado().BolaCor;
    t.animacao.Timer1_Timer();
    EXPECT_EQ(t.controles.bolas[bola].cor, 0x123456);
    EXPECT_EQ(t.estado().BolaCor, bola + 1);
}

TEST(CoresDasBolas, NadaSeAnimaSemContagemDeParticipantes) {
    Animado t;
    t.estado().nParticipantes = 0;
    ASSERT_TRUE(t.animacao.MontarColunas());
    const double topo = t.animacao.Code()[1].Top;
    const int64_t cor = t.controles.bolas[0].cor;
    for (int i = 0; i < 100; ++i) {
        t.animacao.Timer1_Timer();
        t.animacao.Timer2_Timer();
    }
    EXPECT_EQ(t.controles.bolas[0].cor, cor);
    EXPECT_EQ(t.estado().BolaCor, 0);
    EXPECT_EQ(t.animacao.Code()[1].Top, topo);
}

TEST(Chuva, ColunasCobremALarguraECadaUmaTemComprimentoVelocidadeETopoDoSorteio) {
    Animado t;
    t.estado().Giro1 = 1000;
    ASSERT_TRUE(t.animacao.MontarColunas());
    EXPECT_EQ(t.janela.processamentos, 1);
    const auto& code = t.animacao.Code();
    ASSERT_EQ(code.size(), 1u + 54); // 15360 \ 285 + 1 columns beside the template
    EXPECT_FALSE(code[0].Visible);
    int64_t linhas = 0;
    for (std::size_t i = 1; i < code.size(); ++i) {
        const ColunaDaChuva& c = code[i];
        const int n = int(c.linhas.size()) - 1;
        EXPECT_TRUE(n >= 3 && n <= 253) << n;
        EXPECT_EQ(c.Height, 15 * 15 * n);
        EXPECT_EQ(c.Top, -c.Height);
        EXPECT_EQ(c.Left, 285.0 * double(i - 1));
        ASSERT_EQ(c.Tag.size(), 1);
        EXPECT_TRUE(c.Tag.front().unicode() >= 1 && c.Tag.front().unicode() <= 20);
        EXPECT_TRUE(c.Visible);
        linhas += n + 1;
    }
    // Every line printed raises Giro1 by one.
    EXPECT_EQ(t.estado().Giro1, 1000 + linhas);
}

TEST(Chuva, LinhasClareiamDoPretoAteACorDaChuva) {
    Animado t;
    t.estado().CorR = 30;
    t.estado().CorG = 205;
    t.estado().CorB = 0;
    ASSERT_TRUE(t.animacao.MontarColunas());
    t.estado().Giro1 = 7;
    t.roteirizarColuna(3, 0.5f, 12);
    ASSERT_TRUE(t.animacao.RecarregarColuna(1));
    const ColunaDaChuva& c = t.animacao.Code()[1];
    ASSERT_EQ(c.linhas.size(), 4u);
    const int64_t esperadas[] = {0, 15 + 256 * 102, 30 + 256 * 204, 45 + 256 * 255};
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(c.linhas[j].cor, esperadas[j]) << j;
    // 0.5 x 7 = 3.5: the text's last two characters, "3.5" in the C locale, printed as they
    // are; 0.5 x 8 = 4 is a whole number and gets its leading zero.
    EXPECT_EQ(c.linhas[0].texto, QStringLiteral(".5"));
    EXPECT_EQ(c.linhas[1].texto, QStringLiteral("04"));
    EXPECT_EQ(c.Tag, QString(QChar(12)));

    t.roteirizarColuna(100, 0.25f, 1);
    ASSERT_TRUE(t.animacao.RecarregarColuna(2));
    const ColunaDaChuva& longa = t.animacao.Code()[2];
    EXPECT_EQ(longa.linhas[99].cor, 256 * 198); // steps of (0, 2, 0): (0, 200, 0) comes at line 100
    EXPECT_EQ(longa.linhas[100].cor, 256 * 200);
}

TEST(Chuva, ColunasCaemPelaVelocidadeSoComAJanelaMaximizadaEVoltamAoTopo) {
    Animado t;
    ASSERT_TRUE(t.animacao.MontarColunas());
    t.roteirizarColuna(3, 0.5f, 20);
    ASSERT_TRUE(t.animacao.RecarregarColuna(1));
    const ColunaDaChuva& c = t.animacao.Code()[1];
    const double inicio = c.Top;

    t.janela.maximizadaAgora = false;
    t.animacao.Timer1_Timer();
    EXPECT_EQ(c.Top, inicio);
    EXPECT_EQ(t.estado().BolaCor, 1); // the balls change all the same

    t.janela.maximizadaAgora = true;
    t.animacao.Timer1_Timer();
    EXPECT_EQ(c.Top, inicio + 20 * 15);
    // Past the window's bottom edge the column is refilled and starts above the top again.
    while (c.Top <= t.janela.altura && c.Top >= inicio)
        t.animacao.Timer1_Timer();
    EXPECT_EQ(c.Top, -c.Height);
}

TEST(Chuva, JanelaQueCresceGanhaColunasNoProximoTique) {
    Animado t;
    t.janela.largura = 10785;
    ASSERT_TRUE(t.animacao.MontarColunas());
    EXPECT_EQ(t.animacao.Code().size(), 1u + 38);
    t.animacao.Timer1_Timer();
    EXPECT_EQ(t.animacao.Code().size(), 1u + 38); // still covered: no rebuild
    t.janela.largura = 15360;
    t.animacao.Timer1_Timer();
    EXPECT_EQ(t.animacao.Code().size(), 1u + 54);
    EXPECT_EQ(t.janela.processamentos, 2);
}

TEST(Leiaute, PainelCentradoAUmTercoDaAlturaLivreEJanelaCentrada) {
    const QSizeF painel(leiaute::larguraDoPainel, leiaute::alturaDoPainel);
    EXPECT_EQ(leiaute::painelMaximizado(QSizeF(15360, 11520), painel), QPointF(2302.5, 1455));
    // A screen smaller than the panel: negative offsets, not clamped.
    EXPECT_EQ(leiaute::painelMaximizado(QSizeF(9600, 7200), painel), QPointF(-577.5, 15));
    EXPECT_EQ(leiaute::janelaCentrada(QSizeF(15360, 11520), QSizeF(10905, 7650)),
              QPointF(2227.5, 1935));
}
