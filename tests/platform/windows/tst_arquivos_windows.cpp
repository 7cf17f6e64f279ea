// What only Windows has: other programs' handles decide by their sharing mode whether a file
// may be written, and device names answer in every folder.
#include "platform/Arquivos.h"

#include "Conteudo.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using rodaleque::platform::ArquivosDoSistema;
using Criacao = rodaleque::platform::Arquivos::Criacao;

namespace {

class ArquivosWindows : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(raiz_.isValid());
        resultados_ = raiz_.filePath(QStringLiteral("sn.1.txt"));
        ASSERT_TRUE(gravar(resultados_, "7\r\n"));
    }

    // Another program's handle on the results file, with the access and sharing it chose.
    HANDLE abrirComo(DWORD acesso, DWORD compartilhamento) const {
        const std::wstring nome = resultados_.toStdWString();
        return CreateFileW(nome.c_str(), acesso, compartilhamento, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    QTemporaryDir raiz_;
    QString resultados_;
    ArquivosDoSistema arquivos_;
};

TEST_F(ArquivosWindows, AReaderThatLetsOthersWriteDoesNotStopTheDraw) {
    // How an editor or a viewer keeps a file open while it shows it.
    const HANDLE leitor = abrirComo(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(leitor, INVALID_HANDLE_VALUE);

    EXPECT_TRUE(arquivos_.acrescentarDuravel(resultados_, "120\r\n"));

    char lido[16] = {};
    DWORD n = 0;
    EXPECT_TRUE(ReadFile(leitor, lido, sizeof lido, &n, nullptr));
    EXPECT_EQ(std::string(lido, n), "7\r\n120\r\n");
    CloseHandle(leitor);
}

TEST_F(ArquivosWindows, AHandleThatSharesNoWritingMakesTheAppendFailAndChangesNothing) {
    for (const DWORD compartilhamento : {DWORD(0), DWORD(FILE_SHARE_READ)}) {
        const HANDLE outro = abrirComo(GENERIC_READ, compartilhamento);
        ASSERT_NE(outro, INVALID_HANDLE_VALUE);

        EXPECT_FALSE(arquivos_.acrescentarDuravel(resultados_, "120\r\n"));
        CloseHandle(outro);

        EXPECT_EQ(ler(resultados_), QByteArrayLiteral("7\r\n"));
        // Nothing of ours is left holding the file: it can be opened without sharing at once.
        const HANDLE sozinho = abrirComo(GENERIC_READ | GENERIC_WRITE, 0);
        EXPECT_NE(sozinho, INVALID_HANDLE_VALUE);
        CloseHandle(sozinho);
    }
}

TEST_F(ArquivosWindows, ADeviceNameIsNeverClaimedAsANewFile) {
    // NUL answers in every folder; a series that took it would write its numbers nowhere.
    const QString nul = raiz_.filePath(QStringLiteral("NUL"));
    EXPECT_EQ(arquivos_.criarDuravel(nul, "7\r\n"), Criacao::NomeOcupado);
    EXPECT_FALSE(QFileInfo(nul).isFile());
}

} // namespace
