#include "platform/Programa.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

using rodaleque::platform::Programa;

TEST(Programa, FolderIsWhereThisExecutableLivesWrittenTheWayThePlatformWritesIt) {
    const QString pasta = Programa::pasta();
    ASSERT_FALSE(pasta.isEmpty());
    EXPECT_TRUE(QDir::isAbsolutePath(pasta)) << pasta.toStdString();
    // A results file's name is the folder, one separator and the name.
    EXPECT_FALSE(pasta.endsWith(Programa::separador())) << pasta.toStdString();
    EXPECT_EQ(QDir::toNativeSeparators(pasta), pasta);
    EXPECT_TRUE(QFileInfo(pasta + Programa::separador() + QStringLiteral(ARQUIVO_DO_TESTE)).isFile())
        << pasta.toStdString();
}

TEST(Programa, DataAndSettingsFoldersAreRodalequeInTheUsersOwnFolders) {
    for (const auto& [dados, deQt] :
         {std::pair{Programa::pastaDeDados(), QStandardPaths::GenericDataLocation},
          std::pair{Programa::pastaDeConfiguracao(), QStandardPaths::GenericConfigLocation}}) {
        EXPECT_TRUE(QDir::isAbsolutePath(dados)) << dados.toStdString();
        EXPECT_EQ(QDir::toNativeSeparators(dados), dados);
        // The same per-user folder that Qt finds on each platform, by its own means.
        const QFileInfo pasta(dados);
        EXPECT_EQ(QDir::toNativeSeparators(pasta.path()),
                  QDir::toNativeSeparators(QStandardPaths::writableLocation(deQt)));
        EXPECT_EQ(pasta.fileName().compare(QStringLiteral("rodaleque"), Qt::CaseInsensitive), 0)
            << dados.toStdString();
    }
}
