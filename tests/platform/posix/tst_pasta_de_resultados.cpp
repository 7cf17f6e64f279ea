// Where the results files go: the program's folder while the user can write there, else
// Rodaleque in the user's documents. Permissions only bind a user other than root, so every
// case runs in a child that is "nobody" when the tests run as root.
#include "platform/Arquivos.h"
#include "platform/Programa.h"

#include "PastaAberta.h"
#include "ProcessoFilho.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using rodaleque::platform::ArquivosDoSistema;
using rodaleque::platform::Identidade;
using rodaleque::platform::PastaDeResultadosDoSistema;
using Criacao = rodaleque::platform::Arquivos::Criacao;

namespace {

using Linhas = std::vector<std::string>;

std::string texto(const QString& s) {
    return s.toStdString();
}

std::string haPasta(const QString& caminho) {
    return QFileInfo(caminho).isDir() ? "pasta existe" : "pasta não existe";
}

class PastaDosResultados : public ComPastaAberta {
protected:
    // A folder the child's user owns and may write.
    QString pastaDoFilho(const QString& nome) const {
        const QString pasta = em(nome);
        const QByteArray bytes = QFile::encodeName(pasta);
        if (!QDir().mkpath(pasta) || chmod(bytes.constData(), 0755) != 0 ||
            (geteuid() == 0 && chown(bytes.constData(), idNinguem, idNinguem) != 0))
            return QString();
        return pasta;
    }

    // A folder the child's user can enter but not write: root's, or without its write bit.
    QString pastaSemEscrita(const QString& nome) const {
        const QString pasta = em(nome);
        if (!QDir().mkpath(pasta) || chmod(QFile::encodeName(pasta).constData(), 0555) != 0)
            return QString();
        return pasta;
    }

    // The program's folder and the child's home, each one writable by the child or not; the
    // documents folder the decision would pick by default.
    bool preparar(bool programaGravavel, bool casaGravavel) {
        const QString p = QStringLiteral("usr/bin"), c = QStringLiteral("casa");
        programa_ = programaGravavel ? pastaDoFilho(p) : pastaSemEscrita(p);
        casa_ = casaGravavel ? pastaDoFilho(c) : pastaSemEscrita(c);
        documentos_ = casa_ + QStringLiteral("/Documents/Rodaleque");
        return !programa_.isEmpty() && !casa_.isEmpty();
    }

    // Runs the body in a child whose home is casa_, and brings back the lines it reports.
    Linhas noFilho(const std::function<Linhas()>& corpo) const {
        int tubo[2];
        if (pipe2(tubo, O_CLOEXEC) != 0)
            return {"sem tubo"};
        const int r = emProcessoFilho([&] {
            close(tubo[0]);
            setenv("HOME", QFile::encodeName(casa_).constData(), 1);
            setenv("XDG_CONFIG_HOME",
                   QFile::encodeName(casa_ + QStringLiteral("/.config")).constData(), 1);
            if (!deixarDeSerRoot())
                return 2;
            std::string saida;
            for (const std::string& linha : corpo())
                saida += linha + '\n';
            return write(tubo[1], saida.data(), saida.size()) == ssize_t(saida.size()) ? 0 : 3;
        });
        close(tubo[1]);
        std::string lido;
        char bloco[4096];
        for (ssize_t n; (n = read(tubo[0], bloco, sizeof bloco)) > 0;)
            lido.append(bloco, size_t(n));
        close(tubo[0]);
        if (r != 0)
            return {"o filho terminou com " + std::to_string(r)};
        Linhas linhas;
        for (size_t inicio = 0, fim; (fim = lido.find('\n', inicio)) != std::string::npos;
             inicio = fim + 1)
            linhas.push_back(lido.substr(inicio, fim - inicio));
        return linhas;
    }

