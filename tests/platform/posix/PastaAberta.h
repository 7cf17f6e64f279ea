#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

// A test's scratch folder, under /tmp and opened up to 0755, so that a child that dropped to
// "nobody" can reach what lies inside.
class ComPastaAberta : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(raiz_.isValid());
        ASSERT_EQ(chmod(QFile::encodeName(raiz_.path()).constData(), 0755), 0);
    }

    QString em(const QString& nome) const { return raiz_.path() + u'/' + nome; }

private:
    QTemporaryDir raiz_{QStringLiteral("/tmp/tst_platform-XXXXXX")};
};
