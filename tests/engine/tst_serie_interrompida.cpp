// A series never loses a number: its file stays its own, whatever happens to the folder, and
// a series that the program did not end can be taken up again at the next start.
#include "support/MotorDeTeste.h"

#include <registro/Formato.h>
#include <registro/LeituraDaSerie.h>
#include <registro/Verificacao.h>

#include <gtest/gtest.h>

#include <QSet>

#include <functional>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

// Where the running series is kept.
const QString guardadoEm = QStringLiteral("/dados/serie-em-andamento.txt");

QByteArray linhas(const QList<int>& numeros) {
    QByteArray bytes;
    for (int n : numeros)
        bytes += QByteArray::number(n) + "\r\n";
    return bytes;
}

QList<int> numerosDoPainel(const ControlesEmMemoria& c) {
    QList<int> numeros;
    for (const QString& entrada : c.lista.itens)
        numeros.append(entrada.toInt());
    return numeros;
}

// A series on the real generator, its count given through the count command's engine side;
// on a disk of its own, or on one a test gives with the answers to what the start-up asks.
struct Serie : MotorDeTeste {
    explicit Serie(ArquivosEmMemoria* disco = nullptr, std::deque<int> respostas = {})
        : MotorDeTeste(opcoes(disco, std::move(respostas))), disco(disco ? *disco : arquivos) {
        relogio.passoPorLeitura = 0.0004f;
    }
    static Opcoes opcoes(ArquivosEmMemoria* disco, std::deque<int> respostas) {
        Opcoes o = comGeradorReal();
        o.disco = disco;
        o.respostasNaPartida = std::move(respostas);
        return o;
    }
    QByteArray guardado() { return disco.conteudo.value(guardadoEm); }
    ArquivosEmMemoria& disco;
};

} // namespace

// --- reading a series back ----------------------------------------------------------------

TEST(LeituraDaSerie, SoAceitaOQueUmSorteioDaSerieEscreveria) {
    struct Caso {
        const char* nome;
        int32_t n;
        QByteArray conteudo;
        std::vector<int32_t> numeros;
        int linhaErrada;
    };
    const Caso casos[] = {
        {"good", 30, "7\r\n30\r\n1\r\n", {7, 30, 1}, 0},
        {"empty", 30, "", {}, 0},
        {"all of N", 3, "2\r\n1\r\n3\r\n", {2, 1, 3}, 0},
        {"five digits", 99999, "99999\r\n10000\r\n", {99999, 10000}, 0},
        {"torn last line", 30, "7\r\n3", {7}, 2},
        {"no CR", 30, "7\n3\r\n", {}, 1},
        {"repeated", 30, "7\r\n3\r\n7\r\n", {7, 3}, 3},
        {"above N", 30, "7\r\n31\r\n", {7}, 2},
        {"zero", 30, "0\r\n", {}, 1},
        {"leading zero", 30, "07\r\n", {}, 1},
        {"sign", 30, "+7\r\n", {}, 1},
        {"space", 30, "7 \r\n", {}, 1},
        {"empty line", 30, "7\r\n\r\n", {7}, 2},
        {"more lines than N", 3, "1\r\n2\r\n3\r\n1\r\n", {1, 2, 3}, 4},
        {"too many digits", 99999, "100000\r\n", {}, 1},
    };
    for (const Caso& c : casos) {
        const SerieLida lida = lerSerie(c.conteudo, c.n);
        EXPECT_EQ(lida.numeros, c.numeros) << c.nome;
        EXPECT_EQ(lida.linhaErrada, c.linhaErrada) << c.nome;
    }
}

// --- the series' file stays its own ----------------------------------------------------------

