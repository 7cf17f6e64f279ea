// The files on this platform's real file system: what a series writes must be on disk exactly,
// a claim must be exclusive, an append must reach the claimed file or nothing at all, a
// replacement must leave the old content or the new one whole, and a failure must leave
// everything as it was.
#include "platform/Arquivos.h"

#include "Conteudo.h"
#include "DiscoPequeno.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

using rodaleque::platform::ArquivosDoSistema;
using rodaleque::platform::Identidade;
using Acrescimo = rodaleque::platform::Arquivos::Acrescimo;
using Criacao = rodaleque::platform::Arquivos::Criacao;

namespace {

// The names in a folder, hidden ones too: a temporary file left behind shows here.
QStringList nomesEm(const QString& pasta) {
    return QDir(pasta).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Everything under a folder, each file with its bytes: what a call that should write nothing
// must leave exactly as it was.
QMap<QString, QByteArray> retrato(const QString& pasta) {
    QMap<QString, QByteArray> tudo;
    QDirIterator it(pasta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString caminho = it.next();
        tudo.insert(caminho, it.fileInfo().isDir() ? QByteArrayLiteral("<pasta>") : ler(caminho));
    }
    return tudo;
}

// Bytes of every value, NULs and line ends among them, in a length no buffer is likely to have.
QByteArray bytesVariados(qsizetype tamanho) {
    QByteArray bytes(tamanho, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

class ArquivosReais : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(raiz_.isValid()); }
    QString raiz() const { return raiz_.path(); }
    QString em(const QString& nome) const { return raiz_.filePath(nome); }
    bool criarPasta(const QString& nome) const { return QDir(raiz_.path()).mkpath(nome); }
    bool reivindicar(const QString& caminho, const QByteArray& bytes, Identidade& criado) {
        return arquivos_.criarDuravel(caminho, bytes, criado) == Criacao::Gravado;
    }

    ArquivosDoSistema arquivos_;

private:
    QTemporaryDir raiz_;
};

// --- whether a name is taken, and the claim of a new file ---------------------------------

TEST_F(ArquivosReais, NameIsTakenByAFileOrAFolder) {
    EXPECT_FALSE(arquivos_.nomeOcupado(em(QStringLiteral("livre.txt"))));
    ASSERT_TRUE(gravar(em(QStringLiteral("arquivo.txt")), "x"));
    EXPECT_TRUE(arquivos_.nomeOcupado(em(QStringLiteral("arquivo.txt"))));
    ASSERT_TRUE(criarPasta(QStringLiteral("pasta.txt")));
    EXPECT_TRUE(arquivos_.nomeOcupado(em(QStringLiteral("pasta.txt"))));
    EXPECT_FALSE(arquivos_.nomeOcupado(em(QStringLiteral("sem-pasta/a.txt"))));
}

TEST_F(ArquivosReais, ClaimMakesTheFileOnlyWhereNothingStands) {
    const QString livre = em(QStringLiteral("sn.1.txt"));
    Identidade criado;
    EXPECT_EQ(arquivos_.criarDuravel(livre, "7\r\n", criado), Criacao::Gravado);
    EXPECT_EQ(ler(livre), QByteArrayLiteral("7\r\n"));

    // A second claim of the same name writes nothing into the first one's file.
    EXPECT_EQ(arquivos_.criarDuravel(livre, "9\r\n", criado), Criacao::NomeOcupado);
    EXPECT_EQ(ler(livre), QByteArrayLiteral("7\r\n"));

    ASSERT_TRUE(criarPasta(QStringLiteral("sn.2.txt")));
    EXPECT_EQ(arquivos_.criarDuravel(em(QStringLiteral("sn.2.txt")), "7\r\n", criado),
              Criacao::NomeOcupado);
    EXPECT_TRUE(QDir(em(QStringLiteral("sn.2.txt"))).isEmpty());

    EXPECT_EQ(arquivos_.criarDuravel(em(QStringLiteral("sem-pasta/sn.3.txt")), "7\r\n", criado),
              Criacao::Falhou);
    EXPECT_FALSE(QFileInfo::exists(em(QStringLiteral("sem-pasta"))));
}

TEST_F(ArquivosReais, OfClaimsMadeAtTheSameMomentExactlyOneWins) {
    // Copies of the program that set up a series in the same second race for one name.
    constexpr int copias = 6;
    for (int rodada = 0; rodada < 20; ++rodada) {
        const QString nome = em(QStringLiteral("sn.%1.txt").arg(rodada));
        std::atomic<int> prontas{0};
        std::vector<Criacao> resultados(copias, Criacao::Falhou);
        std::vector<Identidade> identidades(copias);
        std::vector<std::thread> copiasRodando;
        for (int c = 0; c < copias; ++c) {
            copiasRodando.emplace_back([&, c] {
                ArquivosDoSistema arquivos;
                ++prontas;
                while (prontas.load() < copias) {
                }
                resultados[c] =
                    arquivos.criarDuravel(nome, QByteArray::number(c) + "\r\n", identidades[c]);
            });
        }
        for (std::thread& t : copiasRodando)
            t.join();

        int vencedora = -1, ocupados = 0;
        for (int c = 0; c < copias; ++c) {
            if (resultados[c] == Criacao::Gravado) {
                EXPECT_EQ(vencedora, -1) << "two claims of " << nome.toStdString() << " won";
                vencedora = c;
            } else if (resultados[c] == Criacao::NomeOcupado) {
                ++ocupados;
            }
        }
        ASSERT_NE(vencedora, -1) << "no claim of " << nome.toStdString() << " won";
        EXPECT_EQ(ocupados, copias - 1);
        EXPECT_EQ(ler(nome), QByteArray::number(vencedora) + "\r\n");
        EXPECT_EQ(arquivos_.identidade(nome), identidades[vencedora]);
    }
}

// --- identity: the file, whatever its name ------------------------------------------------

TEST_F(ArquivosReais, IdentityIsTheClaimedFilesUnderAnyNameAndNoOtherOnes) {
    const QString primeiro = em(QStringLiteral("sn.1.txt"));
    Identidade criado;
    ASSERT_TRUE(reivindicar(primeiro, "7\r\n", criado));
    EXPECT_EQ(arquivos_.identidade(primeiro), criado);

    // Renamed, it is still the same file, and the old name holds nothing.
    const QString renomeado = em(QStringLiteral("renomeado.txt"));
    ASSERT_TRUE(QFile::rename(primeiro, renomeado));
    EXPECT_EQ(arquivos_.identidade(renomeado), criado);
    EXPECT_EQ(arquivos_.identidade(primeiro), std::nullopt);

    // Another file is another, even with the same bytes, claimed or not.
    Identidade outroCriado;
    ASSERT_TRUE(reivindicar(primeiro, "7\r\n", outroCriado));
    EXPECT_NE(outroCriado, criado);
    ASSERT_TRUE(gravar(em(QStringLiteral("copia.txt")), "7\r\n"));
    const std::optional<Identidade> copia = arquivos_.identidade(em(QStringLiteral("copia.txt")));
    ASSERT_TRUE(copia.has_value());
    EXPECT_NE(*copia, criado);
    EXPECT_NE(*copia, outroCriado);

    ASSERT_TRUE(criarPasta(QStringLiteral("pasta")));
    EXPECT_EQ(arquivos_.identidade(em(QStringLiteral("pasta"))), std::nullopt);
    EXPECT_EQ(arquivos_.identidade(em(QStringLiteral("sem-pasta/sn.1.txt"))), std::nullopt);
}

// --- appending to the claimed file ----------------------------------------------------------

TEST_F(ArquivosReais, AppendsKeepExactlyTheBytesGiven) {
    const QString resultados = em(QStringLiteral("sn.1[2-3]4h5min6.txt"));
    Identidade criado;
    ASSERT_TRUE(reivindicar(resultados, "7\r\n", criado));

    EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "120\r\n"), Acrescimo::Gravado);
    EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "3\r\n"), Acrescimo::Gravado);

    EXPECT_EQ(ler(resultados), QByteArray::fromHex("370d0a3132300d0a330d0a"));
}

