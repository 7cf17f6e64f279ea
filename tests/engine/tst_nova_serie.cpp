#include "support/MotorDeTeste.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rodaleque;
using rodaleque::teste::MotorDeTeste;

namespace {
const QString caminhoDaSerie1 = QStringLiteral("/eventos/sn.1[7-7]14h5min9.txt");
}

TEST(NovaSerie, DeixaAJanelaProntaParaUmaSerieSemContagem) {
    MotorDeTeste t;
    const auto& c = t.controles;
    EXPECT_EQ(t.estado().nSerie, 1);
    EXPECT_EQ(t.estado().nParticipantes, 0);
    EXPECT_EQ(t.estado().nSorteados, 0);
    EXPECT_EQ(t.estado().Arquivo, caminhoDaSerie1);
    EXPECT_EQ(c.lblSnum_.legenda, QStringLiteral("Sorteio Número: 1"));
    EXPECT_EQ(c.lblN_.legenda, QStringLiteral("Números Sorteados: 0"));
    EXPECT_EQ(c.lblPos_.legenda, QStringLiteral("Painel vazio!"));
    EXPECT_EQ(c.txtEnder_.valor, QStringLiteral("Arquivo a ser gravado: ") + caminhoDaSerie1);
    EXPECT_EQ(c.cmdX_.legenda, QStringLiteral("&Inserir nº de participantes"));
    EXPECT_TRUE(c.cmdX_.habilitado);
    EXPECT_FALSE(c.cmdSorteio_.habilitado);
    EXPECT_TRUE(c.txtX_.valor.isEmpty()); // the built "99999" is gone
    EXPECT_TRUE(c.txtBar_.valor.isEmpty());
    EXPECT_TRUE(c.txtPart_.valor.isEmpty());
    EXPECT_EQ(c.lista.listCount(), 0);
    for (const auto* timer : {&c.sorter_, &c.sorter2_, &c.sorter3_, &c.sorter4_})
        EXPECT_FALSE(timer->habilitado);
    for (const auto& bola : c.bolas) {
        EXPECT_TRUE(bola.valor.isEmpty());
        EXPECT_EQ(bola.cor, 0x404040);
    }
    for (const auto& contador : c.estat)
        EXPECT_TRUE(contador.valor.isEmpty());
    EXPECT_TRUE(t.arquivos.conteudo.isEmpty()); // nothing drawn, so no file
}

TEST(NovaSerie, ComUmaSerieEmCursoNaoMudaNada) {
    MotorDeTeste t;
    t.aceitarParticipantes(7);
    t.motor.cmdSorteio_Click();
    auto& c = t.controles;
    c.estat[3].valor = QStringLiteral("5");
    c.bolas[4].valor = QStringLiteral("38");
    const QStringList entradas = c.lista.itens;
    const QString numero = c.txtX_.valor, ender = c.txtEnder_.valor, arquivo = t.estado().Arquivo;
    t.relogio.data.segundo = 42; // a new name would differ

    t.motor.NovaSerie();

    EXPECT_EQ(t.estado().nParticipantes, 7);
    EXPECT_EQ(t.estado().nSorteados, 1);
    EXPECT_EQ(t.estado().Arquivo, arquivo);
    EXPECT_EQ(c.lista.itens, entradas);
    EXPECT_EQ(c.txtX_.valor, numero);
    EXPECT_EQ(c.txtEnder_.valor, ender);
    EXPECT_EQ(c.estat[3].valor, QStringLiteral("5"));
    EXPECT_EQ(c.bolas[4].valor, QStringLiteral("38"));
    EXPECT_TRUE(c.cmdSorteio_.habilitado);
    EXPECT_EQ(c.lblN_.legenda, QStringLiteral("Números sorteados: 1"));
}

TEST(NovaSerie, NomeJaOcupadoAvancaASerieAteUmNomeLivre) {
    MotorDeTeste t;
    // Files of series 2 and 3 at this very second were left by an earlier run; a folder
    // stands where series 4 would go.
    t.arquivos.conteudo[QStringLiteral("/eventos/sn.2[7-7]14h5min9.txt")] = "5\r\n";
    t.arquivos.conteudo[QStringLiteral("/eventos/sn.3[7-7]14h5min9.txt")] = "9\r\n";
    t.arquivos.pastas.insert(QStringLiteral("/eventos/sn.4[7-7]14h5min9.txt"));
    t.estado().nSerie = 2;

    t.motor.NovaSerie();

    EXPECT_EQ(t.estado().nSerie, 5);
    EXPECT_EQ(t.estado().Arquivo, QStringLiteral("/eventos/sn.5[7-7]14h5min9.txt"));
    EXPECT_EQ(t.controles.lblSnum_.legenda, QStringLiteral("Sorteio Número: 5"));

    t.aceitarParticipantes(10);
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.arquivos.conteudo[QStringLiteral("/eventos/sn.2[7-7]14h5min9.txt")], "5\r\n");
    EXPECT_EQ(t.arquivos.conteudo[QStringLiteral("/eventos/sn.3[7-7]14h5min9.txt")], "9\r\n");
    EXPECT_EQ(t.arquivos.conteudo[t.estado().Arquivo], t.controles.txtX_.valor.toLatin1() + "\r\n");
}

TEST(NovaSerie, FalhaAoNomearOArquivoSegueComAsLegendas) {
    MotorDeTeste t;
    t.estado().nSerie = std::numeric_limits<int32_t>::max();
    const QString ocupado = QStringLiteral("/eventos/sn.2147483647[7-7]14h5min9.txt");
    t.arquivos.conteudo[ocupado] = "1\r\n";
    t.controles.txtX_.valor = QStringLiteral("12");

    t.motor.NovaSerie();

    EXPECT_EQ(t.estado().nSerie, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(t.controles.lblSnum_.legenda, QStringLiteral("Sorteio Número: 2147483647"));
    EXPECT_TRUE(t.controles.txtX_.valor.isEmpty());
    EXPECT_EQ(t.controles.lblPos_.legenda, QStringLiteral("Painel vazio!"));
}

TEST(NovaSerie, FalhaDepoisDasLegendasTerminaOPreparo) {
    MotorDeTeste t;
    t.aceitarParticipantes(10);
    t.motor.cmdSorteio_Click();
    t.estado().nParticipantes = 0;
    t.controles.estat[1].valor = QStringLiteral("4");
    t.controles.bolas[12].recusarCor = true;

    t.motor.NovaSerie();

    EXPECT_EQ(t.controles.lista.listCount(), 0);   // before the failing step
    EXPECT_EQ(t.controles.estat[1].valor, QStringLiteral("4")); // after it: not reached
    EXPECT_TRUE(t.controles.cmdSorteio_.habilitado);
    EXPECT_EQ(t.controles.lblN_.legenda, QStringLiteral("Números sorteados: 1"));
}
