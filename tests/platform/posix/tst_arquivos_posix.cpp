// What only this platform has: file modes, descriptors, links, FIFOs and devices, a process
// that is not root, the file size limit, and readers that keep a file open across a rename.
#include "platform/Arquivos.h"

#include "Conteudo.h"
#include "DiscoPequeno.h"
#include "PastaAberta.h"
#include "ProcessoFilho.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using rodaleque::platform::ArquivosDoSistema;
using rodaleque::platform::Identidade;
using Acrescimo = rodaleque::platform::Arquivos::Acrescimo;
using Criacao = rodaleque::platform::Arquivos::Criacao;

namespace {

bool existe(const QString& caminho) {
    struct stat st {};
    return lstat(QFile::encodeName(caminho).constData(), &st) == 0;
}

mode_t modo(const QString& caminho) {
    struct stat st {};
    return lstat(QFile::encodeName(caminho).constData(), &st) == 0 ? st.st_mode : 0;
}

int descritoresAbertos() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd"))
                                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                                .size());
}

QStringList nomesEm(const QString& pasta) {
    return QDir(pasta).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// What a child reports when it never got to ask: the setting up of its limit or user failed.
constexpr int FilhoSemPreparo = 100;

// Runs the body in a child that a call waiting for ever would not hold up: it is killed after
// a few seconds, which shows as 128 + SIGALRM.
int semEsperar(const std::function<int()>& corpo) {
    return emProcessoFilho([&] {
        alarm(5);
        return corpo();
    });
}

class Arquivos : public ComPastaAberta {
protected:
    // A private node of /dev/full's kind, where a write always fails with ENOSPC; false when
    // this process may not make one (only root may).
    static bool fazerDispositivoCheio(const QString& no) {
        return geteuid() == 0 &&
               mknod(QFile::encodeName(no).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
    }

    // A results file claimed with its first line, then moved to `guardado` so that something
    // else can be put at its name.
    bool reivindicarEMover(const QString& caminho, const QString& guardado, Identidade& criado) {
        return arquivos_.criarDuravel(caminho, "7\r\n", criado) == Criacao::Gravado &&
               QFile::rename(caminho, guardado);
    }

    ArquivosDoSistema arquivos_;
};

// --- modes and descriptors -------------------------------------------------------------------

TEST_F(Arquivos, NewFilesGetMode0644AndNewFoldersMode0700LessTheUmask) {
    // A umask that keeps group write, so that asking for 0664, 0666 or 0777 would show.
    const mode_t mascara = 002;
    const mode_t anterior = umask(mascara);
    Identidade criado;
    const Criacao criacao = arquivos_.criarDuravel(em(QStringLiteral("sn.1.txt")), "1\r\n", criado);
    const bool substituido =
        arquivos_.substituirDuravel(em(QStringLiteral("dados/rodaleque/serie")), "n=7");
    umask(anterior);
    ASSERT_EQ(criacao, Criacao::Gravado);
    ASSERT_TRUE(substituido);

    EXPECT_EQ(modo(em(QStringLiteral("sn.1.txt"))), S_IFREG | (0644 & ~mascara));
    EXPECT_EQ(modo(em(QStringLiteral("dados/rodaleque/serie"))), S_IFREG | (0644 & ~mascara));
    // The user's data folders are the user's alone.
    EXPECT_EQ(modo(em(QStringLiteral("dados"))), S_IFDIR | 0700);
    EXPECT_EQ(modo(em(QStringLiteral("dados/rodaleque"))), S_IFDIR | 0700);
}

TEST_F(Arquivos, NoDescriptorIsLeftOpenByAnyCallWhateverItsAnswer) {
    ASSERT_TRUE(QDir(em(QString())).mkdir(QStringLiteral("pasta")));
    ASSERT_TRUE(gravar(em(QStringLiteral("outro.txt")), "x"));
    const int antes = descritoresAbertos();

    for (int i = 0; i < 20; ++i) {
        const QString resultados = em(QStringLiteral("sn.%1.txt").arg(i));
        Identidade criado;
        EXPECT_EQ(arquivos_.criarDuravel(resultados, "1\r\n", criado), Criacao::Gravado);
        EXPECT_EQ(arquivos_.criarDuravel(resultados, "1\r\n", criado), Criacao::NomeOcupado);
        EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "2\r\n"), Acrescimo::Gravado);
        // Opened, then found to be another file, or a folder.
        EXPECT_EQ(arquivos_.acrescentarDuravel(em(QStringLiteral("outro.txt")), criado, "2\r\n"),
                  Acrescimo::Trocado);
        EXPECT_EQ(arquivos_.acrescentarDuravel(em(QStringLiteral("pasta")), criado, "2\r\n"),
                  Acrescimo::Trocado);
        EXPECT_TRUE(arquivos_.ler(resultados).has_value());
        EXPECT_FALSE(arquivos_.ler(em(QStringLiteral("pasta"))).has_value());
        EXPECT_TRUE(arquivos_.substituirDuravel(em(QStringLiteral("serie")), "n=7"));
        EXPECT_FALSE(arquivos_.substituirDuravel(em(QStringLiteral("pasta")), "n=7"));
        EXPECT_TRUE(arquivos_.remover(resultados));
    }

    EXPECT_EQ(descritoresAbertos(), antes);
}

