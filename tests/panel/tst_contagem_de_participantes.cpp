#include "support/PainelDeTeste.h"

#include <panel/ContagemDeParticipantes.h>

#include <QLocale>

#include <gtest/gtest.h>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

struct Caso {
    const char* resposta;
    int32_t atual;
    int32_t aceito; // 0: refused
};

void PrintTo(const Caso& c, std::ostream* os) { *os << '"' << c.resposta << "\" with N " << c.atual; }

class Contagem : public ::testing::TestWithParam<Caso> {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST_P(Contagem, OQueSeGuardaObedeceAsRegrasDoQueSeLe) {
    const Caso c = GetParam();
    const Checked<int32_t> n = contagemAceita(QString::fromUtf8(c.resposta), c.atual);
    if (c.aceito == 0) {
        EXPECT_FALSE(n.ok()) << c.resposta << " gave " << *n;
    } else {
        ASSERT_TRUE(n.ok()) << c.resposta;
        EXPECT_EQ(*n, c.aceito);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Participantes, Contagem,
    ::testing::Values(
        // Begins with 100 but rounds to 10: would lower a running count of 50.
        Caso{"100e-1", 50, 0}, Caso{"100e-1", 0, 10}, Caso{"49.6", 50, 0},
        // Rounds to 100000, above the maximum the prompt names.
        Caso{"99999.6", 0, 0}, Caso{"99999.5", 0, 0}, Caso{"99999.4", 0, 99999},
        // A sign is not where a number begins.
        Caso{"+60", 0, 0}, Caso{"+60", 50, 0}, Caso{"60.4", 50, 60},
        // The first digits must not be below the running count, whatever the rest says.
        Caso{"6e1", 0, 60}, Caso{"6e1", 50, 0},
        Caso{"50", 50, 50}, Caso{"1.6", 0, 2}, Caso{"2", 0, 2}, Caso{"99999", 99999, 99999}));

TEST(Participantes, VirgulaDecimalDoLocalTambemArredondaParaDentroDoLimite) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    EXPECT_FALSE(contagemAceita(QStringLiteral("99999,5"), 0).ok());
    EXPECT_EQ(*contagemAceita(QStringLiteral("60,4"), 0), 60);
    QLocale::setDefault(QLocale::c());
}

TEST(Participantes, UmaContagemQueBaixariaNNaoTravaOSorteio) {
    PainelDeTeste t;
    t.informarParticipantes(QStringLiteral("50"));
    t.sortearNumeros({37, 45, 12, 28, 33, 41, 19, 50, 22, 11});
    t.informarParticipantes(QStringLiteral("100e-1"));
    EXPECT_EQ(t.dialogos.mensagens, QStringList{QStringLiteral("Valor Inválido")});
    EXPECT_EQ(t.estado().nParticipantes, 50);
    // The next draw finds one of the forty numbers still free, as it must.
    t.motor.cmdSorteio_Click();
    EXPECT_EQ(t.controles.lista.listCount(), 11);
    EXPECT_TRUE(t.controles.cmdSorteio_.habilitado);
}