TEST_F(ArquivosReais, AFileOfAnotherLengthThanLeftIsAnotherFile) {
    // As an editor that saves over the same file leaves it: the length tells, nothing is added.
    const QString resultados = em(QStringLiteral("sn.1[2-3]4h5min6.txt"));
    Identidade criado;
    ASSERT_TRUE(reivindicar(resultados, "7\r\n", criado));
    EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "120\r\n", 3), Acrescimo::Gravado);
    EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "3\r\n", 3), Acrescimo::Trocado);
    EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "3\r\n", 9), Acrescimo::Trocado);
    EXPECT_EQ(ler(resultados), QByteArrayLiteral("7\r\n120\r\n"));
}

TEST_F(ArquivosReais, LargeAppendWithZeroBytesArrivesWhole) {
    // Several megabytes with NULs in them: one short write or a strlen would both show here.
    const QByteArray grande = bytesVariados(3 * 1024 * 1024 + 17);
    const QString resultados = em(QStringLiteral("grande.bin"));
    Identidade criado;
    ASSERT_TRUE(reivindicar(resultados, "7\r\n", criado));

    ASSERT_EQ(arquivos_.acrescentarDuravel(resultados, criado, grande), Acrescimo::Gravado);

    EXPECT_EQ(ler(resultados), QByteArrayLiteral("7\r\n") + grande);
}