TEST(ArquivoDaSerie, ApagadoNoMeioDaSerieTodaASerieVaiParaUmNovoArquivo) {
    Serie t;
    t.comecar(30);
    t.sortear(3);
    const QString antigo = t.estado().Arquivo;
    const int32_t serie = t.estado().nSerie;
    t.arquivos.remover(antigo);

    t.sortear(1);

    ASSERT_EQ(t.dialogos.mensagens.size(), 1);
    EXPECT_EQ(t.dialogos.mensagens[0],
              QStringLiteral("O arquivo de resultados desta série não foi encontrado ou foi "
                             "substituído:\n") +
                  antigo + QStringLiteral("\n\nOs números desta série serão gravados em um novo "
                                          "arquivo."));
    const QString novo = t.estado().Arquivo;
    EXPECT_NE(novo, antigo);
    EXPECT_EQ(t.estado().nSerie, serie + 1);
    EXPECT_EQ(t.controles.lblSnum_.legenda, QStringLiteral("Sorteio Número: %1").arg(serie + 1));
    EXPECT_EQ(t.controles.txtEnder_.valor, QStringLiteral("Gravando em: ") + novo);
    EXPECT_FALSE(t.arquivos.conteudo.contains(antigo)) << "nothing is made where the file was";
    EXPECT_EQ(t.arquivos.conteudo[novo], linhas(numerosDoPainel(t.controles)));
    EXPECT_EQ(numerosDoPainel(t.controles).size(), 4);

    // The series goes on in its new file, which is the one on record.
    t.sortear(1);
    EXPECT_EQ(t.dialogos.mensagens.size(), 1);
    EXPECT_EQ(t.arquivos.conteudo[novo], linhas(numerosDoPainel(t.controles)));
    EXPECT_TRUE(t.guardado().contains(novo.toUtf8().toPercentEncoding()));
}

TEST(ArquivoDaSerie, SubstituidoPorOutroNadaEscreveNeleEONomeSeguinteOcupadoTambemEPulado) {
    Serie t;
    t.comecar(30);
    t.sortear(2);
    const QString antigo = t.estado().Arquivo;
    const int32_t serie = t.estado().nSerie;
    t.arquivos.trocar(antigo, "9\r\n8\r\n"); // another series' file, under the same name
    t.arquivos.conteudo[t.arquivo.caminho(serie + 1)] = "5\r\n";

    t.sortear(1);

    EXPECT_EQ(t.arquivos.conteudo[antigo], "9\r\n8\r\n");
    EXPECT_EQ(t.arquivos.conteudo[t.arquivo.caminho(serie + 1)], "5\r\n");
    EXPECT_EQ(t.estado().nSerie, serie + 2);
    EXPECT_EQ(t.arquivos.conteudo[t.estado().Arquivo], linhas(numerosDoPainel(t.controles)));
    EXPECT_EQ(t.dialogos.mensagens.size(), 1);
}

TEST(ArquivoDaSerie, SeONovoArquivoTambemFalhaOOperadorSabeQueONumeroNaoFoiGravado) {
    Serie t;
    t.comecar(30);
    t.sortear(2);
    t.arquivos.remover(t.estado().Arquivo);
    t.arquivos.falharAcrescimos = true;

    t.sortear(1);

    ASSERT_EQ(t.dialogos.mensagens.size(), 2);
    EXPECT_TRUE(t.dialogos.mensagens[1].startsWith(
        QStringLiteral("Não foi possível gravar o número sorteado no arquivo:\n")));
    EXPECT_EQ(t.controles.txtEnder_.valor, QStringLiteral("Falha ao gravar em: ") + t.estado().Arquivo);
    EXPECT_EQ(numerosDoPainel(t.controles).size(), 3);

    // The next draw that can write claims the file with the whole series, not its own number.
    t.arquivos.falharAcrescimos = false;
    t.sortear(1);
    EXPECT_EQ(t.arquivos.conteudo[t.estado().Arquivo], linhas(numerosDoPainel(t.controles)));
    EXPECT_EQ(numerosDoPainel(t.controles).size(), 4);
}

// --- the record of the running series ---------------------------------------------------------

