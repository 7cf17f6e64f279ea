// A draw that was shown is on disk, whatever moment the program dies at, and the series goes
// on where it stopped: the continuous draw program is killed with SIGKILL at random moments,
// again and again in the same folder, and restarted, when it continues the interrupted series.
// After every kill each results file must hold only whole lines of distinct numbers within
// 1..N, every number the program acknowledged in the order it did, and at most one line more
// (the append that was under way); a file only ever grows. Beside it, its record verifies up to
// its last whole entry, keeps every whole entry it had, and holds every acknowledged number. At
// the end every series but the one still running holds each of 1..N exactly once, in one file,
// and verifies intact against its record.
//
// RODALEQUE_QUEDAS sets the number of kills, spread over the counts below (default 250).
#include <registro/LeituraDoRegistro.h>
#include <registro/Verificacao.h>

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <random>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int quedasPadrao = 250;
constexpr int contagens[] = {2, 3, 10, 1000, 99999};

int quedasPorContagem() {
    const char* definido = std::getenv("RODALEQUE_QUEDAS");
    const int total = definido ? std::atoi(definido) : quedasPadrao;
    const int porContagem = static_cast<int>(std::size(contagens));
    return std::max(1, (total + porContagem - 1) / porContagem);
}

// One run of the program, from its start to the kill.
struct Execucao {
    // The acknowledged numbers in order, each with its file.
    std::vector<std::pair<QString, int32_t>> confirmados;
    bool morto = false; // ended by our SIGKILL, not by itself
    int estado = 0;
};

void dormirMicrossegundos(long us) {
    timespec t{us / 1000000, (us % 1000000) * 1000};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

// Reads the pipe to its end. Only whole lines count: a line cut off by the kill was not
// printed, so its number was never shown to anyone.
std::vector<std::pair<QString, int32_t>> lerConfirmados(int fd, QByteArray& lido) {
    char bloco[4096];
    ssize_t n;
    while ((n = read(fd, bloco, sizeof bloco)) != 0) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        lido.append(bloco, n);
    }
    std::vector<std::pair<QString, int32_t>> confirmados;
    const qsizetype fim = lido.lastIndexOf('\n');
    for (const QByteArray& linha : lido.left(fim < 0 ? 0 : fim).split('\n')) {
        const qsizetype tab = linha.indexOf('\t');
        if (tab > 0)
            confirmados.emplace_back(QFile::decodeName(linha.mid(tab + 1)),
                                     linha.left(tab).toInt());
    }
    return confirmados;
}