TEST_F(ArquivosReais, AppendReachesTheClaimedFileWhateverIsRenamedAroundIt) {
    // Someone tidies the folder during the series: other files go, come and change names, and
    // the series' own file is moved away and put back.
    ASSERT_TRUE(criarPasta(QStringLiteral("resultados")));
    const QString pasta = em(QStringLiteral("resultados"));
    const QString resultados = pasta + QStringLiteral("/sn.2.txt");
    Identidade criado;
    ASSERT_TRUE(reivindicar(resultados, "7\r\n", criado));
    ASSERT_TRUE(gravar(pasta + QStringLiteral("/sn.1.txt"), "5\r\n"));
    ASSERT_TRUE(
        QFile::rename(pasta + QStringLiteral("/sn.1.txt"), pasta + QStringLiteral("/a.txt")));
    ASSERT_TRUE(gravar(pasta + QStringLiteral("/b.txt"), "b"));
    ASSERT_TRUE(QFile::rename(pasta + QStringLiteral("/b.txt"), em(QStringLiteral("b.txt"))));
    ASSERT_TRUE(QFile::rename(resultados, em(QStringLiteral("guardado.txt"))));
    ASSERT_TRUE(QFile::rename(em(QStringLiteral("guardado.txt")), resultados));

    EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "120\r\n"), Acrescimo::Gravado);

    EXPECT_EQ(ler(resultados), QByteArrayLiteral("7\r\n120\r\n"));
    EXPECT_EQ(ler(pasta + QStringLiteral("/a.txt")), QByteArrayLiteral("5\r\n"));
}

// What can become of a results file between two draws of its series, done from outside.
struct Troca {
    const char* oQue;
    std::function<bool(const QString& pasta, const QString& arquivo)> fazer;
};