TEST(DiscoCheioPosix, NoDescriptorIsLeftOpenByTheWritesThatFail) {
    DiscoPequeno disco;
    if (disco.pasta().isEmpty())
        GTEST_SKIP() << disco.motivo().toStdString();
    ArquivosDoSistema arquivos;
    const QString resultados = disco.pasta() + QStringLiteral("/sn.1.txt");
    Identidade criado;
    ASSERT_EQ(arquivos.criarDuravel(resultados, "7\r\n", criado), Criacao::Gravado);
    ASSERT_TRUE(arquivos.substituirDuravel(disco.pasta() + QStringLiteral("/serie"), "n=7"));
    {
        QFile enchimento(disco.pasta() + QStringLiteral("/enchimento"));
        ASSERT_TRUE(enchimento.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray bloco(1024, 'x');
        while (enchimento.write(bloco) == bloco.size()) {
        }
    }
    const QByteArray demais(12 * 1024, '1');
    const int antes = descritoresAbertos();

    for (int i = 0; i < 20; ++i) {
        Identidade outro;
        EXPECT_EQ(arquivos.criarDuravel(disco.pasta() + QStringLiteral("/sn.2.txt"), demais, outro),
                  Criacao::Falhou);
        EXPECT_EQ(arquivos.acrescentarDuravel(resultados, criado, demais), Acrescimo::Falhou);
        EXPECT_FALSE(arquivos.substituirDuravel(disco.pasta() + QStringLiteral("/serie"), demais));
    }

    EXPECT_EQ(descritoresAbertos(), antes);
}

// --- links, FIFOs and devices at a file's name ----------------------------------------------

TEST_F(Arquivos, ALinkAtTheNameIsNeverFollowed) {
    // A dangling one takes the name: following it would make a file where the name never
    // openly pointed.
    const QString alvo = em(QStringLiteral("alvo.txt"));
    const QString pendente = em(QStringLiteral("pendente.txt"));
    ASSERT_TRUE(QFile::link(alvo, pendente));
    EXPECT_TRUE(arquivos_.nomeOcupado(pendente));
    Identidade criado;
    EXPECT_EQ(arquivos_.criarDuravel(pendente, "1\r\n", criado), Criacao::NomeOcupado);
    EXPECT_FALSE(existe(alvo));

    // A link put at a results file's name, even to the claimed file itself, is not that file.
    const QString resultados = em(QStringLiteral("sn.1.txt"));
    const QString guardado = em(QStringLiteral("guardado.txt"));
    ASSERT_TRUE(reivindicarEMover(resultados, guardado, criado));
    ASSERT_TRUE(QFile::link(guardado, resultados));
    EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "120\r\n"), Acrescimo::Trocado);
    EXPECT_EQ(ler(guardado), QByteArrayLiteral("7\r\n"));
    EXPECT_EQ(arquivos_.identidade(resultados), std::nullopt);
    EXPECT_EQ(arquivos_.ler(resultados), std::nullopt);

    // A replacement puts its file at the name and leaves the link's target alone.
    EXPECT_TRUE(arquivos_.substituirDuravel(resultados, "n=7"));
    EXPECT_TRUE(S_ISREG(modo(resultados)));
    EXPECT_EQ(ler(resultados), QByteArrayLiteral("n=7"));
    EXPECT_EQ(ler(guardado), QByteArrayLiteral("7\r\n"));
}

