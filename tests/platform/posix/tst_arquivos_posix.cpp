// What only this platform has: file modes, descriptors, dangling links, devices, a process
// that is not root, and the file size limit.
#include "platform/Arquivos.h"

#include "Conteudo.h"
#include "PastaAberta.h"
#include "ProcessoFilho.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using rodaleque::platform::ArquivosDoSistema;

namespace {

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

// --- what only this platform has: modes, descriptors, links, devices, limits -------------

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

TEST_F(Arquivos, DanglingLinkTakesTheName) {
    const QString pendente = em(QStringLiteral("pendente.txt"));
    ASSERT_TRUE(QFile::link(em(QStringLiteral("alvo-inexistente")), pendente));
    EXPECT_TRUE(arquivos_.nomeOcupado(pendente));
}

TEST_F(Arquivos, DanglingLinkFailsWithoutCreatingItsTarget) {
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