TEST(RegistroDaSerie, GuardadoAoAceitarAContagemEAoReivindicarOArquivoApagadoAoReiniciar) {
    Serie t;
    EXPECT_FALSE(t.arquivos.conteudo.contains(guardadoEm)) << "no series runs before a count";

    t.comecar(30);
    SerieEmAndamento::Leitura lida = t.emAndamento.ler();
    ASSERT_EQ(lida.estado, SerieEmAndamento::Estado::Lida);
    EXPECT_EQ(lida.serie.participantes, 30);
    EXPECT_EQ(lida.serie.serie, 1);
    EXPECT_EQ(lida.serie.arquivo, t.estado().Arquivo);
    EXPECT_FALSE(lida.serie.identidade) << "the file is not claimed yet";

    t.sortear(1);
    lida = t.emAndamento.ler();
    EXPECT_EQ(lida.serie.identidade, t.arquivos.identidade(t.estado().Arquivo));
    const QByteArray depoisDoPrimeiro = t.guardado();
    t.sortear(3);
    EXPECT_EQ(t.guardado(), depoisDoPrimeiro) << "later draws leave the record alone";

    t.motor.aplicarContagem(40); // more participants
    EXPECT_EQ(t.emAndamento.ler().serie.participantes, 40);

    t.motor.esquecerSerie(MotorSorteio::Encerramento::Reinicio);
    EXPECT_FALSE(t.arquivos.conteudo.contains(guardadoEm));
}

TEST(RegistroDaSerie, UmMotorQueNaoIniciouNaoApagaORegistro) {
    Serie t;
    t.comecar(30);
    t.sortear(1);
    ControlesEmMemoria controles;
    ArquivoResultados arquivo(t.arquivos, t.relogio, t.pasta, QStringLiteral("/"));
    SerieEmAndamento emAndamento(t.arquivos, guardadoEm);
    RegistroDaSerie registroDaSerie(t.arquivos, t.relogio, t.entropia, {});
    MotorSorteio segundaCopia(Ambiente{controles, t.aleatorio, t.relogio, t.dialogos, arquivo,
                                       emAndamento, registroDaSerie});
    segundaCopia.esquecerSerie(MotorSorteio::Encerramento::Fechamento);
    EXPECT_TRUE(t.arquivos.conteudo.contains(guardadoEm));
}

TEST(RegistroDaSerie, IlegivelOuIncompletoNaoEntendido) {
    ArquivosEmMemoria arquivos;
    SerieEmAndamento emAndamento(arquivos, guardadoEm);
    const QByteArray bom = "Rodaleque: serie em andamento 1\nserie=3\nparticipantes=30\n"
                           "volume=1\nindice=7\ncontagens=0:10,4:30\n"
                           "arquivo=%2Fa%20b%0A%5Bc%5D.txt\n";
    arquivos.conteudo[guardadoEm] = bom;
    SerieEmAndamento::Leitura lida = emAndamento.ler();
    ASSERT_EQ(lida.estado, SerieEmAndamento::Estado::Lida);
    EXPECT_EQ(lida.serie.arquivo, QStringLiteral("/a b\n[c].txt"));
    EXPECT_EQ(lida.serie.identidade, (platform::Identidade{1, 7}));
    EXPECT_EQ(lida.serie.contagens, (std::vector<ContagemDaSerie>{{0, 10}, {4, 30}}));

    for (const QByteArray& ruim :
         {QByteArray("lixo"), QByteArray(bom).replace("participantes=30", "participantes=1"),
          QByteArray(bom).replace("serie=3", "serie=-3"), QByteArray(bom).replace("indice=7\n", ""),
          QByteArray(bom).replace("arquivo=", "x="), QByteArray(bom).replace("Rodaleque", "R"),
          QByteArray(bom).replace("0:10,4:30", "0:10,4:20"), // the last count is not N
          QByteArray(bom).replace("0:10,4:30", "4:10,0:30"), // out of order
          QByteArray(bom).replace("0:10,4:30", "0:10,4:30,")}) {
        arquivos.conteudo[guardadoEm] = ruim;
        EXPECT_EQ(emAndamento.ler().estado, SerieEmAndamento::Estado::Ilegivel) << ruim.constData();
    }
}

// --- continuing at the next start ---------------------------------------------------------

