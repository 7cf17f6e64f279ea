#include "support/MotorDeTeste.h"

#include <engine/ArquivoResultados.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rodaleque;
using namespace rodaleque::teste;

TEST(CaminhoDoArquivo, NomeComSerieDataEHoraSemZerosAEsquerda) {
    ArquivosEmMemoria arquivos;
    RelogioFixo relogio;
    PastaFixa pastaDeWindows{QStringLiteral("D:\\Eventos")};
    ArquivoResultados windows(arquivos, relogio, pastaDeWindows, QStringLiteral("\\"));
    EXPECT_EQ(windows.caminho(1), QStringLiteral("D:\\Eventos\\sn.1[7-7]14h5min9.txt"));
    // Day, month, hour, minute and second are five separate readings of the clock.
    EXPECT_EQ(relogio.leiturasDeData, 5);

    relogio.data = {2027, 1, 1, 9, 3, 4};
    PastaFixa pastaDeRaizWindows{QStringLiteral("C:\\")};
    ArquivoResultados raizWindows(arquivos, relogio, pastaDeRaizWindows, QStringLiteral("\\"));
    EXPECT_EQ(raizWindows.caminho(12), QStringLiteral("C:\\sn.12[1-1]9h3min4.txt"));
    PastaFixa pastaDeRaiz{QStringLiteral("/")};
    ArquivoResultados raiz(arquivos, relogio, pastaDeRaiz, QStringLiteral("/"));
    EXPECT_EQ(raiz.caminho(12), QStringLiteral("/sn.12[1-1]9h3min4.txt"));

    relogio.data = {2027, 12, 31, 23, 59, 0};
    PastaFixa pastaDePasta{QStringLiteral("/opt/sorteio")};
    ArquivoResultados pasta(arquivos, relogio, pastaDePasta, QStringLiteral("/"));
    EXPECT_EQ(pasta.caminho(3), QStringLiteral("/opt/sorteio/sn.3[31-12]23h59min0.txt"));
}

TEST(GravacaoDoArquivo, UmaLinhaPorNumeroComCrLfNoDisco) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    platform::ArquivosDoSistema disco;
    RelogioFixo relogio;
    PastaFixa pastaDeArquivo{pasta.path()};
    ArquivoResultados arquivo(disco, relogio, pastaDeArquivo, QStringLiteral("/"));
    int32_t serie = 1;
    QString caminho;
    ASSERT_TRUE(arquivo.nomear(serie, caminho));
    EXPECT_FALSE(QFile::exists(caminho));

    using Gravacao = ArquivoResultados::Gravacao;
    ASSERT_EQ(arquivo.gravar(caminho, {7}), Gravacao::Criado);
    for (int32_t n : {120, 3})
        ASSERT_EQ(arquivo.gravar(caminho, {n}), Gravacao::Acrescentado);

    QFile lido(caminho);
    ASSERT_TRUE(lido.open(QIODevice::ReadOnly));
    EXPECT_EQ(lido.readAll(), QByteArray::fromHex("370D0A3132300D0A330D0A"));
}

TEST(GravacaoDoArquivo, NomeOcupadoNoDiscoPorArquivoOuPastaNaoEUsado) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    platform::ArquivosDoSistema disco;
    RelogioFixo relogio;
    PastaFixa pastaDeArquivo{pasta.path()};
    ArquivoResultados arquivo(disco, relogio, pastaDeArquivo, QStringLiteral("/"));
    int32_t serie = 1;
    QString primeiro;
    ASSERT_TRUE(arquivo.nomear(serie, primeiro));
    ASSERT_EQ(arquivo.gravar(primeiro, {5}), ArquivoResultados::Gravacao::Criado);
    ASSERT_TRUE(QDir().mkdir(arquivo.caminho(2)));

    QString novo;
    ASSERT_TRUE(arquivo.nomear(serie, novo));
    EXPECT_EQ(serie, 3);
    EXPECT_EQ(novo, pasta.path() + QStringLiteral("/sn.3[7-7]14h5min9.txt"));
    ASSERT_EQ(arquivo.gravar(novo, {8}), ArquivoResultados::Gravacao::Criado);
    QFile antigo(primeiro);
    ASSERT_TRUE(antigo.open(QIODevice::ReadOnly));
    EXPECT_EQ(antigo.readAll(), QByteArray("5\r\n"));
}