TEST_F(Arquivos, AFifoAtTheNameIsAnsweredAtOnceAndNeverWritten) {
    // Opening a FIFO that nobody reads, or reads from, would wait for ever mid-draw.
    const QString resultados = em(QStringLiteral("sn.1.txt"));
    Identidade criado;
    ASSERT_TRUE(reivindicarEMover(resultados, em(QStringLiteral("guardado.txt")), criado));
    ASSERT_EQ(mkfifo(QFile::encodeName(resultados).constData(), 0644), 0);

    EXPECT_EQ(semEsperar([&] {
                  return static_cast<int>(arquivos_.acrescentarDuravel(resultados, criado, "1"));
              }),
              static_cast<int>(Acrescimo::Trocado));
    EXPECT_EQ(semEsperar([&] { return arquivos_.ler(resultados).has_value() ? 1 : 0; }), 0);
    EXPECT_EQ(arquivos_.identidade(resultados), std::nullopt);
    EXPECT_TRUE(S_ISFIFO(modo(resultados)));
}

TEST_F(Arquivos, ADeviceAtTheNameIsNotWrittenNorRemoved) {
    const QString resultados = em(QStringLiteral("sn.1.txt"));
    Identidade criado;
    ASSERT_TRUE(reivindicarEMover(resultados, em(QStringLiteral("guardado.txt")), criado));
    if (!fazerDispositivoCheio(resultados))
        GTEST_SKIP() << "only root can make a device node";

    // A write there would fail for want of space: Trocado shows that none was tried.
    EXPECT_EQ(arquivos_.acrescentarDuravel(resultados, criado, "120\r\n"), Acrescimo::Trocado);
    EXPECT_EQ(arquivos_.identidade(resultados), std::nullopt);
    EXPECT_TRUE(S_ISCHR(modo(resultados)));
}

// --- what another user may not write --------------------------------------------------------

TEST_F(Arquivos, WhatTheUserMayNotWriteFailsAndChangesNothing) {
    // Root's folder and files, open to reading: "nobody" can neither make nor change a file.
    const QString pasta = em(QStringLiteral("somente-leitura"));
    ASSERT_TRUE(QDir(em(QString())).mkdir(QStringLiteral("somente-leitura")));
    const QString resultados = pasta + QStringLiteral("/sn.1.txt");
    const QString registro = pasta + QStringLiteral("/serie");
    Identidade criado;
    ASSERT_EQ(arquivos_.criarDuravel(resultados, "7\r\n", criado), Criacao::Gravado);
    ASSERT_TRUE(arquivos_.substituirDuravel(registro, "n=7"));
    ASSERT_EQ(chmod(QFile::encodeName(pasta).constData(), 0555), 0);
    // Writable again afterwards, whatever happens, so the temporary folder can be removed.
    struct Reabrir {
        QByteArray pasta;
        ~Reabrir() { chmod(pasta.constData(), 0755); }
    } reabrir{QFile::encodeName(pasta)};

    // The file that may not be written is still the claimed one: a failure, not a swap.
    const auto comoOutro = [&](const std::function<int()>& corpo) {
        return emProcessoFilho([&] { return deixarDeSerRoot() ? corpo() : FilhoSemPreparo; });
    };
    EXPECT_EQ(comoOutro([&] {
                  return static_cast<int>(arquivos_.acrescentarDuravel(resultados, criado, "1"));
              }),
              static_cast<int>(Acrescimo::Falhou));
    EXPECT_EQ(comoOutro([&] {
                  Identidade outro;
                  return static_cast<int>(
                      arquivos_.criarDuravel(pasta + QStringLiteral("/sn.2.txt"), "1", outro));
              }),
              static_cast<int>(Criacao::Falhou));
    EXPECT_EQ(comoOutro([&] { return arquivos_.substituirDuravel(registro, "n=8") ? 1 : 0; }), 0);
    EXPECT_EQ(comoOutro([&] {
                  return arquivos_.substituirDuravel(pasta + QStringLiteral("/nova/serie"), "n")
                             ? 1
                             : 0;
              }),
              0);
    EXPECT_EQ(comoOutro([&] { return arquivos_.remover(registro) ? 1 : 0; }), 0);

    EXPECT_EQ(nomesEm(pasta), (QStringList{QStringLiteral("serie"), QStringLiteral("sn.1.txt")}));
    EXPECT_EQ(ler(resultados), QByteArrayLiteral("7\r\n"));
    EXPECT_EQ(ler(registro), QByteArrayLiteral("n=7"));
}

