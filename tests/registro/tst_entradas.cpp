// The record as a reader sees it (the minutes are printed from it): every entry with its kind,
// time, number, count and text, one line each, whatever the operator typed.
#include "support/PainelDeTeste.h"

#include <registro/Formato.h>
#include <registro/LeituraDoRegistro.h>
#include <registro/Verificacao.h>

#include <gtest/gtest.h>

#include <QCryptographicHash>

using namespace rodaleque;
using namespace rodaleque::teste;
using registro::Tipo;

TEST(Entradas, CadaUmaComoFoiFeitaNumaLinhaSo) {
    const QString nota =
        QStringLiteral("Queda de energia\r\nàs 10h\ttab \\ \x01 \u2028 \u202E fim");
    PainelDeTeste t;
    t.relogio.data.deslocamentoUtc = -180;
    // The first draw's own 64 bits, then the record's session id.
    t.entropia.valores = {0, 0x0123456789abcdefULL, 0xfedcba9876543210ULL};
    t.informarParticipantes(QStringLiteral("3"));
    t.sortearNumeros({2});
    t.dialogos.respostasEntrada << nota + QString(600, u'x');
    t.painel.registrarOcorrencia();
    t.sortearNumeros({3, 1});
    t.informarParticipantes(QStringLiteral("4"));
    const QString resultados = t.estado().Arquivo;
    t.dialogos.respostasMensagem.push_back(platform::Dialogos::RespostaSim);
    t.painel.cmdR_Click();

    const QByteArray bytes = t.arquivos.conteudo.value(registro::caminhoDoRegistro(resultados));
    const registro::LeituraDoRegistro l = registro::lerRegistro(bytes);
    ASSERT_TRUE(l.integro()) << qPrintable(l.problema.detalhe);
    EXPECT_EQ(bytes.count('\n'), qsizetype(l.entradas.size())) << "one line each";
    std::vector<Tipo> tipos;
    for (const registro::Entrada& e : l.entradas)
        tipos.push_back(e.tipo);
    EXPECT_EQ(tipos,
              (std::vector<Tipo>{Tipo::Abertura, Tipo::Sorteio, Tipo::Ocorrencia, Tipo::Sorteio,
                                 Tipo::Sorteio, Tipo::Concluida, Tipo::Contagem, Tipo::Encerrada}));
    const registro::Entrada& abertura = l.entradas[0];
    EXPECT_EQ(abertura.valor("sessao"), QStringLiteral("0123456789abcdeffedcba9876543210"));
    EXPECT_EQ(abertura.valor("executavel").toLatin1(),
              QCryptographicHash::hash("programa", QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(abertura.valor("data"), QStringLiteral("2026-07-07 14:05:09 -03:00"));
    EXPECT_EQ(abertura.valor("programa"), QStringLiteral("Rodaleque 1.0.98"));
    EXPECT_EQ(abertura.valor("arquivo"), registro::nomeDoArquivo(resultados));
    EXPECT_EQ(l.entradas[2].valor("texto"), (nota + QString(600, u'x')).left(500));
    EXPECT_EQ(l.entradas[4].numero, 1);
    EXPECT_EQ(l.entradas[4].posicao, 3);
    EXPECT_EQ(l.entradas[4].participantes, 3);
    EXPECT_EQ(l.entradas[4].data.hora, 14);
    EXPECT_EQ(l.entradas[6].participantes, 4);
    EXPECT_EQ(l.entradas[7].valor("motivo"), QStringLiteral("reinicio"));
    // What the operator read out after the last draw.
    const QByteArray codigo = l.entradas[5].codigo; // the completion's: the draw came just before
    EXPECT_EQ(registro::codigoCurto(l.entradas[4].codigo),
              QString::fromLatin1(l.entradas[4].codigo.left(4).toUpper() + '-' +
                                  l.entradas[4].codigo.mid(4, 4).toUpper()));
    EXPECT_NE(registro::codigoCurto(codigo), registro::codigoCurto(l.entradas[4].codigo));
}

TEST(Formato, ValoresVoltamComoEram) {
    for (const QString& v :
         {QString(), QStringLiteral("simples"), QStringLiteral("a\\tb"), QStringLiteral("\t\n\r\\"),
          QStringLiteral("\x7F\u0085\u200B\uFEFF"), QString::fromUtf8("ação 😀 🇧🇷")}) {
        const QByteArray escrito = registro::escapar(v);
        for (const char c : escrito)
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
                << escrito.toStdString();
        EXPECT_EQ(registro::desescapar(escrito), std::optional<QString>(v))
            << escrito.toStdString();
    }
    for (const char* ruim :
         {"\\", "\\x", "\\u{41}", "\\u{D800}", "\\u{110000}", "\\u41", "a\tb", "\xC3"})
        EXPECT_FALSE(registro::desescapar(ruim).has_value()) << ruim;
}
