#include "support/PainelDeTeste.h"

#include <gtest/gtest.h>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

const QString valorInvalido = QStringLiteral("Valor Inválido");

class RespostaRecusada : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(RespostaRecusada, SemSerieDaValorInvalidoENaoMudaNada) {
    PainelDeTeste t;
    const QString arquivo = t.estado().Arquivo;
    t.informarParticipantes(QString::fromUtf8(GetParam()));
    EXPECT_EQ(t.dialogos.perguntas,
              QStringList{QStringLiteral("Digite o Nº de participantes (Número máximo: 99999)")});
    EXPECT_EQ(t.dialogos.mensagens, QStringList{valorInvalido});
    EXPECT_EQ(t.dialogos.codigos, std::vector<int>{platform::Dialogos::OkInformacao});
    EXPECT_EQ(t.estado().nParticipantes, 0);
    EXPECT_EQ(t.estado().Arquivo, arquivo);
    EXPECT_FALSE(t.controles.cmdSorteio_.habilitado);
    EXPECT_FALSE(t.controles.sorter_.habilitado);
    EXPECT_TRUE(t.controles.txtPart_.valor.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Participantes, RespostaRecusada,
                         ::testing::Values("1", "0", "-5", "abc", "12abc", "100000", "1e9"));

TEST(Participantes, CancelarNaoMudaNadaNemAvisa) {
    PainelDeTeste t;
    t.informarParticipantes(QString());
    EXPECT_TRUE(t.dialogos.mensagens.isEmpty());
    EXPECT_EQ(t.estado().nParticipantes, 0);
    EXPECT_FALSE(t.controles.cmdSorteio_.habilitado);
}

TEST(Participantes, ContagemAceitaComecaASerie) {
    PainelDeTeste t;
    t.controles.txtBar_.valor = QStringLiteral("---");
    t.informarParticipantes(QStringLiteral("2"));
    const auto& c = t.controles;
    EXPECT_TRUE(t.dialogos.mensagens.isEmpty());
    EXPECT_EQ(t.estado().nParticipantes, 2);
    EXPECT_EQ(t.estado().Giro2, 2);
    EXPECT_EQ(c.cmdX_.legenda, QStringLiteral("&Inserir mais participantes"));
    EXPECT_TRUE(c.cmdX_.habilitado);
    EXPECT_TRUE(c.cmdSorteio_.habilitado);
    EXPECT_TRUE(c.cmdSorteio_.focado);
    for (const auto* timer : {&c.sorter_, &c.sorter2_, &c.sorter3_, &c.sorter4_, &c.Timer1_})
        EXPECT_TRUE(timer->habilitado);
    EXPECT_TRUE(c.txtBar_.valor.isEmpty());
    EXPECT_EQ(c.txtPart_.valor, QStringLiteral("2"));
}

TEST(Participantes, NoventaENoveMilNovecentosENoventaENoveTravaOBotao) {
    PainelDeTeste t;
    t.informarParticipantes(QStringLiteral("99999"));
    EXPECT_EQ(t.estado().nParticipantes, 99999);
    EXPECT_FALSE(t.controles.cmdX_.habilitado);
    EXPECT_EQ(t.controles.txtPart_.valor, QStringLiteral("99999"));
}

TEST(Participantes, DuranteASerieSoAceitaContagemIgualOuMaior) {
    PainelDeTeste t;
    t.informarParticipantes(QStringLiteral("50"));
    t.sortearNumeros({3, 14, 15, 9, 26, 5, 35, 8, 42, 7});
    const QString arquivo = t.estado().Arquivo;
    const QStringList painel = t.controles.lista.itens;

    t.informarParticipantes(QStringLiteral("40"));
    EXPECT_EQ(t.dialogos.mensagens, QStringList{valorInvalido});
    EXPECT_EQ(t.estado().nParticipantes, 50);

    for (auto* timer : {&t.controles.sorter_, &t.controles.Timer1_})
        timer->habilitado = false;
    t.controles.txtBar_.valor = QStringLiteral("----");
    t.informarParticipantes(QStringLiteral("50"));
    EXPECT_EQ(t.dialogos.mensagens.size(), 1);
    EXPECT_EQ(t.estado().nSorteados, 10);
    EXPECT_TRUE(t.controles.sorter_.habilitado);
    EXPECT_TRUE(t.controles.Timer1_.habilitado);
    EXPECT_TRUE(t.controles.txtBar_.valor.isEmpty());

    t.informarParticipantes(QStringLiteral("60"));
    EXPECT_EQ(t.estado().nParticipantes, 60);
    EXPECT_EQ(t.estado().Arquivo, arquivo);
    EXPECT_EQ(t.controles.lista.itens, painel);
    EXPECT_EQ(t.estado().Giro2, 60);
}

TEST(Reinicio, AntesDoPrimeiroSorteioSoMoveOFoco) {
    PainelDeTeste t;
    t.informarParticipantes(QStringLiteral("10"));
    t.painel.cmdR_Click();
    t.painel.Command1_Click();
    EXPECT_TRUE(t.dialogos.mensagens.isEmpty());
    EXPECT_TRUE(t.abridor.abertos.isEmpty());
    EXPECT_EQ(t.estado().nParticipantes, 10);
    EXPECT_TRUE(t.controles.cmdX_.focado);
}

TEST(Reinicio, SoOSimComecaOutraSerieComNovoArquivo) {
    PainelDeTeste t;
    t.informarParticipantes(QStringLiteral("10"));
    t.sortearNumeros({4});
    const QString primeiro = t.estado().Arquivo;

    const QString registro = QStringLiteral("/dados/serie-em-andamento.txt");
    t.dialogos.respostasMensagem.push_back(platform::Dialogos::RespostaNao);
    t.painel.cmdR_Click();
    EXPECT_EQ(t.dialogos.mensagens, QStringList{QStringLiteral("Deseja começar outra série de sorteios?")});
    EXPECT_EQ(t.dialogos.codigos, std::vector<int>{platform::Dialogos::SimNaoPergunta});
    EXPECT_EQ(t.estado().nParticipantes, 10);
    EXPECT_EQ(t.controles.lista.listCount(), 1);
    EXPECT_TRUE(t.arquivos.conteudo.contains(registro)) << "the series still runs";

    t.dialogos.respostasMensagem.push_back(platform::Dialogos::RespostaSim);
    t.painel.cmdR_Click();
    EXPECT_FALSE(t.arquivos.conteudo.contains(registro)) << "the series ended";
    EXPECT_EQ(t.estado().nSerie, 2);
    EXPECT_EQ(t.estado().nParticipantes, 0);
    EXPECT_EQ(t.estado().Arquivo, QStringLiteral("/eventos/sn.2[7-7]14h5min9.txt"));
    EXPECT_NE(t.estado().Arquivo, primeiro);
    EXPECT_EQ(t.controles.lblSnum_.legenda, QStringLiteral("Sorteio Número: 2"));
    EXPECT_EQ(t.controles.lista.listCount(), 0);
    EXPECT_FALSE(t.controles.cmdSorteio_.habilitado);
    EXPECT_EQ(t.controles.cmdX_.legenda, QStringLiteral("&Inserir nº de participantes"));
    EXPECT_TRUE(t.controles.cmdX_.habilitado);
    EXPECT_TRUE(t.controles.txtX_.valor.isEmpty());
}

TEST(AbrirArquivo, AbreOArquivoDaSerieDepoisDoPrimeiroSorteio) {
    PainelDeTeste t;
    t.informarParticipantes(QStringLiteral("10"));
    t.sortearNumeros({4});
    t.controles.cmdSorteio_.focado = false;
    t.painel.Command1_Click();
    EXPECT_EQ(t.abridor.abertos, QStringList{t.estado().Arquivo});
    EXPECT_TRUE(t.controles.cmdSorteio_.focado);
}