namespace {

// Series 4 of 30 with seven numbers drawn, stopped without ending; its disk outlives it.
struct Interrompida {
    Interrompida() {
        Serie antes(&arquivos);
        antes.estado().nSerie = 4;
        antes.comecar(30);
        antes.sortear(7);
        arquivo = antes.estado().Arquivo;
        numeros = numerosDoPainel(antes.controles);
        painel = antes.controles.lista.itens;
    }
    ArquivosEmMemoria arquivos;
    QString arquivo;
    QList<int> numeros;
    QStringList painel;
};

QByteArray& registroDe(Interrompida& i) {
    return i.arquivos.conteudo[registro::caminhoDoRegistro(i.arquivo)];
}

// The record's last line, or all but it.
QByteArray ultimaLinha(const QByteArray& r) { return r.mid(r.lastIndexOf('\n', r.size() - 2) + 1); }
QByteArray semAUltimaLinha(const QByteArray& r) { return r.left(r.lastIndexOf('\n', r.size() - 2) + 1); }

QString pergunta(const Interrompida& i, int k) {
    return QStringLiteral("A série 4 foi interrompida com %1 números sorteados de 30.\n"
                          "Arquivo: %2\n\nDeseja continuar essa série?")
        .arg(k)
        .arg(i.arquivo);
}

} // namespace

TEST(Continuacao, SimRetomaASerieComoSeNuncaTivesseParado) {
    Interrompida i;
    Serie t(&i.arquivos, {platform::Dialogos::RespostaSim});

    ASSERT_EQ(t.dialogos.mensagens, QStringList{pergunta(i, 7)});
    EXPECT_EQ(t.dialogos.codigos[0], platform::Dialogos::SimNaoPergunta);
    const auto& c = t.controles;
    EXPECT_EQ(c.lista.itens, i.painel);
    EXPECT_EQ(c.lista.colunas, 11);
    EXPECT_EQ(c.lblN_.legenda, QStringLiteral("Números sorteados: 7"));
    EXPECT_EQ(c.txtX_.valor, QString::number(i.numeros.back()));
    EXPECT_EQ(c.txtPart_.valor, QStringLiteral("30"));
    EXPECT_EQ(c.lblSnum_.legenda, QStringLiteral("Sorteio Número: 4"));
    EXPECT_EQ(c.txtEnder_.valor, QStringLiteral("Gravando em: ") + i.arquivo);
    EXPECT_EQ(c.cmdX_.legenda, QStringLiteral("&Inserir mais participantes"));
    EXPECT_TRUE(c.cmdSorteio_.habilitado);
    for (const auto* timer : {&c.sorter_, &c.sorter2_, &c.sorter3_, &c.sorter4_, &c.Timer1_})
        EXPECT_TRUE(timer->habilitado);
    EXPECT_EQ(t.estado().nSorteados, 7);
    EXPECT_TRUE(i.arquivos.conteudo.contains(guardadoEm)) << "still on record";

    // The rest of the series goes into the same file, each number once; then it is complete.
    t.sortear(23);
    EXPECT_EQ(t.estado().Arquivo, i.arquivo);
    const QList<int> todos = numerosDoPainel(t.controles);
    EXPECT_EQ(i.arquivos.conteudo[i.arquivo], linhas(todos));
    EXPECT_EQ(QSet<int>(todos.begin(), todos.end()).size(), 30);
    t.sortear(1);
    EXPECT_EQ(c.txtBar_.valor, QStringLiteral("Todos os números já foram sorteados"));
    EXPECT_EQ(t.dialogos.mensagens.size(), 1);
}

TEST(Continuacao, UmaSerieCompletaVoltaSemNadaMaisASortear) {
    Interrompida i;
    {
        Serie resto(&i.arquivos, {platform::Dialogos::RespostaSim});
        resto.sortear(23);
    }
    Serie t(&i.arquivos, {platform::Dialogos::RespostaSim});
    EXPECT_EQ(t.controles.lista.itens.size(), 30);
    EXPECT_FALSE(t.controles.cmdSorteio_.habilitado);
    EXPECT_FALSE(t.controles.Timer1_.habilitado);
    EXPECT_TRUE(t.controles.sorter_.habilitado);
    EXPECT_EQ(t.controles.txtBar_.valor, QStringLiteral("Todos os números já foram sorteados"));
}

