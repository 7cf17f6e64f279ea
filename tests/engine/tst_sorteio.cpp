#include "support/Roteiro.h"

#include <gtest/gtest.h>

#include <QSet>

#include <limits>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

QList<int> numerosDoPainel(const ControlesEmMemoria& c) {
    QList<int> numeros;
    for (const QString& entrada : c.lista.itens)
        numeros.append(entrada.toInt());
    return numeros;
}

QByteArray linhas(const QList<int>& numeros) {
    QByteArray bytes;
    for (int n : numeros)
        bytes += QByteArray::number(n) + "\r\n";
    return bytes;
}

// A series on the real generator, with a clock that moves a little at every reading.
struct SerieReal : MotorDeTeste {
    SerieReal() : MotorDeTeste(comGeradorReal()) { relogio.passoPorLeitura = 0.0004f; }
};

} // namespace

TEST(Sorteio, PrimeiroNumeroDaSerie) {
    MotorDeTeste t;
    t.relogio.segundos = 1000.0f;
    Roteiro(t).tentativa(8).tentativa(1, {4.5f / 5});
    t.aceitarParticipantes(5);
    t.motor.cmdSorteio_Click();
    const auto& c = t.controles;
    EXPECT_EQ(c.lista.itens, QStringList{QStringLiteral("05")});
    EXPECT_EQ(c.lista.colunas, 11);
    EXPECT_EQ(c.txtX_.valor, QStringLiteral("5"));
    EXPECT_EQ(c.lblN_.legenda, QStringLiteral("Números sorteados: 1"));
    EXPECT_EQ(c.lblPos_.legenda, QStringLiteral("Posição selecionada: 1"));
    EXPECT_EQ(c.txtEnder_.valor, QStringLiteral("Gravando em: ") + t.estado().Arquivo);
    EXPECT_EQ(c.txtBar_.valor, QStringLiteral("--")); // one dash per attempt
    EXPECT_EQ(t.estado().nSorteados, 1);
    EXPECT_EQ(t.arquivos.conteudo[t.estado().Arquivo], QByteArray("5\r\n"));
    // The panel was hidden during the attempts and is shown again; the button is back.
    EXPECT_GE(c.lista.ocultacoes, 1);
    EXPECT_TRUE(c.lista.visivel);
    EXPECT_TRUE(c.cmdSorteio_.habilitado);
    EXPECT_TRUE(c.cmdSorteio_.focado);
}

TEST(Sorteio, FormatoDoPainelSegueN) {
    struct Caso {
        int32_t n;
        const char* entrada;
        int colunas;
    };
    for (const Caso& caso : {Caso{5, "02", 11}, Caso{99, "02", 11}, Caso{100, "002", 9},
                             Caso{999, "002", 9}, Caso{1000, "0002", 6}, Caso{9999, "0002", 6},
                             Caso{10000, "00002", 6}, Caso{99999, "00002", 6}}) {
        MotorDeTeste t;
        t.relogio.segundos = 1000.0f;
        Roteiro(t).tentativa(1, {static_cast<float>(1.5 / caso.n)});
        t.aceitarParticipantes(caso.n);
        t.motor.cmdSorteio_Click();
        EXPECT_EQ(t.controles.lista.itens, QStringList{QString::fromLatin1(caso.entrada)})
            << caso.n;
        EXPECT_EQ(t.controles.lista.colunas, caso.colunas) << caso.n;
        EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("2")) << caso.n;
    }
}

TEST(Sorteio, RepeticoesEmpurramOGiroEATerceiraPoeOSeletorEmCinco) {
    MotorDeTeste t;
    t.relogio.segundos = 1000.0f;
    t.aceitarParticipantes(10);
    // With Giro1 this large the second mixing step always overflows and the first decides.
    const int32_t giro = std::numeric_limits<int32_t>::max() - 1000;
    t.estado().Giro1 = giro;
    Roteiro(t).tentativa(1, {0.65f});
    t.motor.cmdSorteio_Click();
    ASSERT_EQ(t.controles.txtX_.valor, QStringLiteral("7"));

    // Three repeats of 7, then the selector starts again from 5.
    Roteiro(t)
        .tentativa(1, {0.65f})
        .tentativa(1, {0.65f})
        .tentativa(1, {0.65f})
        .seletorPassaA(5)
        .tentativa(1, {0.25f});
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.controles.lista.itens, (QStringList{QStringLiteral("07"), QStringLiteral("03")}));
    EXPECT_EQ(t.estado().Giro1, giro + 3 * 7);
    EXPECT_EQ(t.controles.txtBar_.valor, QStringLiteral("----"));
    EXPECT_EQ(t.controles.estat[1].valor, QStringLiteral("5"));
    EXPECT_EQ(t.controles.lblPos_.legenda, QStringLiteral("Posição selecionada: 2"));
    EXPECT_EQ(t.controles.lblN_.legenda, QStringLiteral("Números sorteados: 2"));
}