TEST_F(ArquivosReais, AppendWhereTheClaimedFileNoLongerStandsWritesNothingAnywhere) {
    const QByteArray alheio = QByteArrayLiteral("de outra pessoa");
    const std::vector<Troca> trocas{
        {"the file removed", [](const QString&, const QString& a) { return QFile::remove(a); }},
        // Made before the old one goes, so that it cannot be given the old one's number.
        {"the file replaced by another of the same name",
         [&](const QString& p, const QString& a) {
             return gravar(p + QStringLiteral("/outro"), alheio) && QFile::remove(a) &&
                    QFile::rename(p + QStringLiteral("/outro"), a);
         }},
        {"a folder at the file's name",
         [](const QString&, const QString& a) {
             return QFile::remove(a) && QDir().mkdir(a) &&
                    gravar(a + QStringLiteral("/dentro"), "conteudo");
         }},
        {"its folder renamed away",
         [](const QString& p, const QString&) {
             return QDir().rename(p, p + QStringLiteral("-antiga"));
         }},
        {"its folder replaced by another with a file of the same name",
         [&](const QString& p, const QString& a) {
             return QDir().rename(p, p + QStringLiteral("-antiga")) && QDir().mkdir(p) &&
                    gravar(a, alheio);
         }},
    };

    for (std::size_t i = 0; i < trocas.size(); ++i) {
        SCOPED_TRACE(trocas[i].oQue);
        const QString nome = QStringLiteral("serie%1").arg(i);
        ASSERT_TRUE(criarPasta(nome));
        const QString pasta = em(nome);
        const QString resultados = pasta + QStringLiteral("/sn.1.txt");
        Identidade criado;
        ASSERT_TRUE(reivindicar(resultados, "7\r\n", criado));
        ASSERT_TRUE(trocas[i].fazer(pasta, resultados));
        const QMap<QString, QByteArray> antes = retrato(raiz());

        EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "120\r\n"), Acrescimo::Trocado);

        // Neither the claimed file, wherever it went, nor what stands at its name was touched,
        // and nothing was made.
        EXPECT_EQ(retrato(raiz()), antes);
    }
}

// --- reading a whole file -----------------------------------------------------------------

TEST_F(ArquivosReais, ReadGivesTheWholeFileExactlyAndNothingWhereThereIsNoFile) {
    const QByteArray bytes = bytesVariados(300 * 1024 + 3);
    ASSERT_TRUE(gravar(em(QStringLiteral("registro")), bytes));
    EXPECT_EQ(arquivos_.ler(em(QStringLiteral("registro"))), bytes);

    // An empty file is read as empty, not as missing.
    ASSERT_TRUE(gravar(em(QStringLiteral("vazio")), QByteArray()));
    EXPECT_EQ(arquivos_.ler(em(QStringLiteral("vazio"))), QByteArray());

    EXPECT_EQ(arquivos_.ler(em(QStringLiteral("nenhum"))), std::nullopt);
    EXPECT_EQ(arquivos_.ler(em(QStringLiteral("sem-pasta/registro"))), std::nullopt);
    ASSERT_TRUE(criarPasta(QStringLiteral("pasta")));
    EXPECT_EQ(arquivos_.ler(em(QStringLiteral("pasta"))), std::nullopt);
}

// --- replacing a file whole -----------------------------------------------------------------

TEST_F(ArquivosReais, ReplaceMakesTheMissingFoldersAndLeavesOnlyTheFileThere) {
    const QString pasta = em(QStringLiteral("dados/rodaleque"));
    const QString registro = pasta + QStringLiteral("/serie");
    const QByteArray bytes = bytesVariados(70 * 1024 + 1);

    ASSERT_TRUE(arquivos_.substituirDuravel(registro, bytes));

    EXPECT_EQ(ler(registro), bytes);
    EXPECT_EQ(nomesEm(pasta), QStringList{QStringLiteral("serie")});
}

TEST_F(ArquivosReais, ReplaceLeavesExactlyTheNewBytesWhateverWasThere) {
    const QString registro = em(QStringLiteral("serie"));
    ASSERT_TRUE(gravar(registro, QByteArray(4096, 'a')));

    // Shorter, longer, and nothing at all: no tail of the old content may remain.
    for (const QByteArray& novo :
         {QByteArrayLiteral("curto"), QByteArray(5000, 'b'), QByteArray()}) {
        ASSERT_TRUE(arquivos_.substituirDuravel(registro, novo));
        EXPECT_EQ(ler(registro), novo);
    }
    EXPECT_EQ(nomesEm(raiz()), QStringList{QStringLiteral("serie")});
}