TEST(Continuacao, RespostaNaoDeixaOArquivoComoEstavaEComecaDoZero) {
    Interrompida i;
    const QByteArray antes = i.arquivos.conteudo[i.arquivo];
    Serie t(&i.arquivos, {platform::Dialogos::RespostaNao});
    EXPECT_EQ(t.dialogos.mensagens, QStringList{pergunta(i, 7)});
    EXPECT_FALSE(i.arquivos.conteudo.contains(guardadoEm));
    EXPECT_EQ(i.arquivos.conteudo[i.arquivo], antes);
    EXPECT_EQ(t.estado().nSerie, 1);
    EXPECT_EQ(t.estado().nParticipantes, 0);
    EXPECT_TRUE(t.controles.lista.itens.isEmpty());
    EXPECT_FALSE(t.controles.cmdSorteio_.habilitado);
}

TEST(Continuacao, OQueNaoPodeSerContinuadoEDitoEDescartadoSemTocarNoArquivo) {
    struct Caso {
        const char* nome;
        std::function<void(Interrompida&)> estragar;
        QString aviso; // the start of what the operator is told; empty: nothing
    };
    const QString semArquivo = QStringLiteral(
        "O arquivo de resultados da série interrompida não foi encontrado ou foi substituído:\n");
    const Caso casos[] = {
        {"file deleted", [](Interrompida& i) { i.arquivos.remover(i.arquivo); }, semArquivo},
        {"file replaced", [](Interrompida& i) { i.arquivos.trocar(i.arquivo, "1\r\n"); },
         semArquivo},
        {"line repeated",
         [](Interrompida& i) {
             i.arquivos.conteudo[i.arquivo] += QByteArray::number(i.numeros[0]) + "\r\n";
         },
         QStringLiteral("A série interrompida não pode ser continuada: a linha 8 do arquivo\n")},
        {"torn line", [](Interrompida& i) { i.arquivos.conteudo[i.arquivo] += "1"; },
         QStringLiteral("A série interrompida não pode ser continuada: a linha 8 do arquivo\n")},
        {"file emptied", [](Interrompida& i) { i.arquivos.conteudo[i.arquivo].clear(); },
         QStringLiteral("O arquivo de resultados da série interrompida está vazio:\n")},
        {"record unreadable", [](Interrompida& i) { i.arquivos.conteudo[guardadoEm] = "?"; },
         QStringLiteral("O registro da série interrompida não pôde ser lido:\n")},
        {"record deleted",
         [](Interrompida& i) { i.arquivos.remover(registro::caminhoDoRegistro(i.arquivo)); },
         QStringLiteral("O registro da série interrompida não foi encontrado ou foi substituído:\n")},
        {"record edited",
         [](Interrompida& i) { registroDe(i).replace("posicao=3\t", "posicao=4\t"); },
         QStringLiteral("O registro da série interrompida não confere na linha 4 (o código")},
        {"a number of the file not in the record",
         [](Interrompida& i) {
             QByteArray& r = i.arquivos.conteudo[i.arquivo];
             r = QByteArray::number(i.numeros[0] == 30 ? 29 : 30) + r.mid(r.indexOf('\r'));
         },
         QStringLiteral("O arquivo de resultados e o registro da série interrompida não conferem:\n")},
        {"ended, with its record saying so",
         [](Interrompida& i) {
             QByteArray& r = registroDe(i);
             const QByteArray texto = "encerrada\tdata=2026-07-07 14:05:09\tmotivo=fechamento";
             const QByteArray anterior = ultimaLinha(r).mid(ultimaLinha(r).indexOf("codigo=") + 7, 64);
             r += registro::linha(texto, registro::encadear(anterior, texto));
         },
         QString()},
        {"stopped before the first draw",
         [](Interrompida& i) {
             QByteArray& r = i.arquivos.conteudo[guardadoEm];
             r = r.left(r.indexOf("volume=")) + r.mid(r.indexOf("contagens="));
         },
         QString()},
    };
    for (const Caso& c : casos) {
        Interrompida i;
        c.estragar(i);
        const QMap<QString, QByteArray> antes = i.arquivos.conteudo;
        Serie t(&i.arquivos, {platform::Dialogos::RespostaSim});
        if (c.aviso.isEmpty()) {
            EXPECT_TRUE(t.dialogos.mensagens.isEmpty()) << c.nome;
        } else {
            ASSERT_EQ(t.dialogos.mensagens.size(), 1) << c.nome;
            EXPECT_TRUE(t.dialogos.mensagens[0].startsWith(c.aviso)) << c.nome;
            EXPECT_TRUE(t.dialogos.mensagens[0].endsWith(u"Uma nova série será iniciada.")) << c.nome;
        }
        EXPECT_FALSE(i.arquivos.conteudo.contains(guardadoEm)) << c.nome;
        EXPECT_EQ(i.arquivos.conteudo.value(i.arquivo), antes.value(i.arquivo)) << c.nome;
        EXPECT_EQ(registroDe(i), antes.value(registro::caminhoDoRegistro(i.arquivo))) << c.nome;
        EXPECT_EQ(t.estado().nSerie, 1) << c.nome;
        EXPECT_TRUE(t.controles.lista.itens.isEmpty()) << c.nome;
    }
}

