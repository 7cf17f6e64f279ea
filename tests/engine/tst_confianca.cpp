// What a room full of people relies on: nobody can know the next number in advance, a draw
// always ends, and a series writes only into the file it created.
#include "support/Roteiro.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

// A program started at the same moment as another: the same clock, the real generator.
struct ProgramaNoMesmoSegundo : MotorDeTeste {
    explicit ProgramaNoMesmoSegundo(std::deque<uint64_t> entropia,
                                    platform::Arquivos* disco = nullptr, QString pasta = {})
        // Two programs on one folder are two users or machines: neither sees the other's record.
        : MotorDeTeste(Opcoes{false, std::move(entropia), disco,
                              pasta.isEmpty() ? QStringLiteral("/eventos") : pasta, QString(), {}}) {
        relogio.passoPorLeitura = 0.0004f;
    }
    QStringList sortear(int32_t n, int vezes) {
        aceitarParticipantes(n);
        for (int i = 0; i < vezes; ++i)
            motor.cmdSorteio_Click();
        return controles.lista.itens;
    }
};

std::deque<uint64_t> bits(uint64_t semente, int quantos) {
    std::deque<uint64_t> v(quantos);
    std::iota(v.begin(), v.end(), semente);
    return v;
}

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(Entropia, ProgramasNoMesmoSegundoSoSorteiamIgualComAMesmaEntropia) {
    // Two bits at start-up, one per draw, and two for the session id of the series' record.
    ProgramaNoMesmoSegundo a(bits(1, 24)), b(bits(1000, 24)), gemeo(bits(1, 24));
    const QStringList sorteadosA = a.sortear(1000, 20);
    EXPECT_NE(sorteadosA, b.sortear(1000, 20));
    EXPECT_EQ(sorteadosA, gemeo.sortear(1000, 20));
    EXPECT_EQ(a.entropia.leituras, 24);

    // A source that fails leaves the clock to reseed: the draws go on all the same.
    ProgramaNoMesmoSegundo semFonte({});
    EXPECT_EQ(semFonte.sortear(1000, 20).size(), 20);
}

TEST(NumeroLivre, DecididoPelosNumerosDoPainelNaoPelaContagemDeEntradas) {
    // Ten entries drawn among 50 and N brought down to 10, as a count typed "100e-1" once
    // could: the entry count equals N, yet most of 1..10 are free.
    MotorDeTeste t(MotorDeTeste::comGeradorReal());
    t.relogio.passoPorLeitura = 0.0004f;
    t.aceitarParticipantes(50);
    Roteiro roteiro(t);
    for (int n : {37, 45, 12, 28, 33, 41, 19, 50, 22, 3})
        roteiro.tentativa(1, {static_cast<float>((n - 0.5) / 50)});
    for (int i = 0; i < 10; ++i)
        t.motor.cmdSorteio_Click();
    t.estado().nParticipantes = 10;
    t.motor.cmdSorteio_Click();
    ASSERT_EQ(t.controles.lista.listCount(), 11);
    const int novo = t.controles.txtX_.valor.toInt();
    EXPECT_TRUE(novo >= 1 && novo <= 10 && novo != 3) << novo;

    // The other way round: every number of 1..5 drawn and one entry above, so the entry count
    // is not N, yet no number is free. The press says so instead of searching forever.
    MotorDeTeste u(MotorDeTeste::comGeradorReal());
    u.relogio.passoPorLeitura = 0.0004f;
    u.aceitarParticipantes(7);
    for (int i = 0; i < 7; ++i)
        u.motor.cmdSorteio_Click();
    u.estado().nParticipantes = 5;
    u.controles.Timer1_.habilitado = true;
    u.motor.cmdSorteio_Click();
    EXPECT_EQ(u.controles.txtBar_.valor, QStringLiteral("Todos os números já foram sorteados"));
    EXPECT_FALSE(u.controles.cmdSorteio_.habilitado);
    EXPECT_FALSE(u.controles.Timer1_.habilitado);
    EXPECT_EQ(u.controles.lista.listCount(), 7);
}

TEST(LimiteDeTentativas, UmSorteioQueNaoAchaNumeroTerminaSemGravarNada) {
    // A generator stuck at its smallest value but one only ever offers the number 1, which is
    // drawn already. (Stuck at zero it would offer nothing at all: every value drawn again.)
    const float menorMasUm = std::ldexp(1.0f, -32);
    MotorDeTeste t;
    t.relogio.segundos = 1000.0f;
    t.aceitarParticipantes(10);
    Roteiro(t).tentativa(1, {menorMasUm});
    t.motor.cmdSorteio_Click();
    ASSERT_EQ(t.controles.txtX_.valor, QStringLiteral("1"));
    const QByteArray gravado = t.arquivos.conteudo[t.estado().Arquivo];
    t.roteiro.depoisDoRoteiro = menorMasUm;
    t.motor.limiteDeTentativas = 1000;
    t.motor.cmdSorteio_Click();

    EXPECT_EQ(t.controles.lista.itens, QStringList{QStringLiteral("01")});
    EXPECT_EQ(t.arquivos.conteudo[t.estado().Arquivo], gravado);
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("1"));
    ASSERT_EQ(t.dialogos.mensagens.size(), 1);
    EXPECT_TRUE(t.dialogos.mensagens[0].startsWith(QStringLiteral("O sorteio não encontrou")));
    EXPECT_TRUE(t.controles.txtBar_.valor.startsWith(QStringLiteral("Sorteio interrompido")));
    // The operator can press again at once.
    EXPECT_TRUE(t.controles.cmdSorteio_.habilitado);
    EXPECT_TRUE(t.controles.lista.visivel);
}

TEST(UmaSerieUmArquivo, DuasCopiasNoMesmoSegundoNaoDividemOArquivo) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    platform::ArquivosDoSistema disco;
    // Both set up their first series in the same second, before either has drawn.
    ProgramaNoMesmoSegundo a(bits(7, 40), &disco, pasta.path());
    ProgramaNoMesmoSegundo b(bits(70, 40), &disco, pasta.path());
    ASSERT_EQ(a.estado().Arquivo, b.estado().Arquivo);

    a.aceitarParticipantes(100);
    b.aceitarParticipantes(100);
    for (ProgramaNoMesmoSegundo* p : {&a, &b, &a, &b, &a})
        p->motor.cmdSorteio_Click();
    // The first to draw keeps the name; the other moves on to the next free one and says so.
    EXPECT_EQ(a.estado().nSerie, 1);
    EXPECT_EQ(b.estado().nSerie, 2);
    EXPECT_EQ(b.controles.lblSnum_.legenda, QStringLiteral("Sorteio Número: 2"));
    EXPECT_EQ(b.controles.txtEnder_.valor, QStringLiteral("Gravando em: ") + b.estado().Arquivo);
    EXPECT_NE(b.estado().Arquivo, a.estado().Arquivo);
    EXPECT_TRUE(b.dialogos.mensagens.isEmpty());

    auto linhasDe = [](const ControlesEmMemoria& c) {
        QByteArray bytes;
        for (const QString& e : c.lista.itens)
            bytes += QByteArray::number(e.toInt()) + "\r\n";
        return bytes;
    };
    EXPECT_EQ(ler(a.estado().Arquivo), linhasDe(a.controles));
    EXPECT_EQ(ler(b.estado().Arquivo), linhasDe(b.controles));
    // Each series' results file and its record.
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files).size(), 4);
}