TEST_F(ArquivosReais, ReplaceThatCannotBeDoneChangesNothingAndLeavesNothingBehind) {
    // A folder at the name, and a file where a folder on the way should be.
    ASSERT_TRUE(criarPasta(QStringLiteral("serie")));
    ASSERT_TRUE(gravar(em(QStringLiteral("serie/dentro")), "conteudo"));
    ASSERT_TRUE(gravar(em(QStringLiteral("arquivo")), "conteudo"));
    const QMap<QString, QByteArray> antes = retrato(raiz());

    EXPECT_FALSE(arquivos_.substituirDuravel(em(QStringLiteral("serie")), "novo"));
    EXPECT_FALSE(arquivos_.substituirDuravel(em(QStringLiteral("arquivo/serie")), "novo"));

    EXPECT_EQ(retrato(raiz()), antes);
}

// --- removing a file ------------------------------------------------------------------------

TEST_F(ArquivosReais, RemoveLeavesNothingAtTheNameAndAFolderIsNotRemoved) {
    const QString registro = em(QStringLiteral("serie"));
    ASSERT_TRUE(gravar(registro, "n=7"));
    EXPECT_TRUE(arquivos_.remover(registro));
    EXPECT_FALSE(QFileInfo::exists(registro));

    // Nothing there is what was asked for.
    EXPECT_TRUE(arquivos_.remover(registro));
    EXPECT_TRUE(arquivos_.remover(em(QStringLiteral("sem-pasta/serie"))));

    ASSERT_TRUE(criarPasta(QStringLiteral("pasta")));
    EXPECT_FALSE(arquivos_.remover(em(QStringLiteral("pasta"))));
    EXPECT_TRUE(QFileInfo(em(QStringLiteral("pasta"))).isDir());
}

// --- a full disk ----------------------------------------------------------------------------

// Takes every free block, so that a write can only grow within a file's last partial block.
bool encher(const QString& pasta) {
    QFile enchimento(pasta + QStringLiteral("/enchimento"));
    if (!enchimento.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bloco(1024, 'x');
    while (enchimento.write(bloco) == bloco.size()) {
    }
    return true;
}

// More than fits on the small disk, but part of it lands before it runs out.
QByteArray linhasDemais() {
    QByteArray linhas;
    while (linhas.size() < 12 * 1024)
        linhas += QByteArrayLiteral("123456789\r\n");
    return linhas;
}

TEST(DiscoCheio, AppendThatDoesNotFitRollsBackAndAClaimThatDoesNotFitLeavesNoFile) {
    DiscoPequeno disco;
    if (disco.pasta().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    ArquivosDoSistema arquivos;
    const QString resultados = disco.pasta() + QStringLiteral("/sn.1.txt");
    const QByteArray antes = QByteArrayLiteral("7\r\n120\r\n");
    Identidade criado;
    ASSERT_EQ(arquivos.criarDuravel(resultados, antes, criado), Criacao::Gravado);
    ASSERT_TRUE(encher(disco.pasta()));

    EXPECT_EQ(arquivos.acrescentarDuravel(resultados, criado, linhasDemais()), Acrescimo::Falhou);
    EXPECT_EQ(ler(resultados), antes);

    // The first line of a new series that does not fit leaves no file behind.
    const QString novo = disco.pasta() + QStringLiteral("/sn.2.txt");
    EXPECT_EQ(arquivos.criarDuravel(novo, linhasDemais(), criado), Criacao::Falhou);
    EXPECT_FALSE(QFileInfo::exists(novo));
}

TEST(DiscoCheio, ReplaceThatDoesNotFitKeepsTheOldContentWholeAndLeavesNothingBehind) {
    DiscoPequeno disco;
    if (disco.pasta().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    ArquivosDoSistema arquivos;
    const QString registro = disco.pasta() + QStringLiteral("/serie");
    const QByteArray antes = QByteArrayLiteral("n=99999\r\nsorteados=7\r\n");
    ASSERT_TRUE(arquivos.substituirDuravel(registro, antes));
    ASSERT_TRUE(encher(disco.pasta()));

    EXPECT_FALSE(arquivos.substituirDuravel(registro, linhasDemais()));

    EXPECT_EQ(ler(registro), antes);
    EXPECT_EQ(nomesEm(disco.pasta()),
              (QStringList{QStringLiteral("enchimento"), QStringLiteral("serie")}));
}

} // namespace
