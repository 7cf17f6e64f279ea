// Each series' record is written as the series runs, with the care the results file has: on
// disk before the number shows, never out of step with the file without the operator knowing,
// and only ever the series' own.
#include "support/MotorDeTeste.h"

#include <registro/Formato.h>
#include <registro/Verificacao.h>

#include <gtest/gtest.h>

#include <functional>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

struct Serie : MotorDeTeste {
    Serie() : MotorDeTeste(comGeradorReal()) { relogio.passoPorLeitura = 0.0004f; }
    QString registro() const { return registro::caminhoDoRegistro(motor.estado().Arquivo); }
    registro::Verificacao verificar() {
        return registro::verificarArquivo(arquivos, estado().Arquivo);
    }
};

} // namespace

TEST(RegistroDaSerie, CadaSorteioNoRegistroComSeuCodigoAntesDeAparecer) {
    Serie t;
    t.comecar(30);
    EXPECT_FALSE(t.arquivos.conteudo.contains(t.registro())) << "no file before the first draw";
    for (int i = 1; i <= 3; ++i) {
        t.sortear(1);
        const registro::LeituraDoRegistro l =
            registro::lerRegistro(t.arquivos.conteudo[t.registro()]);
        ASSERT_TRUE(l.integro());
        const registro::Entrada& ultima = l.entradas.back();
        EXPECT_EQ(ultima.posicao, i);
        EXPECT_EQ(QString::number(ultima.numero), t.controles.txtX_.valor);
        EXPECT_EQ(t.controles.lblCodigo_.legenda,
                  QStringLiteral("Código de verificação: ") + registro::codigoCurto(ultima.codigo));
    }
    EXPECT_EQ(t.emAndamento.ler().serie.identidadeDoRegistro, t.arquivos.identidade(t.registro()));
    EXPECT_EQ(t.verificar().resultado, registro::Verificacao::Resultado::Intacta);
    t.estado().nParticipantes = 0; // restarted
    t.motor.NovaSerie();
    EXPECT_TRUE(t.controles.lblCodigo_.legenda.isEmpty()) << "a new series shows no code yet";
}

TEST(RegistroDaSerie, FalhaAoGravarORegistroAvisaEAProximaGravacaoCompleta) {
    Serie t;
    t.comecar(30);
    t.sortear(1);
    t.arquivos.falharEm.insert(t.registro());
    t.sortear(1);
    ASSERT_EQ(t.dialogos.mensagens.size(), 1);
    EXPECT_TRUE(t.dialogos.mensagens[0].startsWith(
        QStringLiteral("Não foi possível gravar o número sorteado no registro da série:\n") +
        t.registro()));
    EXPECT_EQ(t.controles.txtEnder_.valor, QStringLiteral("Falha ao gravar em: ") + t.registro());
    EXPECT_EQ(t.verificar().diferenca, registro::Verificacao::Diferenca::NumeroAMais);

    t.arquivos.falharEm.clear();
    t.sortear(1);
    EXPECT_EQ(t.dialogos.mensagens.size(), 1);
    EXPECT_EQ(t.controles.txtEnder_.valor, QStringLiteral("Gravando em: ") + t.estado().Arquivo);
    EXPECT_EQ(t.verificar().resultado, registro::Verificacao::Resultado::Intacta);
}

// A file taken away mid-series, or a name taken before the first claim: the series and its
// record go on whole in a new pair of files, and the record says why.
TEST(RegistroDaSerie, ArquivoTiradoLevaASerieParaNovosArquivos) {
    struct Caso {
        const char* nome;
        int antes; // draws before it happens
        std::function<void(Serie&)> tirar;
        const char* motivo;
        const char* aviso; // the start of what the operator is told; none if empty
    };
    const Caso casos[] = {
        {"record deleted", 3, [](Serie& t) { t.arquivos.remover(t.registro()); },
         "registro-trocado",
         "O registro desta série não foi encontrado, foi substituído ou foi alterado:\n"},
        {"record replaced", 3, [](Serie& t) { t.arquivos.trocar(t.registro(), "outro\r\n"); },
         "registro-trocado", "O registro desta série não foi encontrado"},
        // Notepad saves over the same file: only its length tells.
        {"record edited in place", 3,
         [](Serie& t) { t.arquivos.conteudo[t.registro()].replace("numero=", "numero=1"); },
         "registro-trocado", "O registro desta série não foi encontrado"},
        {"results deleted", 3, [](Serie& t) { t.arquivos.remover(t.estado().Arquivo); },
         "arquivo-trocado", "O arquivo de resultados desta série não foi encontrado"},
        {"results edited in place", 3,
         [](Serie& t) { t.arquivos.conteudo[t.estado().Arquivo] += "1\r\n"; }, "arquivo-trocado",
         "O arquivo de resultados desta série não foi encontrado"},
        {"record's name taken", 0, [](Serie& t) { t.arquivos.trocar(t.registro(), "alheio"); },
         "nome-ocupado", ""},
    };
    for (const Caso& c : casos) {
        Serie t;
        t.comecar(30);
        t.sortear(c.antes);
        const QString antigo = t.estado().Arquivo;
        const QByteArray antigoRegistro = t.arquivos.conteudo.value(t.registro());
        c.tirar(t);
        t.sortear(1);
        EXPECT_NE(t.estado().Arquivo, antigo) << c.nome;
        ASSERT_EQ(t.dialogos.mensagens.size(), *c.aviso ? 1 : 0) << c.nome;
        if (*c.aviso) {
            EXPECT_TRUE(t.dialogos.mensagens[0].startsWith(QString::fromUtf8(c.aviso))) << c.nome;
        }
        // The draw, then what its write found.
        const registro::LeituraDoRegistro l =
            registro::lerRegistro(t.arquivos.conteudo[t.registro()]);
        ASSERT_GE(l.entradas.size(), 3u) << c.nome;
        const registro::Entrada& refeito = l.entradas.back();
        EXPECT_EQ(refeito.tipo, registro::Tipo::ArquivoRefeito) << c.nome;
        EXPECT_EQ(refeito.valor("motivo"), QString::fromLatin1(c.motivo)) << c.nome;
        EXPECT_EQ(refeito.valor("anterior"), registro::nomeDoArquivo(antigo)) << c.nome;
        EXPECT_EQ(refeito.valor("novo"), registro::nomeDoArquivo(t.estado().Arquivo)) << c.nome;
        EXPECT_EQ(l.entradas[l.entradas.size() - 2].posicao, c.antes + 1) << c.nome;
        EXPECT_EQ(t.verificar().resultado, registro::Verificacao::Resultado::Intacta) << c.nome;
        if (QByteArray(c.motivo) == "registro-trocado") {
            // Written before the record was found gone: the old file keeps the new number too.
            EXPECT_EQ(t.arquivos.conteudo.value(antigo).count('\n'), c.antes + 1)
                << "the old file is left";
        }
        EXPECT_TRUE(t.arquivos.conteudo[t.registro()].startsWith(
            antigoRegistro.left(antigoRegistro.indexOf('\n'))))
            << c.nome << ": the same record, opening and all";
    }
}
