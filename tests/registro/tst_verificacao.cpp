// A series checked against its record: every way its two files can be changed after the draw
// is told, at the first place they differ; a series left alone is intact.
#include "support/PainelDeTeste.h"

#include <registro/Formato.h>
#include <registro/Verificacao.h>

#include <gtest/gtest.h>

#include <functional>

using namespace rodaleque;
using namespace rodaleque::teste;
using registro::Verificacao;
using R = Verificacao::Resultado;
using D = Verificacao::Diferenca;

namespace {

// Series 1 of 10, drawn 3, 7, a note, raised to 12, drawn 1, 9, 4; its record's lines:
// 1 opening, 2-3 draws, 4 note, 5 count, 6-8 draws, 9 its end by the restart. Then series 2.
struct DuasSeries {
    DuasSeries() {
        t.informarParticipantes(QStringLiteral("10"));
        t.sortearNumeros({3, 7});
        t.dialogos.respostasEntrada << QStringLiteral("Ganhador do nº 7 ausente");
        t.painel.registrarOcorrencia();
        t.informarParticipantes(QStringLiteral("12"));
        t.sortearNumeros({1, 9, 4});
        arquivo = t.estado().Arquivo;
        t.dialogos.respostasMensagem.push_back(platform::Dialogos::RespostaSim);
        t.painel.cmdR_Click();
        t.informarParticipantes(QStringLiteral("10"));
        t.sortearNumeros({5});
        outro = t.estado().Arquivo;
    }
    QByteArray& resultados() { return t.arquivos.conteudo[arquivo]; }
    QByteArray& registro() { return t.arquivos.conteudo[registro::caminhoDoRegistro(arquivo)]; }

    PainelDeTeste t;
    QString arquivo, outro;
};

QByteArray linhas(std::initializer_list<const char*> l) {
    QByteArray b;
    for (const char* x : l)
        b += QByteArray(x) + "\r\n";
    return b;
}

// Every code chained again from the session id: what someone who rewrites both files gets.
QByteArray reencadeado(const QByteArray& registro) {
    QByteArray novo, anterior;
    for (const QByteArray& linha : registro.split('\n')) {
        if (linha.isEmpty())
            continue;
        const QByteArray texto = linha.left(linha.lastIndexOf("\tcodigo="));
        if (anterior.isEmpty())
            anterior = texto.mid(texto.indexOf("sessao=") + 7, 32);
        anterior = registro::encadear(anterior, texto);
        novo += registro::linha(texto, anterior);
    }
    return novo;
}

struct Caso {
    const char* nome;
    std::function<void(DuasSeries&)> mudar;
    R resultado;
    D diferenca;
    int linha;             // of the results file, or of the record for D::NoRegistro
    const char* relatorio; // a piece of what the report says
};

} // namespace

