// What only Windows has: other programs' handles decide by their sharing mode whether a file
// may be written, replaced or removed, and device names answer in every folder.
#include "platform/Arquivos.h"

#include "Conteudo.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using rodaleque::platform::ArquivosDoSistema;
using rodaleque::platform::Identidade;
using Acrescimo = rodaleque::platform::Arquivos::Acrescimo;
using Criacao = rodaleque::platform::Arquivos::Criacao;

namespace {

class ArquivosWindows : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(raiz_.isValid());
        resultados_ = raiz_.filePath(QStringLiteral("sn.1.txt"));
        ASSERT_EQ(arquivos_.criarDuravel(resultados_, "7\r\n", criado_), Criacao::Gravado);
    }

    // Another program's handle on a file, with the access and sharing it chose.
    static HANDLE abrirComo(const QString& caminho, DWORD acesso, DWORD compartilhamento) {
        const std::wstring nome = caminho.toStdWString();
        return CreateFileW(nome.c_str(), acesso, compartilhamento, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    QStringList nomes() const {
        return QDir(raiz_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

    QTemporaryDir raiz_;
    QString resultados_;
    Identidade criado_;
    ArquivosDoSistema arquivos_;
};

TEST_F(ArquivosWindows, AReaderThatLetsOthersWriteDoesNotStopTheDraw) {
    // How an editor or a viewer keeps a file open while it shows it.
    const HANDLE leitor = abrirComo(resultados_, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(leitor, INVALID_HANDLE_VALUE);

    EXPECT_EQ(arquivos_.acrescentarDuravel(resultados_, criado_, "120\r\n"), Acrescimo::Gravado);

    char lido[16] = {};
    DWORD n = 0;
    EXPECT_TRUE(ReadFile(leitor, lido, sizeof lido, &n, nullptr));
    EXPECT_EQ(std::string(lido, n), "7\r\n120\r\n");
    CloseHandle(leitor);
}

TEST_F(ArquivosWindows, AHandleThatSharesNoWritingMakesTheAppendFailAndChangesNothing) {
    for (const DWORD compartilhamento : {DWORD(0), DWORD(FILE_SHARE_READ)}) {
        const HANDLE outro = abrirComo(resultados_, GENERIC_READ, compartilhamento);
        ASSERT_NE(outro, INVALID_HANDLE_VALUE);

        // Still the claimed file: a failure to retry, not a file gone.
        EXPECT_EQ(arquivos_.acrescentarDuravel(resultados_, criado_, "120\r\n"), Acrescimo::Falhou);
        CloseHandle(outro);

        EXPECT_EQ(ler(resultados_), QByteArrayLiteral("7\r\n"));
        // Nothing of ours is left holding the file: it can be opened without sharing at once.
        const HANDLE sozinho = abrirComo(resultados_, GENERIC_READ | GENERIC_WRITE, 0);
        EXPECT_NE(sozinho, INVALID_HANDLE_VALUE);
        CloseHandle(sozinho);
    }
}

TEST_F(ArquivosWindows, AHandleThatSharesNoDeletionStopsAReplacementAndARemoval) {
    const QString registro = raiz_.filePath(QStringLiteral("serie"));
    ASSERT_TRUE(gravar(registro, "n=7"));
    const HANDLE leitor = abrirComo(registro, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(leitor, INVALID_HANDLE_VALUE);

    EXPECT_FALSE(arquivos_.substituirDuravel(registro, "n=8"));
    EXPECT_FALSE(arquivos_.remover(registro));
    CloseHandle(leitor);

    // The old content whole, and no new file left beside it.
    EXPECT_EQ(ler(registro), QByteArrayLiteral("n=7"));
    EXPECT_EQ(nomes(), (QStringList{QStringLiteral("serie"), QStringLiteral("sn.1.txt")}));
}

TEST_F(ArquivosWindows, ADeviceNameIsNeitherClaimedNorTakenForAFile) {
    // NUL answers in every folder; a series that took it would write its numbers nowhere.
    const QString nul = raiz_.filePath(QStringLiteral("NUL"));
    Identidade criado;
    EXPECT_EQ(arquivos_.criarDuravel(nul, "7\r\n", criado), Criacao::NomeOcupado);
    EXPECT_EQ(arquivos_.acrescentarDuravel(nul, criado_, "7\r\n"), Acrescimo::Trocado);
    EXPECT_EQ(arquivos_.identidade(nul), std::nullopt);
    EXPECT_EQ(arquivos_.ler(nul), std::nullopt);
    EXPECT_FALSE(QFileInfo(nul).isFile());
}

} // namespace
