#include "support/PainelDeTeste.h"

#include <gtest/gtest.h>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

struct Busca : ::testing::Test {
    PainelDeTeste t;
    void SetUp() override {
        t.informarParticipantes(QStringLiteral("100"));
        t.sortearNumeros({17, 5, 88});
        ASSERT_EQ(t.controles.lista.itens,
                  (QStringList{QStringLiteral("017"), QStringLiteral("005"), QStringLiteral("088")}));
    }
    void buscar(const QString& resposta) {
        t.dialogos.mensagens.clear();
        t.dialogos.respostasEntrada.append(resposta);
        t.painel.cmdLocalizar_Click();
    }
    QString posicao() const { return t.controles.lblPos_.legenda; }
};

} // namespace

TEST_F(Busca, NumeroSorteadoFicaSelecionadoComSuaPosicao) {
    buscar(QStringLiteral("5"));
    EXPECT_TRUE(t.dialogos.mensagens.isEmpty());
    EXPECT_EQ(t.controles.lista.indice, 1);
    EXPECT_EQ(posicao(), QStringLiteral("Posição selecionada: 2"));
    EXPECT_EQ(t.dialogos.perguntas.last(),
              QStringLiteral("Digite o resultado que deseja buscar no painel"));

    buscar(QStringLiteral("0088")); // compared by value
    EXPECT_EQ(t.controles.lista.indice, 2);
    EXPECT_EQ(posicao(), QStringLiteral("Posição selecionada: 3"));
}

TEST_F(Busca, NumeroNaoSorteadoAvisaComOUltimoSelecionado) {
    (void)t.controles.lista.setListIndex(0);
    buscar(QStringLiteral("100"));
    EXPECT_EQ(t.dialogos.mensagens, QStringList{QStringLiteral("O número 100 não foi sorteado")});
    EXPECT_EQ(t.controles.lista.indice, 2);
    EXPECT_EQ(posicao(), QStringLiteral("Posição selecionada: 3"));
}

TEST_F(Busca, RespostaForaDaFaixaEInvalida) {
    for (const char* resposta : {"101", "0", "-3", "xyz"}) {
        (void)t.controles.lista.setListIndex(0);
        buscar(QString::fromUtf8(resposta));
        EXPECT_EQ(t.dialogos.mensagens, QStringList{QStringLiteral("Número inválido")}) << resposta;
        EXPECT_EQ(t.dialogos.codigos.back(), platform::Dialogos::OkInformacao);
        EXPECT_EQ(t.controles.lista.indice, 0) << resposta;
    }
}

TEST_F(Busca, CancelarSoMoveOFoco) {
    t.controles.cmdSorteio_.focado = false;
    buscar(QString());
    EXPECT_TRUE(t.dialogos.mensagens.isEmpty());
    EXPECT_TRUE(t.controles.cmdSorteio_.focado);
}

TEST(BuscaSemSorteio, NaoPerguntaNada) {
    PainelDeTeste t;
    t.informarParticipantes(QStringLiteral("100"));
    t.controles.cmdSorteio_.focado = false;
    t.painel.cmdLocalizar_Click();
    EXPECT_EQ(t.dialogos.perguntas.size(), 1); // only the count's
    EXPECT_TRUE(t.controles.cmdSorteio_.focado);
}

TEST_F(Busca, PosicaoSegueASelecao) {
    (void)t.controles.lista.setListIndex(0);
    t.painel.lstN_Click();
    EXPECT_EQ(posicao(), QStringLiteral("Posição selecionada: 1"));
    (void)t.controles.lista.setListIndex(-1);
    t.painel.lstN_Click();
    EXPECT_EQ(posicao(), QStringLiteral("Posição selecionada: 0"));
}

TEST_F(Busca, CaixasDeExibicaoSoDeixamCopiarOCaminho) {
    t.painel.txtEnder_Click();
    EXPECT_EQ(t.controles.txtEnder_.selecaoInicio, 13);
    EXPECT_EQ(t.controles.txtEnder_.selecaoComprimento, t.controles.txtEnder_.valor.size());

    for (int16_t tecla : {int16_t('a'), int16_t('7'), int16_t(8), int16_t(22)}) {
        int16_t x = tecla, parte = tecla, ender = tecla, baixo = 46;
        Painel::txtX_KeyPress(x);
        Painel::txtPart_KeyPress(parte);
        Painel::txtEnder_KeyPress(ender);
        Painel::txtEnder_KeyDown(baixo, 0);
        EXPECT_EQ(x, 0);
        EXPECT_EQ(parte, 0);
        EXPECT_EQ(ender, 0);
        EXPECT_EQ(baixo, 0);
    }
    int16_t copiar = 3;
    Painel::txtEnder_KeyPress(copiar);
    EXPECT_EQ(copiar, 3);
}

TEST_F(Busca, DepoisDeUmaFalhaAoGravarOCliqueAindaSelecionaSoOCaminho) {
    t.arquivos.falharAcrescimos = true;
    t.sortearNumeros({9});
    ASSERT_TRUE(t.controles.txtEnder_.valor.startsWith(QStringLiteral("Falha ao gravar em: ")));
    t.painel.txtEnder_Click();
    const auto& ender = t.controles.txtEnder_;
    EXPECT_EQ(ender.valor.mid(ender.selecaoInicio, ender.selecaoComprimento), t.estado().Arquivo);
}

TEST(CaixasSemSerie, CliqueNoEnderecoNaoSeleciona) {
    PainelDeTeste t;
    t.painel.txtEnder_Click();
    EXPECT_EQ(t.controles.txtEnder_.selecaoInicio, -1);
}