    QString programa_, casa_, documentos_;
};

TEST_F(PastaDosResultados, WritableProgramFolderIsUsedUntilItStopsBeingWritable) {
    ASSERT_TRUE(preparar(true, true));

    // The same object across two set-ups: the answer follows the folder, not the first call.
    const Linhas linhas = noFilho([&] {
        PastaDeResultadosDoSistema pasta(programa_);
        Linhas l{texto(pasta.pasta()), haPasta(documentos_)};
        chmod(QFile::encodeName(programa_).constData(), 0555);
        l.push_back(texto(pasta.pasta()));
        l.push_back(haPasta(documentos_));
        return l;
    });

    EXPECT_EQ(linhas,
              (Linhas{texto(programa_), "pasta não existe", texto(documentos_), "pasta existe"}));
}

TEST_F(PastaDosResultados, ProgramFolderTheUserCannotWriteSendsTheFilesToDocuments) {
    ASSERT_TRUE(preparar(false, true));
    const QString arquivo = documentos_ + QStringLiteral("/sn.1[2-3]4h5min6.txt");

    const Linhas linhas = noFilho([&] {
        PastaDeResultadosDoSistema pasta(programa_);
        Linhas l{texto(pasta.pasta()), haPasta(documentos_)};
        // A program whose folder cannot be told at all goes the same way.
        l.push_back(texto(PastaDeResultadosDoSistema(QString()).pasta()));
        ArquivosDoSistema arquivos;
        Identidade criado;
        l.push_back(arquivos.criarDuravel(arquivo, "7\r\n", criado) == Criacao::Gravado
                        ? "gravou"
                        : "não gravou");
        return l;
    });

    EXPECT_EQ(linhas, (Linhas{texto(documentos_), "pasta existe", texto(documentos_), "gravou"}));
    QFile gravado(arquivo);
    ASSERT_TRUE(gravado.open(QIODevice::ReadOnly));
    EXPECT_EQ(gravado.readAll(), QByteArrayLiteral("7\r\n"));
    EXPECT_TRUE(QDir(programa_).isEmpty());
}

TEST_F(PastaDosResultados, DocumentsFolderNamedInTheUsersFoldersFileIsUsed) {
    ASSERT_TRUE(preparar(false, true));
    // As xdg-user-dirs writes it for a Portuguese desktop; not made yet.
    const QString configuracao = pastaDoFilho(QStringLiteral("casa/.config"));
    ASSERT_FALSE(configuracao.isEmpty());
    QFile pastas(configuracao + QStringLiteral("/user-dirs.dirs"));
    ASSERT_TRUE(pastas.open(QIODevice::WriteOnly));
    pastas.write("XDG_DESKTOP_DIR=\"$HOME/\xC3\x81rea de trabalho\"\n"
                 "XDG_DOCUMENTS_DIR=\"$HOME/Documentos\"\n");
    pastas.close();
    const QString documentos = casa_ + QStringLiteral("/Documentos/Rodaleque");

    const Linhas linhas = noFilho([&] {
        PastaDeResultadosDoSistema pasta(programa_);
        return Linhas{texto(pasta.pasta()), haPasta(documentos)};
    });

    EXPECT_EQ(linhas, (Linhas{texto(documentos), "pasta existe"}));
}

TEST_F(PastaDosResultados, DocumentsThatCannotBeMadeGiveAPathWhereTheAppendFails) {
    ASSERT_TRUE(preparar(false, false));

    const Linhas linhas = noFilho([&] {
        PastaDeResultadosDoSistema pasta(programa_);
        const QString escolhida = pasta.pasta();
        ArquivosDoSistema arquivos;
        Identidade criado;
        const bool gravou = arquivos.criarDuravel(escolhida + QStringLiteral("/sn.1.txt"), "7\r\n",
                                                  criado) == Criacao::Gravado;
        return Linhas{texto(escolhida), haPasta(documentos_), gravou ? "gravou" : "não gravou"};
    });

    // The operator learns of it from the failed claim, as with any other folder.
    EXPECT_EQ(linhas, (Linhas{texto(documentos_), "pasta não existe", "não gravou"}));
    EXPECT_TRUE(QDir(casa_).isEmpty());
}

} // namespace