// Starts the program and kills it: either at a random moment of its start-up (where the
// first file of the series is claimed), or a random while after its first acknowledged draw.
Execucao executarEMatar(const QString& pasta, int32_t n, std::mt19937_64& acaso) {
    Execucao e;
    int tubo[2];
    if (pipe(tubo) != 0)
        return e;
    const QByteArray programa = QByteArrayLiteral(PROGRAMA_SORTEIO_CONTINUO);
    const QByteArray argPasta = QFile::encodeName(pasta);
    const QByteArray argN = QByteArray::number(n);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(tubo[1], STDOUT_FILENO);
        close(tubo[0]);
        close(tubo[1]);
        execl(programa.constData(), programa.constData(), argPasta.constData(), argN.constData(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[1]);
    QByteArray lido;
    if (std::bernoulli_distribution(0.15)(acaso)) {
        dormirMicrossegundos(std::uniform_int_distribution<long>(0, 15000)(acaso));
    } else {
        char c = 0;
        while (c != '\n' && read(tubo[0], &c, 1) == 1)
            lido.append(c);
        dormirMicrossegundos(std::uniform_int_distribution<long>(0, 40000)(acaso));
    }
    kill(pid, SIGKILL);
    e.confirmados = lerConfirmados(tubo[0], lido);
    close(tubo[0]);
    waitpid(pid, &e.estado, 0);
    e.morto = WIFSIGNALED(e.estado) && WTERMSIG(e.estado) == SIGKILL;
    return e;
}

// The numbers of a results file, or a failure for anything but whole lines of digits + CR LF.
testing::AssertionResult lerLinhas(const QByteArray& conteudo, std::vector<int32_t>& numeros) {
    qsizetype inicio = 0;
    while (inicio < conteudo.size()) {
        const qsizetype fim = conteudo.indexOf("\r\n", inicio);
        if (fim < 0)
            return testing::AssertionFailure() << "incomplete last line at byte " << inicio;
        const QByteArray linha = conteudo.mid(inicio, fim - inicio);
        bool ok = false;
        const int32_t v = linha.toInt(&ok);
        if (!ok || QByteArray::number(v) != linha)
            return testing::AssertionFailure()
                   << "line \"" << linha.toStdString() << "\" is not a number's digits";
        numeros.push_back(v);
        inicio = fim + 2;
    }
    return testing::AssertionSuccess();
}

// What the folder held after the previous kills, and the checks after each new one.
class Conferencia {
public:
    explicit Conferencia(int32_t n) : n_(n) {}

    void conferir(const QString& pasta, const Execucao& e) {
        std::map<QString, std::vector<int32_t>> confirmadosPorArquivo;
        for (const auto& [arquivo, numero] : e.confirmados)
            confirmadosPorArquivo[arquivo].push_back(numero);
        const QStringList nomes = QDir(pasta).entryList(QDir::Files | QDir::Hidden | QDir::System);
        QSet<QString> presentes;
        int linhasAMais = 0;
        for (const QString& nome : nomes) {
            if (nome.endsWith(QStringLiteral("-registro.txt")))
                continue; // checked with its results file
            const QString caminho = pasta + u'/' + nome;
            presentes.insert(caminho);
            QFile f(caminho);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(caminho);
            const QByteArray conteudo = f.readAll();
            Arquivo& antes = arquivos_[caminho];
            ASSERT_TRUE(conteudo.startsWith(antes.conteudo))
                << "a file lost or changed what it held: " << qPrintable(nome);
            std::vector<int32_t> numeros;
            ASSERT_TRUE(lerLinhas(conteudo, numeros)) << qPrintable(nome);
            QSet<int32_t> vistos;
            for (int32_t v : numeros) {
                EXPECT_TRUE(v >= 1 && v <= n_)
                    << v << " outside 1.." << n_ << " in " << qPrintable(nome);
                EXPECT_FALSE(vistos.contains(v)) << v << " twice in " << qPrintable(nome);
                vistos.insert(v);
            }
            // What this run added must begin with what it acknowledged.
            const std::vector<int32_t> novos(numeros.begin() + antes.linhas, numeros.end());
            const std::vector<int32_t>& confirmados = confirmadosPorArquivo[caminho];
            ASSERT_GE(novos.size(), confirmados.size())
                << "acknowledged numbers missing from " << qPrintable(nome);
            EXPECT_TRUE(std::equal(confirmados.begin(), confirmados.end(), novos.begin()))
                << "the file does not go on with the acknowledged numbers: " << qPrintable(nome);
            linhasAMais += static_cast<int>(novos.size() - confirmados.size());
            linhas_ += static_cast<int64_t>(novos.size());
            antes.conteudo = conteudo;
            antes.linhas = numeros.size();
            antes.confirmados += confirmados.size();
            conferirRegistro(caminho, numeros, antes.confirmados);
        }
        for (const auto& [arquivo, numeros] : confirmadosPorArquivo)
            EXPECT_TRUE(presentes.contains(arquivo))
                << "acknowledged file missing: " << qPrintable(arquivo);
        for (const auto& [arquivo, dados] : arquivos_)
            EXPECT_TRUE(presentes.contains(arquivo))
                << "an earlier file vanished: " << qPrintable(arquivo);
        EXPECT_LE(linhasAMais, 1) << "more than the append under way is unacknowledged";
        if (linhasAMais > 0)
            ++quedasComLinhaAMais_;
    }

    // The record beside a results file: whole entries that chain and follow each other, but for
    // a last line cut short by the kill; none lost since the last look; the same draws as the
    // file, in order, every acknowledged one among them.
    void conferirRegistro(const QString& resultados, const std::vector<int32_t>& numeros,
                          std::size_t confirmados) {
        const QString caminho = rodaleque::registro::caminhoDoRegistro(resultados);
        QFile f(caminho);
        if (!f.open(QIODevice::ReadOnly)) {
            EXPECT_EQ(confirmados, 0u) << "acknowledged numbers and no record: " << qPrintable(caminho);
            return;
        }
        const QByteArray conteudo = f.readAll();
        QByteArray& antes = registros_[caminho];
        EXPECT_TRUE(conteudo.startsWith(antes)) << "a whole entry was lost: " << qPrintable(caminho);
        const rodaleque::registro::LeituraDoRegistro l = rodaleque::registro::lerRegistro(conteudo);
        // A kill between the claim of a record and its first write leaves it empty: its first
        // line cut before it began.
        using Tipo = rodaleque::registro::Problema::Tipo;
        const bool cortada = l.problema.tipo == Tipo::LinhaCortada || l.problema.tipo == Tipo::Vazio;
        EXPECT_TRUE(l.integro() || cortada) << "line " << l.problema.linha << ": "
                                            << qPrintable(l.problema.detalhe) << " in " << qPrintable(caminho);
        registrosCortados_ += cortada ? 1 : 0;
        const auto sorteios = l.sorteios();
        EXPECT_GE(sorteios.size(), confirmados) << "acknowledged numbers missing from " << qPrintable(caminho);
        ASSERT_LE(sorteios.size(), numeros.size()) << "the record is ahead of its file: " << qPrintable(caminho);
        for (std::size_t i = 0; i < sorteios.size(); ++i)
            EXPECT_EQ(sorteios[i]->numero, numeros[i]) << "draw " << i + 1 << " of " << qPrintable(caminho);
        antes = conteudo.left(l.bytesBons);
    }

    // Every series is whole but the one still running, which the program's record names; and
    // those whose program died while claiming their file, before keeping it on record, with at
    // most their one unacknowledged line: no start can tell such a file from another
    // program's, so none continues it.
    void conferirSeriesCompletas(const QString& registro) {
        QFile f(registro);
        QString emAndamento;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& linha : f.readAll().split('\n'))
                if (linha.startsWith("arquivo="))
                    emAndamento = QString::fromUtf8(QByteArray::fromPercentEncoding(linha.mid(8)));
        for (const auto& [arquivo, dados] : arquivos_) {
            if (arquivo == emAndamento)
                continue;
            if (dados.linhas == static_cast<std::size_t>(n_)) {
                QFile registro(rodaleque::registro::caminhoDoRegistro(arquivo));
                const QByteArray doRegistro = registro.open(QIODevice::ReadOnly) ? registro.readAll() : QByteArray();
                const auto v = rodaleque::registro::verificar(
                    dados.conteudo, doRegistro, rodaleque::registro::nomeDoArquivo(arquivo));
                EXPECT_EQ(v.resultado, rodaleque::registro::Verificacao::Resultado::Intacta)
                    << qPrintable(arquivo) << ": " << qPrintable(rodaleque::registro::relatorio(v));
                continue;
            }
            EXPECT_TRUE(dados.linhas <= 1 && dados.confirmados == 0)
                << "an unfinished series was left behind: " << qPrintable(arquivo) << " holds "
                << dados.linhas << " of " << n_;
            ++orfaos_;
        }
    }

    std::size_t arquivos() const { return arquivos_.size(); }
    int64_t linhas() const { return linhas_; }
    int quedasComLinhaAMais() const { return quedasComLinhaAMais_; }
    int orfaos() const { return orfaos_; }
    int registrosCortados() const { return registrosCortados_; }

private:
    struct Arquivo {
        QByteArray conteudo;
        std::size_t linhas = 0;
        std::size_t confirmados = 0; // over every run
    };

    int32_t n_;
    std::map<QString, Arquivo> arquivos_;
    std::map<QString, QByteArray> registros_; // each record's whole entries at the last look
    int registrosCortados_ = 0;
    int64_t linhas_ = 0;
    int quedasComLinhaAMais_ = 0;
    int orfaos_ = 0;
};