TEST(Verificacao, TabelaDeAlteracoes) {
    const Caso casos[] = {
        {"untouched", [](DuasSeries&) {}, R::Intacta, D::Nenhuma, 0, "Números sorteados: 5"},
        {"number changed",
         [](DuasSeries& s) {
             s.resultados() = linhas({"3", "7", "2", "9", "4"});
         },
         R::Alterada, D::NumeroAlterado, 3,
         "o número 2 foi alterado; o registro tem o número 1 (sorteio 3)"},
        {"number removed",
         [](DuasSeries& s) {
             s.resultados() = linhas({"3", "7", "9", "4"});
         },
         R::Alterada, D::NumeroFaltando, 3, "falta o número 1 (sorteio 3)"},
        {"number added",
         [](DuasSeries& s) {
             s.resultados() = linhas({"3", "7", "11", "1", "9", "4"});
         },
         R::Alterada, D::NumeroAMais, 3, "o número 11 está a mais"},
        {"number added at the end", [](DuasSeries& s) { s.resultados() += "12\r\n"; }, R::Alterada,
         D::NumeroAMais, 6, "o número 12 está a mais"},
        {"numbers swapped",
         [](DuasSeries& s) {
             s.resultados() = linhas({"3", "9", "1", "7", "4"});
         },
         R::Alterada, D::NumeroForaDeOrdem, 2, "o número 9 está fora de ordem: foi o sorteio 4"},
        {"last lines cut",
         [](DuasSeries& s) {
             s.resultados() = linhas({"3", "7"});
         },
         R::Alterada, D::NumeroFaltando, 3, "faltam os números de 3 sorteios"},
        {"a line that is no number",
         [](DuasSeries& s) {
             s.resultados() = linhas({"3", "7", "01"});
         },
         R::Alterada, D::LinhaInvalida, 3, "«01» não é um número desta série"},
        {"line ends changed", [](DuasSeries& s) { s.resultados().replace("\r\n", "\n"); },
         R::Alterada, D::LinhaInvalida, 1, "Linha 1 do arquivo de resultados"},
        {"draw edited in the record",
         [](DuasSeries& s) { s.registro().replace("numero=9\t", "numero=8\t"); }, R::Alterada,
         D::NoRegistro, 7, "Linha 7 do registro: o código não confere"},
        {"note edited in the record",
         [](DuasSeries& s) { s.registro().replace("ausente", "presente"); }, R::Alterada,
         D::NoRegistro, 4, "o código não confere"},
        {"entry removed from the record",
         [](DuasSeries& s) {
             QByteArray& r = s.registro();
             const qsizetype i = r.indexOf("ocorrencia");
             r.remove(i, r.indexOf('\n', i) + 1 - i);
         },
         R::Alterada, D::NoRegistro, 4, "o código não confere"},
        {"entry copied twice",
         [](DuasSeries& s) {
             QByteArray& r = s.registro();
             const qsizetype i = r.indexOf("sorteio\t");
             r.insert(i, r.mid(i, r.indexOf('\n', i) + 1 - i));
         },
         R::Alterada, D::NoRegistro, 3, "o código não confere"},
        {"record cut mid-line", [](DuasSeries& s) { s.registro().chop(20); }, R::Alterada,
         D::NoRegistro, 9, "cortado no meio"},
        {"code in capitals",
         [](DuasSeries& s) {
             QByteArray& r = s.registro();
             const qsizetype i = r.lastIndexOf("codigo=") + 7;
             r.replace(i, 64, r.mid(i, 64).toUpper());
         },
         R::Alterada, D::NoRegistro, 9, "64 dígitos hexadecimais"},
        {"record emptied", [](DuasSeries& s) { s.registro().clear(); }, R::Alterada, D::NoRegistro,
         1, "vazio"},
        {"record of another series",
         [](DuasSeries& s) {
             s.registro() = s.t.arquivos.conteudo[registro::caminhoDoRegistro(s.outro)];
         },
         R::Alterada, D::OutraSerie, 0,
         "O registro é de outra série: ele registra o arquivo sn.2["},
        // A chain has no secret: both files rewritten together verify, under another code, which
        // is why the code announced at the draw and printed in the minutes is what counts.
        {"both rewritten together",
         [](DuasSeries& s) {
             s.resultados().replace("9\r\n", "8\r\n");
             s.registro() = reencadeado(s.registro().replace("numero=9\t", "numero=8\t"));
         },
         R::Intacta, D::Nenhuma, 0, "Código de verificação"},
        {"no record",
         [](DuasSeries& s) { s.t.arquivos.remover(registro::caminhoDoRegistro(s.arquivo)); },
         R::SemRegistro, D::Nenhuma, 0, "não tem registro"},
        {"no results file", [](DuasSeries& s) { s.t.arquivos.remover(s.arquivo); }, R::Ilegivel,
         D::Nenhuma, 0, "Não foi possível ler o arquivo"},
    };
    for (const Caso& c : casos) {
        DuasSeries s;
        const QByteArray codigo = registro::lerRegistro(s.registro()).codigo();
        c.mudar(s);
        const Verificacao v = registro::verificarArquivo(s.t.arquivos, s.arquivo);
        const QString texto = registro::relatorio(v);
        EXPECT_EQ(v.resultado, c.resultado) << c.nome << '\n' << qPrintable(texto);
        EXPECT_EQ(v.diferenca, c.diferenca) << c.nome;
        EXPECT_EQ(c.diferenca == D::NoRegistro ? v.problema.linha : v.linha, c.linha) << c.nome;
        EXPECT_TRUE(texto.contains(QString::fromUtf8(c.relatorio))) << c.nome << '\n'
                                                                    << qPrintable(texto);
        EXPECT_EQ(registro::codigoDeSaida(v), c.resultado == R::Intacta    ? 0
                                              : c.resultado == R::Alterada ? 1
                                                                           : 2);
        if (v.resultado == R::Intacta) {
            EXPECT_EQ(v.codigo == codigo, std::string(c.nome) == "untouched") << c.nome;
        }
    }
}

TEST(Verificacao, PeloRegistroOuPeloArquivoDaOMesmo) {
    DuasSeries s;
    const Verificacao v =
        registro::verificarArquivo(s.t.arquivos, registro::caminhoDoRegistro(s.arquivo));
    EXPECT_EQ(v.resultado, R::Intacta);
    EXPECT_EQ(v.arquivo, s.arquivo);
    EXPECT_EQ(v.sorteados, 5);
    EXPECT_EQ(v.codigo, registro::lerRegistro(s.registro()).codigo());
}
