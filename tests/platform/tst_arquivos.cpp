#include "platform/Arquivos.h"

#include "PastaAberta.h"
#include "ProcessoFilho.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using rodaleque::platform::ArquivosDoSistema;

namespace {

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return f.readAll();
}

bool gravar(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool existe(const QString& caminho) {
    struct stat st {};
    return lstat(QFile::encodeName(caminho).constData(), &st) == 0;
}

int descritoresAbertos() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                                .size());
}

// What the child reports: the append's answer, or why it never got to ask.
constexpr int FilhoFalhou = 0;
constexpr int FilhoGravou = 1;
constexpr int FilhoSemPreparo = 2;

class Arquivos : public ComPastaAberta {
protected:
    // A device that is always full. As root, a private node of /dev/full's kind, so that a
    // faulty rollback unlinks that one and not the system's. Empty when none can be had.
    QString dispositivoCheio() const {
        if (geteuid() != 0)
            return QStringLiteral("/dev/full");
        const QString no = em(QStringLiteral("cheio"));
        const QByteArray nome = QFile::encodeName(no);
        if (!existe(no) && mknod(nome.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            return QString();
        const int fd = open(nome.constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return QString();
        const bool cheio = write(fd, "x", 1) < 0 && errno == ENOSPC;
        close(fd);
        return cheio ? no : QString();
    }

    ArquivosDoSistema arquivos_;
};

// --- appending ----------------------------------------------------------------------------

TEST_F(Arquivos, AppendsCreateTheFileAndKeepExactlyTheBytesGiven) {
    const QString resultados = em(QStringLiteral("sn.1[2-3]4h5min6.txt"));
    ASSERT_FALSE(existe(resultados));

    EXPECT_TRUE(arquivos_.acrescentarDuravel(resultados, QByteArrayLiteral("7\r\n")));
    EXPECT_TRUE(arquivos_.acrescentarDuravel(resultados, QByteArrayLiteral("120\r\n")));
    EXPECT_TRUE(arquivos_.acrescentarDuravel(resultados, QByteArrayLiteral("3\r\n")));

    EXPECT_EQ(ler(resultados), QByteArray::fromHex("370d0a3132300d0a330d0a"));
}

TEST_F(Arquivos, NewFileGetsMode0644LessTheUmask) {
    // A umask that keeps group write, so that asking for 0664 or 0666 would show.
    const mode_t mascara = 002;
    const mode_t anterior = umask(mascara);
    const QString resultados = em(QStringLiteral("novo.txt"));

    const bool gravou = arquivos_.acrescentarDuravel(resultados, QByteArrayLiteral("1\r\n"));
    umask(anterior);
    ASSERT_TRUE(gravou);

    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(resultados).constData(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0644 & ~mascara);
}

TEST_F(Arquivos, AppendKeepsWhatWasAlreadyInTheFile) {
    const QString resultados = em(QStringLiteral("antigo.txt"));
    ASSERT_TRUE(gravar(resultados, QByteArrayLiteral("antes\r\n")));

    EXPECT_TRUE(arquivos_.acrescentarDuravel(resultados, QByteArrayLiteral("42\r\n")));

    EXPECT_EQ(ler(resultados), QByteArrayLiteral("antes\r\n42\r\n"));
}

TEST_F(Arquivos, LargeAppendWithZeroBytesArrivesWhole) {
    // Several megabytes with NULs in them: one short write or a strlen would both show here.
    QByteArray grande(3 * 1024 * 1024 + 17, '\0');
    for (qsizetype i = 0; i < grande.size(); ++i)
        grande[i] = static_cast<char>(i % 251);
    const QString resultados = em(QStringLiteral("grande.bin"));

    ASSERT_TRUE(arquivos_.acrescentarDuravel(resultados, grande));

    EXPECT_EQ(ler(resultados), grande);
}

TEST_F(Arquivos, NoDescriptorIsLeftOpenOnSuccessOrFailure) {
    ASSERT_TRUE(QDir(em(QString())).mkdir(QStringLiteral("pasta")));
    const QString cheio = dispositivoCheio();
    ASSERT_FALSE(cheio.isEmpty()) << "no always-full device to write to";
    const int antes = descritoresAbertos();

    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(arquivos_.acrescentarDuravel(em(QStringLiteral("ok.txt")), "1\r\n"));
        EXPECT_FALSE(arquivos_.acrescentarDuravel(em(QStringLiteral("pasta")), "1\r\n"));
        EXPECT_FALSE(arquivos_.acrescentarDuravel(cheio, "1\r\n"));
    }

    EXPECT_EQ(descritoresAbertos(), antes);
}

// --- whether a name is taken --------------------------------------------------------------

TEST_F(Arquivos, NameIsTakenByAnythingStandingThere) {
    EXPECT_FALSE(arquivos_.nomeOcupado(em(QStringLiteral("livre.txt"))));

    ASSERT_TRUE(gravar(em(QStringLiteral("arquivo.txt")), "x"));
    EXPECT_TRUE(arquivos_.nomeOcupado(em(QStringLiteral("arquivo.txt"))));

    ASSERT_TRUE(QDir(em(QString())).mkdir(QStringLiteral("pasta.txt")));
    EXPECT_TRUE(arquivos_.nomeOcupado(em(QStringLiteral("pasta.txt"))));

    const QString pendente = em(QStringLiteral("pendente.txt"));
    ASSERT_TRUE(QFile::link(em(QStringLiteral("alvo-inexistente")), pendente));
    EXPECT_TRUE(arquivos_.nomeOcupado(pendente));

    EXPECT_FALSE(arquivos_.nomeOcupado(em(QStringLiteral("sem-pasta/a.txt"))));
}

// --- failures leave everything as it was ------------------------------------------------

TEST_F(Arquivos, NameTakenByAFolderFailsAndLeavesTheFolderAlone) {
    const QString pasta = em(QStringLiteral("sn.1.txt"));
    ASSERT_TRUE(QDir(em(QString())).mkdir(QStringLiteral("sn.1.txt")));
    ASSERT_TRUE(gravar(pasta + QStringLiteral("/dentro"), "conteudo"));

    EXPECT_FALSE(arquivos_.acrescentarDuravel(pasta, QByteArrayLiteral("7\r\n")));

    EXPECT_TRUE(QFileInfo(pasta).isDir());
    EXPECT_EQ(QDir(pasta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("dentro")});
    EXPECT_EQ(ler(pasta + QStringLiteral("/dentro")), QByteArrayLiteral("conteudo"));
}

TEST_F(Arquivos, MissingFolderOrDanglingLinkFailWithoutCreatingAnything) {
    EXPECT_FALSE(arquivos_.acrescentarDuravel(em(QStringLiteral("sem-pasta/a.txt")), "1\r\n"));
    EXPECT_FALSE(existe(em(QStringLiteral("sem-pasta"))));

    // Following the link would create a file somewhere the name never pointed to openly.
    const QString alvo = em(QStringLiteral("alvo.txt"));
    const QString pendente = em(QStringLiteral("pendente.txt"));
    ASSERT_TRUE(QFile::link(alvo, pendente));
    EXPECT_FALSE(arquivos_.acrescentarDuravel(pendente, "1\r\n"));
    EXPECT_FALSE(existe(alvo));
    EXPECT_TRUE(QFileInfo(pendente).isSymLink());
}

TEST_F(Arquivos, FolderThatCannotBeWrittenFailsAndCreatesNothing) {
    const QString pasta = em(QStringLiteral("somente-leitura"));
    ASSERT_TRUE(QDir(em(QString())).mkdir(QStringLiteral("somente-leitura")));
    ASSERT_EQ(chmod(QFile::encodeName(pasta).constData(), 0555), 0);
    // Writable again afterwards, whatever happens, so the temporary folder can be removed.
    struct Reabrir {
        QByteArray pasta;
        ~Reabrir() { chmod(pasta.constData(), 0755); }
    } reabrir{QFile::encodeName(pasta)};
    const QString resultados = pasta + QStringLiteral("/sn.1.txt");

    if (geteuid() == 0) {
        // Root writes anywhere, so ask as "nobody" in a child of its own.
        const int r = emProcessoFilho([&] {
            if (!deixarDeSerRoot())
                return FilhoSemPreparo;
            return arquivos_.acrescentarDuravel(resultados, "7\r\n") ? FilhoGravou : FilhoFalhou;
        });
        EXPECT_EQ(r, FilhoFalhou);
    } else {
        EXPECT_FALSE(arquivos_.acrescentarDuravel(resultados, "7\r\n"));
    }

    EXPECT_FALSE(existe(resultados));
}

TEST_F(Arquivos, FullDeviceFailsAndIsNotRemoved) {
    const QString cheio = dispositivoCheio();
    if (cheio.isEmpty())
        GTEST_SKIP() << "no always-full device to write to";

    EXPECT_FALSE(arquivos_.acrescentarDuravel(cheio, "7\r\n"));

    // The append did not create it, so it must not have unlinked it either.
    struct stat st {};
    ASSERT_EQ(lstat(QFile::encodeName(cheio).constData(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST_F(Arquivos, FullDiskFailsWithoutLeavingATornLine) {
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString ponto = em(QStringLiteral("disco"));
    ASSERT_TRUE(QDir(em(QString())).mkdir(QStringLiteral("disco")));
    const QByteArray pontoBytes = QFile::encodeName(ponto);
    if (mount("tmpfs", pontoBytes.constData(), "tmpfs", 0, "size=16k,mode=0755") != 0)
        GTEST_SKIP() << "cannot mount tmpfs here: " << strerror(errno);
    struct Desmontar {
        QByteArray ponto;
        ~Desmontar() { umount2(ponto.constData(), MNT_DETACH); }
    } desmontar{pontoBytes};

    const QString resultados = ponto + QStringLiteral("/sn.1.txt");
    const QByteArray antes = QByteArrayLiteral("7\r\n120\r\n");
    ASSERT_TRUE(arquivos_.acrescentarDuravel(resultados, antes));

    // Fill every free block, so the next append can only grow within its last partial block.
    {
        QFile enchimento(ponto + QStringLiteral("/enchimento"));
        ASSERT_TRUE(enchimento.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray bloco(1024, 'x');
        while (enchimento.write(bloco) == bloco.size()) {
        }
    }

    // More than fits: part of it lands in the file's last block before the disk runs out.
    QByteArray linhas;
    while (linhas.size() < 12 * 1024)
        linhas += QByteArrayLiteral("123456789\r\n");
    EXPECT_FALSE(arquivos_.acrescentarDuravel(resultados, linhas));

    EXPECT_EQ(ler(resultados), antes);
}

TEST_F(Arquivos, WriteStoppedPartWayByTheSizeLimitRollsBack) {
    const QString antigo = em(QStringLiteral("antigo.txt"));
    const QByteArray antes = QByteArrayLiteral("7\r\n120\r\n");
    ASSERT_TRUE(gravar(antigo, antes));
    const QString novo = em(QStringLiteral("novo.txt"));

    // Only two of the five bytes fit under the limit. A SIGXFSZ death would show as 128 + 25.
    const auto comLimite = [&](const QString& caminho, rlim_t limite) {
        return emProcessoFilho([&] {
            rlimit lim{};
            if (getrlimit(RLIMIT_FSIZE, &lim) != 0)
                return FilhoSemPreparo;
            lim.rlim_cur = limite;
            if (setrlimit(RLIMIT_FSIZE, &lim) != 0)
                return FilhoSemPreparo;
            return arquivos_.acrescentarDuravel(caminho, "12345") ? FilhoGravou : FilhoFalhou;
        });
    };

    EXPECT_EQ(comLimite(antigo, static_cast<rlim_t>(antes.size()) + 2), FilhoFalhou);
    EXPECT_EQ(ler(antigo), antes);

    EXPECT_EQ(comLimite(novo, 2), FilhoFalhou);
    EXPECT_FALSE(existe(novo));
}

} // namespace