class Interrupcao : public testing::TestWithParam<int32_t> {};

} // namespace

TEST_P(Interrupcao, NadaDoQueFoiMostradoSePerdeNumaQueda) {
    const int32_t n = GetParam();
    const int quedas = quedasPorContagem();
    const uint64_t semente = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "N = " << n << ", seed " << semente);
    std::mt19937_64 acaso(semente);
    const QString pasta =
        QDir::temp().filePath(QStringLiteral("rodaleque-queda-%1-%2").arg(n).arg(getpid()));
    QDir(pasta).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(pasta));

    Conferencia conferencia(n);
    int64_t confirmados = 0;
    QElapsedTimer cronometro;
    cronometro.start();
    int feitas = 0;
    while (feitas < quedas && !HasFatalFailure()) {
        const Execucao e = executarEMatar(pasta, n, acaso);
        ++feitas;
        ASSERT_TRUE(e.morto) << "the program ended by itself, status " << e.estado << ", at run "
                             << feitas;
        conferencia.conferir(pasta, e);
        confirmados += static_cast<int64_t>(e.confirmados.size());
    }
    conferencia.conferirSeriesCompletas(pasta + QStringLiteral("/dados/serie-em-andamento.txt"));
    std::printf("N = %d: %d kills in %.1f s; %lld numbers acknowledged, %lld lines in %zu files; "
                "%d kills left one unacknowledged line; %d files claimed but not yet on record; "
                "%d looks found a record's last line cut\n",
                n, feitas, cronometro.elapsed() / 1000.0, static_cast<long long>(confirmados),
                static_cast<long long>(conferencia.linhas()), conferencia.arquivos(),
                conferencia.quedasComLinhaAMais(), conferencia.orfaos(),
                conferencia.registrosCortados());
    EXPECT_GT(confirmados, 0);
    if (!HasFailure())
        QDir(pasta).removeRecursively();
}

INSTANTIATE_TEST_SUITE_P(Contagens, Interrupcao, testing::ValuesIn(contagens));
