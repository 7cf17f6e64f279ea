#include "platform/Programa.h"

#include <QDir>
#include <QFileInfo>

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
