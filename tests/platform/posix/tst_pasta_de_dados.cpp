// The user's data folder as the XDG base directories name it, under the environment a test
// sets; asking for it makes nothing.
#include "platform/Programa.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using rodaleque::platform::Programa;

namespace {

// An environment variable set to a value, or removed, for as long as the object lives.
class Variavel {
public:
    Variavel(const char* nome, const std::optional<QByteArray>& valor)
        : nome_(nome),
          antes_(qEnvironmentVariableIsSet(nome) ? std::optional(qgetenv(nome)) : std::nullopt) {
        definir(valor);
    }
    ~Variavel() { definir(antes_); }
    Variavel(const Variavel&) = delete;
    Variavel& operator=(const Variavel&) = delete;

private:
    void definir(const std::optional<QByteArray>& valor) {
        if (valor)
            qputenv(nome_, *valor);
        else
            qunsetenv(nome_);
    }
    const char* nome_;
    std::optional<QByteArray> antes_;
};

TEST(PastaDeDados, XdgDataHomeIsTakenWhenAbsoluteAndTheHomesOwnOtherwise) {
    QTemporaryDir casa, dados;
    ASSERT_TRUE(casa.isValid() && dados.isValid());
    const Variavel home("HOME", QFile::encodeName(casa.path()));
    {
        const Variavel xdg("XDG_DATA_HOME", QFile::encodeName(dados.path() + u'/'));
        EXPECT_EQ(Programa::pastaDeDados(), dados.path() + QStringLiteral("/rodaleque"));
    }

    // Unset, empty or relative, it names no folder.
    const QString daCasa = casa.path() + QStringLiteral("/.local/share/rodaleque");
    for (const std::optional<QByteArray>& valor :
         {std::optional<QByteArray>(), std::optional(QByteArray()),
          std::optional(QByteArrayLiteral("relativa/dados"))}) {
        const Variavel xdg("XDG_DATA_HOME", valor);
        EXPECT_EQ(Programa::pastaDeDados(), daCasa) << (valor ? valor->constData() : "(unset)");
    }

    EXPECT_TRUE(QDir(casa.path()).isEmpty());
    EXPECT_TRUE(QDir(dados.path()).isEmpty());
}

} // namespace