TEST(Sorteio, RepeticaoComGiroNoLimiteDeixaOGiro) {
    MotorDeTeste t;
    t.relogio.segundos = 1000.0f;
    t.aceitarParticipantes(10);
    const int32_t giro = std::numeric_limits<int32_t>::max() - 3;
    t.estado().Giro1 = giro;
    Roteiro(t).tentativa(1, {0.65f}).tentativa(1, {0.65f}).tentativa(1, {0.05f});
    t.motor.cmdSorteio_Click();
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.estado().Giro1, giro);
    EXPECT_EQ(numerosDoPainel(t.controles), (QList<int>{7, 1}));
}

TEST(Sorteio, SerieInteiraDaCadaNumeroUmaVezEDepoisAvisaQueAcabou) {
    SerieReal t;
    t.aceitarParticipantes(100);
    for (int i = 1; i <= 100; ++i) {
        t.motor.cmdSorteio_Click();
        ASSERT_EQ(t.controles.lista.listCount(), i);
        ASSERT_TRUE(t.controles.cmdSorteio_.habilitado);
    }
    const QList<int> numeros = numerosDoPainel(t.controles);
    EXPECT_EQ(QSet<int>(numeros.begin(), numeros.end()).size(), 100);
    EXPECT_EQ(*std::min_element(numeros.begin(), numeros.end()), 1);
    EXPECT_EQ(*std::max_element(numeros.begin(), numeros.end()), 100);
    EXPECT_EQ(t.arquivos.conteudo[t.estado().Arquivo], linhas(numeros));
    EXPECT_EQ(t.controles.lista.itens.first().size(), 3);

    t.controles.Timer1_.habilitado = true;
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.controles.txtBar_.valor, QStringLiteral("Todos os números já foram sorteados"));
    EXPECT_FALSE(t.controles.Timer1_.habilitado);
    EXPECT_FALSE(t.controles.cmdSorteio_.habilitado);
    EXPECT_EQ(t.controles.lista.listCount(), 100);
    EXPECT_EQ(t.arquivos.conteudo[t.estado().Arquivo], linhas(numeros));
}

TEST(Sorteio, ComDoisParticipantesOSegundoSorteioDaOOutroNumero) {
    for (int serie = 0; serie < 20; ++serie) {
        SerieReal t;
        t.relogio.segundos = 3600.0f + 97.0f * serie;
        t.aceitarParticipantes(2);
        t.motor.cmdSorteio_Click();
        t.motor.cmdSorteio_Click();
        QList<int> numeros = numerosDoPainel(t.controles);
        std::sort(numeros.begin(), numeros.end());
        EXPECT_EQ(numeros, (QList<int>{1, 2}));
    }
}

TEST(Sorteio, AumentarNDuranteASerieMudaSoAsEntradasSeguintes) {
    SerieReal t;
    t.aceitarParticipantes(50);
    for (int i = 0; i < 5; ++i)
        t.motor.cmdSorteio_Click();
    const QString arquivo = t.estado().Arquivo;
    t.aceitarParticipantes(500);
    t.motor.cmdSorteio_Click();
    const auto& itens = t.controles.lista.itens;
    ASSERT_EQ(itens.size(), 6);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(itens[i].size(), 2);
    EXPECT_EQ(itens[5].size(), 3);
    EXPECT_EQ(t.controles.lista.colunas, 9);
    EXPECT_EQ(t.estado().Arquivo, arquivo);
    EXPECT_EQ(t.arquivos.conteudo[arquivo], linhas(numerosDoPainel(t.controles)));
}

