// The results file on this platform's real file system: what a series writes must be on disk
// exactly, a claim must be exclusive, and a failure must leave the file as it was.
#include "platform/Arquivos.h"

#include "Conteudo.h"
#include "DiscoPequeno.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using rodaleque::platform::ArquivosDoSistema;
using Criacao = rodaleque::platform::Arquivos::Criacao;

namespace {

class ArquivosReais : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(raiz_.isValid()); }
    QString em(const QString& nome) const { return raiz_.filePath(nome); }
    bool criarPasta(const QString& nome) const { return QDir(raiz_.path()).mkdir(nome); }

    ArquivosDoSistema arquivos_;

private:
    QTemporaryDir raiz_;
};

// --- appending ----------------------------------------------------------------------------

TEST_F(ArquivosReais, AppendsCreateTheFileAndKeepExactlyTheBytesGiven) {
    const QString resultados = em(QStringLiteral("sn.1[2-3]4h5min6.txt"));
    ASSERT_FALSE(QFileInfo::exists(resultados));

    EXPECT_TRUE(arquivos_.acrescentarDuravel(resultados, QByteArrayLiteral("7\r\n")));
    EXPECT_TRUE(arquivos_.acrescentarDuravel(resultados, QByteArrayLiteral("120\r\n")));
    EXPECT_TRUE(arquivos_.acrescentarDuravel(resultados, QByteArrayLiteral("3\r\n")));

    EXPECT_EQ(ler(resultados), QByteArray::fromHex("370d0a3132300d0a330d0a"));
}

TEST_F(ArquivosReais, AppendKeepsWhatWasAlreadyInTheFile) {
    const QString resultados = em(QStringLiteral("antigo.txt"));
    ASSERT_TRUE(gravar(resultados, QByteArrayLiteral("antes\r\n")));

    EXPECT_TRUE(arquivos_.acrescentarDuravel(resultados, QByteArrayLiteral("42\r\n")));

    EXPECT_EQ(ler(resultados), QByteArrayLiteral("antes\r\n42\r\n"));
}

TEST_F(ArquivosReais, LargeAppendWithZeroBytesArrivesWhole) {
    // Several megabytes with NULs in them: one short write or a strlen would both show here.
    QByteArray grande(3 * 1024 * 1024 + 17, '\0');
    for (qsizetype i = 0; i < grande.size(); ++i)
        grande[i] = static_cast<char>(i % 251);
    const QString resultados = em(QStringLiteral("grande.bin"));

    ASSERT_TRUE(arquivos_.acrescentarDuravel(resultados, grande));

    EXPECT_EQ(ler(resultados), grande);
}

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
    EXPECT_EQ(arquivos_.criarDuravel(livre, "7\r\n"), Criacao::Gravado);
    EXPECT_EQ(ler(livre), QByteArrayLiteral("7\r\n"));

    // A second claim of the same name writes nothing into the first one's file.
    EXPECT_EQ(arquivos_.criarDuravel(livre, "9\r\n"), Criacao::NomeOcupado);
    EXPECT_EQ(ler(livre), QByteArrayLiteral("7\r\n"));

    ASSERT_TRUE(criarPasta(QStringLiteral("sn.2.txt")));
    EXPECT_EQ(arquivos_.criarDuravel(em(QStringLiteral("sn.2.txt")), "7\r\n"), Criacao::NomeOcupado);
    EXPECT_TRUE(QDir(em(QStringLiteral("sn.2.txt"))).isEmpty());

    EXPECT_EQ(arquivos_.criarDuravel(em(QStringLiteral("sem-pasta/sn.3.txt")), "7\r\n"),
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
        std::vector<std::thread> copiasRodando;
        for (int c = 0; c < copias; ++c) {
            copiasRodando.emplace_back([&, c] {
                ArquivosDoSistema arquivos;
                ++prontas;
                while (prontas.load() < copias) {
                }
                resultados[c] = arquivos.criarDuravel(nome, QByteArray::number(c) + "\r\n");
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
    }
}

// --- failures leave everything as it was ------------------------------------------------

TEST_F(ArquivosReais, NameTakenByAFolderFailsAndLeavesTheFolderAlone) {
    const QString pasta = em(QStringLiteral("sn.1.txt"));
    ASSERT_TRUE(criarPasta(QStringLiteral("sn.1.txt")));
    ASSERT_TRUE(gravar(pasta + QStringLiteral("/dentro"), "conteudo"));

    EXPECT_FALSE(arquivos_.acrescentarDuravel(pasta, QByteArrayLiteral("7\r\n")));

    EXPECT_TRUE(QFileInfo(pasta).isDir());
    EXPECT_EQ(QDir(pasta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("dentro")});
    EXPECT_EQ(ler(pasta + QStringLiteral("/dentro")), QByteArrayLiteral("conteudo"));
}

TEST_F(ArquivosReais, MissingFolderFailsWithoutCreatingAnything) {
    EXPECT_FALSE(arquivos_.acrescentarDuravel(em(QStringLiteral("sem-pasta/a.txt")), "1\r\n"));
    EXPECT_FALSE(QFileInfo::exists(em(QStringLiteral("sem-pasta"))));
}

TEST(DiscoCheio, AppendThatDoesNotFitRollsBackAndANewFileIsRemoved) {
    DiscoPequeno disco;
    if (disco.pasta().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    ArquivosDoSistema arquivos;
    const QString resultados = disco.pasta() + QStringLiteral("/sn.1.txt");
    const QByteArray antes = QByteArrayLiteral("7\r\n120\r\n");
    ASSERT_TRUE(arquivos.acrescentarDuravel(resultados, antes));

    // Fill every free block, so the next append can only grow within its last partial block.
    {
        QFile enchimento(disco.pasta() + QStringLiteral("/enchimento"));
        ASSERT_TRUE(enchimento.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray bloco(1024, 'x');
        while (enchimento.write(bloco) == bloco.size()) {
        }
    }

    // More than fits: part of it lands in the file's last block before the disk runs out.
    QByteArray linhas;
    while (linhas.size() < 12 * 1024)
        linhas += QByteArrayLiteral("123456789\r\n");
    EXPECT_FALSE(arquivos.acrescentarDuravel(resultados, linhas));
    EXPECT_EQ(ler(resultados), antes);

    // The first line of a new series that does not fit leaves no file behind.
    const QString novo = disco.pasta() + QStringLiteral("/sn.2.txt");
    EXPECT_FALSE(arquivos.acrescentarDuravel(novo, linhas));
    EXPECT_EQ(arquivos.criarDuravel(novo, linhas), Criacao::Falhou);
    EXPECT_FALSE(QFileInfo::exists(novo));
}

} // namespace
