#include <engine/Numeros.h>

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace rodaleque;
using namespace rodaleque::numeros;

namespace {

// Runs each test in a chosen locale and puts the default back afterwards.
class NoLocal : public ::testing::Test {
protected:
    void usar(QLocale::Language lingua, QLocale::Territory pais) {
        QLocale::setDefault(QLocale(lingua, pais));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

template <typename T>
void esperarFalha(const Checked<T>& c) {
    EXPECT_FALSE(c.ok());
}

} // namespace

TEST(Arredondamento, MetadesVaoParaOParEOsLimitesDaLarguraSaoRespeitados) {
    EXPECT_EQ(*roundTo16(2.5), 2);
    EXPECT_EQ(*roundTo16(3.5), 4);
    EXPECT_EQ(*roundTo16(-2.5), -2);
    EXPECT_EQ(*roundTo32(0.5), 0);
    EXPECT_EQ(*roundTo32(1.5), 2);
    EXPECT_EQ(*roundTo32(2.4999), 2);
    EXPECT_EQ(*roundTo16(32767.4), 32767);
    esperarFalha(roundTo16(32767.5));
    EXPECT_EQ(*roundTo16(-32768.4), -32768);
    esperarFalha(roundTo16(-32768.6));
    EXPECT_EQ(*roundTo32(2147483647.4), 2147483647);
    esperarFalha(roundTo32(2147483647.5));
    esperarFalha(roundTo32(std::nan("")));
    esperarFalha(roundTo32(std::numeric_limits<double>::infinity()));
}

TEST(Arredondamento, PisoDesceAteONumeroInteiroEFalhaForaDe32Bits) {
    EXPECT_EQ(*floorTo32(6.9999), 6);
    EXPECT_EQ(*floorTo32(-0.5), -1);
    EXPECT_EQ(*floorTo32(2147483647.99), 2147483647);
    esperarFalha(floorTo32(2147483648.0));
    EXPECT_EQ(*floorTo32(-2147483648.0), std::numeric_limits<int32_t>::min());
    esperarFalha(floorTo32(-2147483648.01));
}

TEST(Aritmetica, RestoTemOSinalDoDividendo) {
    EXPECT_EQ(mod(-7, 9), -7);
    EXPECT_EQ(mod(-16, 9), -7);
    EXPECT_EQ(mod(25, 9), 7);
    EXPECT_EQ(mod(18, 9), 0);
    EXPECT_FALSE(mod(Checked<int32_t>(), 9).ok());
}

TEST(Aritmetica, EstouroNaLarguraDoCampoFalhaOPassoSemAtribuir) {
    int32_t campo32 = std::numeric_limits<int32_t>::max();
    EXPECT_FALSE(assign(campo32, checkedAdd(campo32, 1)));
    EXPECT_EQ(campo32, std::numeric_limits<int32_t>::max());
    EXPECT_TRUE(assign(campo32, checkedAdd(campo32, -1)));
    EXPECT_EQ(campo32, std::numeric_limits<int32_t>::max() - 1);

    int16_t campo16 = 32767;
    EXPECT_FALSE(assign(campo16, checkedAdd(campo16, 1)));
    EXPECT_EQ(campo16, 32767);
    // A 32-bit result that does not fit a 16-bit field is an overflow too.
    EXPECT_FALSE(assign(campo16, Checked<int32_t>(40000)));
    EXPECT_EQ(campo16, 32767);

    // A failure early in a computation carries through to its end.
    EXPECT_FALSE((floorTo32(1e20) + 1 - 1).ok());
    EXPECT_FALSE((Checked<int32_t>(std::numeric_limits<int32_t>::min()) - 1).ok());
}

TEST(Aritmetica, TesteDeCondicaoQueFalhaSegueComoSeTivessePassado) {
    EXPECT_TRUE(holds(Checked<bool>()));
    EXPECT_TRUE(holds(Checked<bool>(true)));
    EXPECT_FALSE(holds(Checked<bool>(false)));
}

TEST_F(NoLocal, TextoDeNumerosInteirosEFracionarios) {
    usar(QLocale::C, QLocale::AnyTerritory);
    EXPECT_EQ(text(0), QStringLiteral("0"));
    EXPECT_EQ(text(-5), QStringLiteral("-5"));
    EXPECT_EQ(text(99999), QStringLiteral("99999"));
    EXPECT_EQ(text(1234567.0), QStringLiteral("1234567"));
    EXPECT_EQ(text(0.25), QStringLiteral("0.25"));
    EXPECT_EQ(text(1.0 / 3), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(text(2.0 / 3 + 4), QStringLiteral("4.66666666666667"));
    EXPECT_EQ(text(1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(text(-0.0), QStringLiteral("0"));

    usar(QLocale::Portuguese, QLocale::Brazil);
    EXPECT_EQ(text(0.25), QStringLiteral("0,25"));
    EXPECT_EQ(text(1234.5), QStringLiteral("1234,5")); // never a group separator
    EXPECT_EQ(text(1234567.0), QStringLiteral("1234567"));
    EXPECT_EQ(text(-2.5), QStringLiteral("-2,5"));
}

TEST_F(NoLocal, ValorLeOInicioDoTextoSemDependerDoLocal) {
    usar(QLocale::Portuguese, QLocale::Brazil);
    EXPECT_EQ(value(QStringLiteral("12abc")), 12);
    EXPECT_EQ(value(QStringLiteral("  \t42")), 42);
    EXPECT_EQ(value(QStringLiteral("3.5x")), 3.5);
    EXPECT_EQ(value(QStringLiteral("3,5")), 3);
    EXPECT_EQ(value(QStringLiteral("1.2.3")), 1.2);
    EXPECT_EQ(value(QStringLiteral("-5")), 0); // digits only: a sign is not a number's start
    EXPECT_EQ(value(QStringLiteral("+60")), 0);
    EXPECT_EQ(value(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(value(QStringLiteral("abc")), 0);
    EXPECT_EQ(value(QStringLiteral("")), 0);
    EXPECT_EQ(value(QStringLiteral("-")), 0);
    EXPECT_EQ(value(QStringLiteral("100000")), 100000);
}

TEST_F(NoLocal, NumeroLeOTextoInteiroNoLocalDoUsuario) {
    usar(QLocale::C, QLocale::AnyTerritory);
    EXPECT_EQ(*number(QStringLiteral("12")), 12);
    EXPECT_EQ(*number(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(*number(QStringLiteral("-5")), -5);
    EXPECT_EQ(*number(QStringLiteral("0.25")), 0.25);
    EXPECT_FALSE(number(QStringLiteral("12abc")).ok());
    EXPECT_FALSE(number(QStringLiteral("abc")).ok());
    EXPECT_FALSE(number(QString()).ok());

    usar(QLocale::Portuguese, QLocale::Brazil);
    EXPECT_EQ(*number(QStringLiteral("0,25")), 0.25);
    EXPECT_EQ(*number(QStringLiteral("1.234,5")), 1234.5);
    EXPECT_EQ(*number(QStringLiteral("99999")), 99999);
    EXPECT_FALSE(number(QStringLiteral("12abc")).ok());
    EXPECT_FALSE(number(QStringLiteral("")).ok());
}

TEST(Texto, UltimosCaracteres) {
    EXPECT_EQ(lastChars(QStringLiteral("1234"), 2), QStringLiteral("34"));
    EXPECT_EQ(lastChars(QStringLiteral("7"), 2), QStringLiteral("7"));
    EXPECT_EQ(lastChars(QString(), 1), QString());
}