// A count raised mid-series shows the entries drawn before it as they were drawn.
TEST(Continuacao, CadaEntradaVoltaComoSuaContagemAMostrava) {
    ArquivosEmMemoria disco;
    QStringList painel;
    {
        Serie antes(&disco);
        antes.comecar(50);
        antes.sortear(5);
        antes.motor.aplicarContagem(150);
        antes.sortear(2);
        antes.motor.aplicarContagem(160); // raised again, with no draw since
        painel = antes.controles.lista.itens;
    }
    Serie t(&disco, {platform::Dialogos::RespostaSim});
    EXPECT_EQ(t.controles.lista.itens, painel);
    EXPECT_EQ(t.controles.lista.itens[4].size(), 2);
    EXPECT_EQ(t.controles.lista.itens[5].size(), 3);
    EXPECT_EQ(t.controles.lista.colunas, 9);
    EXPECT_EQ(t.controles.txtPart_.valor, QStringLiteral("160"));
}

// A stop in the middle of a draw's writes: the results file got the number and the record not,
// or the record's line was cut short. The series goes on in the same record, which gets what it
// lacked and says so, and verifies whole again.
TEST(Continuacao, NoMesmoRegistroQueRecebeOQueLheFaltava) {
    struct Caso {
        const char* nome;
        std::function<void(Interrompida&)> parar;
        std::vector<registro::Tipo> fim; // the record's last entries once taken up
        const char* campo;               // one of those entries has this field
    };
    using T = registro::Tipo;
    const Caso casos[] = {
        {"stopped between draws", [](Interrompida&) {}, {T::Sorteio, T::Continuacao}, ""},
        {"the record lacks the last draw", [](Interrompida& i) { registroDe(i) = semAUltimaLinha(registroDe(i)); },
         {T::Sorteio, T::SorteioRecuperado, T::Continuacao}, ""},
        {"the record's last line cut", [](Interrompida& i) { registroDe(i) += "sorteio\tdata=2026-07"; },
         {T::Sorteio, T::Continuacao}, "linha-cortada"},
    };
    for (const Caso& c : casos) {
        Interrompida i;
        c.parar(i);
        Serie t(&i.arquivos, {platform::Dialogos::RespostaSim});
        ASSERT_EQ(t.dialogos.mensagens, QStringList{pergunta(i, 7)}) << c.nome;
        const registro::LeituraDoRegistro l = registro::lerRegistro(registroDe(i));
        ASSERT_TRUE(l.integro()) << c.nome << ": " << qPrintable(l.problema.detalhe);
        std::vector<T> fim;
        for (std::size_t k = l.entradas.size() - c.fim.size(); k < l.entradas.size(); ++k)
            fim.push_back(l.entradas[k].tipo);
        EXPECT_EQ(fim, c.fim) << c.nome;
        EXPECT_EQ(l.entradas.back().posicao, 8) << c.nome;
        EXPECT_EQ(l.entradas.back().campo(c.campo) != nullptr, *c.campo != 0) << c.nome;
        EXPECT_EQ(t.controles.lblCodigo_.legenda,
                  QStringLiteral("Código de verificação: ") + registro::codigoCurto(l.sorteios().back()->codigo));
        t.sortear(1);
        EXPECT_EQ(registro::verificarArquivo(i.arquivos, i.arquivo).resultado,
                  registro::Verificacao::Resultado::Intacta) << c.nome;
    }
}