// --- the file size limit ----------------------------------------------------------------------

TEST_F(Arquivos, WritesStoppedPartWayByTheSizeLimitLeaveEverythingAsItWas) {
    const QString resultados = em(QStringLiteral("sn.1.txt"));
    const QByteArray antes = QByteArrayLiteral("7\r\n120\r\n");
    Identidade criado;
    ASSERT_EQ(arquivos_.criarDuravel(resultados, antes, criado), Criacao::Gravado);
    const QString registro = em(QStringLiteral("serie"));
    ASSERT_TRUE(arquivos_.substituirDuravel(registro, "n=7"));

    // Only part of the bytes fits under the limit. A SIGXFSZ death would show as 128 + 25.
    const auto comLimite = [&](rlim_t limite, const std::function<int()>& corpo) {
        return emProcessoFilho([&] {
            rlimit lim{};
            if (getrlimit(RLIMIT_FSIZE, &lim) != 0)
                return FilhoSemPreparo;
            lim.rlim_cur = limite;
            if (setrlimit(RLIMIT_FSIZE, &lim) != 0)
                return FilhoSemPreparo;
            return corpo();
        });
    };

    EXPECT_EQ(comLimite(static_cast<rlim_t>(antes.size()) + 2,
                        [&] {
                            return static_cast<int>(
                                arquivos_.acrescentarDuravel(resultados, criado, "12345"));
                        }),
              static_cast<int>(Acrescimo::Falhou));
    EXPECT_EQ(ler(resultados), antes);

    const QString novo = em(QStringLiteral("sn.2.txt"));
    EXPECT_EQ(comLimite(2,
                        [&] {
                            Identidade outro;
                            return static_cast<int>(arquivos_.criarDuravel(novo, "12345", outro));
                        }),
              static_cast<int>(Criacao::Falhou));
    EXPECT_FALSE(existe(novo));

    EXPECT_EQ(
        comLimite(2, [&] { return arquivos_.substituirDuravel(registro, "n=99999") ? 1 : 0; }), 0);
    EXPECT_EQ(ler(registro), QByteArrayLiteral("n=7"));

    EXPECT_EQ(nomesEm(em(QString())),
              (QStringList{QStringLiteral("serie"), QStringLiteral("sn.1.txt")}));
}

// --- a reader of the old content ----------------------------------------------------------------

TEST_F(Arquivos, AReaderOfTheOldContentStillReadsItWholeAfterAReplacement) {
    // The new content goes into a new file: whoever opened the old one reads it, untouched.
    const QString registro = em(QStringLiteral("serie"));
    const QByteArray antigo(64 * 1024, 'a');
    ASSERT_TRUE(gravar(registro, antigo));
    QFile leitor(registro);
    ASSERT_TRUE(leitor.open(QIODevice::ReadOnly));

    ASSERT_TRUE(arquivos_.substituirDuravel(registro, "n=7"));

    EXPECT_EQ(leitor.readAll(), antigo);
    EXPECT_EQ(ler(registro), QByteArrayLiteral("n=7"));
}

} // namespace
