// Where the results files go on Windows: the program's folder while it can be written, else
// Rodaleque in the user's documents. Windows decides by access lists that Wine does not keep,
// so the folder that cannot be written is a drive the Wine session mapped to a read-only file
// system (named in RODALEQUE_PASTA_SEM_ESCRITA).
#include "platform/Arquivos.h"
#include "platform/Programa.h"

#include "Conteudo.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using rodaleque::platform::ArquivosDoSistema;
using rodaleque::platform::Identidade;
using rodaleque::platform::PastaDeResultadosDoSistema;
using Criacao = rodaleque::platform::Arquivos::Criacao;

namespace {

QString documentosRodaleque() {
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
        QStringLiteral("/Rodaleque"));
}

TEST(PastaDeResultadosWindows, AWritableProgramFolderKeepsTheFilesAndNoProbeIsLeft) {
    QTemporaryDir programa;
    ASSERT_TRUE(programa.isValid());
    const QString pasta = QDir::toNativeSeparators(programa.path());

    EXPECT_EQ(PastaDeResultadosDoSistema(pasta).pasta(), pasta);
    EXPECT_TRUE(QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot)
                    .isEmpty());
}

TEST(PastaDeResultadosWindows, AFolderThatCannotBeWrittenSendsTheFilesToTheDocuments) {
    const QString semEscrita = qEnvironmentVariable("RODALEQUE_PASTA_SEM_ESCRITA");
    if (semEscrita.isEmpty())
        GTEST_SKIP() << "no read-only folder named in RODALEQUE_PASTA_SEM_ESCRITA (the Wine "
                        "session maps one when it runs as root)";
    QDir(documentosRodaleque()).removeRecursively();

    const QString escolhida = PastaDeResultadosDoSistema(semEscrita).pasta();

    EXPECT_EQ(escolhida, documentosRodaleque());
    EXPECT_TRUE(QFileInfo(escolhida).isDir());
    const QString arquivo = escolhida + QStringLiteral("\\sn.1.txt");
    Identidade criado;
    EXPECT_EQ(ArquivosDoSistema().criarDuravel(arquivo, "7\r\n", criado), Criacao::Gravado);
    EXPECT_EQ(ler(arquivo), QByteArrayLiteral("7\r\n"));
    // A program whose folder cannot be told at all goes the same way.
    EXPECT_EQ(PastaDeResultadosDoSistema(QString()).pasta(), documentosRodaleque());
    QDir(documentosRodaleque()).removeRecursively();
}

} // namespace