TEST(Sorteio, MaisDe32767NumerosNoPainel) {
    SerieReal t;
    t.aceitarParticipantes(99999);
    for (int i = 0; i < 33000; ++i)
        t.motor.cmdSorteio_Click();
    const QList<int> numeros = numerosDoPainel(t.controles);
    EXPECT_EQ(QSet<int>(numeros.begin(), numeros.end()).size(), 33000);
    EXPECT_EQ(t.controles.lblN_.legenda, QStringLiteral("Números sorteados: 33000"));
    EXPECT_EQ(t.controles.lblPos_.legenda, QStringLiteral("Posição selecionada: 33000"));
    EXPECT_EQ(t.estado().nSorteados, 33000);
}

TEST(Sorteio, FalhaAoGravarAvisaNaHoraEONumeroContinuaSorteado) {
    MotorDeTeste t;
    t.relogio.segundos = 1000.0f;
    t.aceitarParticipantes(10);
    t.arquivos.falharAcrescimos = true;
    Roteiro(t).tentativa(1, {0.25f});
    t.motor.cmdSorteio_Click();
    const QString& arquivo = t.estado().Arquivo;
    ASSERT_EQ(t.dialogos.mensagens.size(), 1);
    EXPECT_EQ(t.dialogos.mensagens[0],
              QStringLiteral("Não foi possível gravar o número sorteado no arquivo:\n") + arquivo);
    EXPECT_EQ(t.dialogos.codigos[0], platform::Dialogos::OkInformacao);
    EXPECT_EQ(t.controles.txtEnder_.valor, QStringLiteral("Falha ao gravar em: ") + arquivo);
    EXPECT_EQ(t.controles.lista.itens, QStringList{QStringLiteral("03")});
    EXPECT_EQ(t.controles.txtX_.valor, QStringLiteral("3"));
    EXPECT_EQ(t.controles.lblN_.legenda, QStringLiteral("Números sorteados: 1"));
    EXPECT_TRUE(t.controles.cmdSorteio_.habilitado);

    // Once the file can be written again, the next draw is recorded and says so, and the number
    // whose write failed goes on file with it, in draw order.
    t.arquivos.falharAcrescimos = false;
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.dialogos.mensagens.size(), 1);
    EXPECT_EQ(t.controles.txtEnder_.valor, QStringLiteral("Gravando em: ") + arquivo);
    EXPECT_EQ(t.arquivos.conteudo[arquivo], linhas(numerosDoPainel(t.controles)));
    EXPECT_EQ(numerosDoPainel(t.controles).size(), 2);

    // So it is with an append that fails once the file is claimed.
    t.arquivos.falharAcrescimos = true;
    t.motor.cmdSorteio_Click();
    t.arquivos.falharAcrescimos = false;
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.arquivos.conteudo[arquivo], linhas(numerosDoPainel(t.controles)));
    EXPECT_EQ(numerosDoPainel(t.controles).size(), 4);
}

// The audience sees only numbers on file: one drawn while the disk refuses it waits, with its
// code, until a later write puts it there.
TEST(Sorteio, PublicoSoVeOQueEstaNoArquivo) {
    MotorDeTeste t(MotorDeTeste::comGeradorReal());
    t.relogio.passoPorLeitura = 0.0004f;
    t.comecar(50);
    t.sortear(3);
    MotorSorteio::VistaDoPublico v = t.motor.vistaDoPublico(2);
    EXPECT_EQ(v.sorteados, 3);
    EXPECT_EQ(v.ultimos, (std::vector<int32_t>{t.controles.lista.itens[1].toInt(), t.controles.lista.itens[2].toInt()}));
    EXPECT_FALSE(v.codigoCurto.isEmpty());

    t.arquivos.falharAcrescimos = true;
    t.sortear(1);
    v = t.motor.vistaDoPublico(10);
    EXPECT_EQ(t.controles.lista.listCount(), 4);
    EXPECT_EQ(v.sorteados, 3);
    EXPECT_EQ(v.ultimos.size(), 3u);
    EXPECT_TRUE(v.codigoCurto.isEmpty());

    t.arquivos.falharAcrescimos = false;
    t.sortear(1);
    v = t.motor.vistaDoPublico(10);
    EXPECT_EQ(v.sorteados, 5);
    EXPECT_EQ(v.ultimos.back(), t.controles.lista.itens[4].toInt());
    EXPECT_FALSE(v.todosSorteados);
}
