// The words the minutes are written in: the cases where Portuguese does not simply join words.
#include <ata/PorExtenso.h>

#include <gtest/gtest.h>

using namespace rodaleque;
using extenso::Genero;

TEST(PorExtenso, CardinaisDificeis) {
    struct Caso {
        int n;
        const char* texto;
        Genero genero = Genero::Masculino;
    };
    const Caso casos[] = {
        {0, "zero"},
        {1, "um"},
        {1, "uma", Genero::Feminino},
        {2, "duas", Genero::Feminino},
        {14, "catorze"},
        {16, "dezesseis"},
        {19, "dezenove"},
        {20, "vinte"},
        {21, "vinte e um"},
        {21, "vinte e uma", Genero::Feminino},
        {22, "vinte e duas", Genero::Feminino},
        {90, "noventa"},
        {100, "cem"},
        {101, "cento e um"},
        {110, "cento e dez"},
        {115, "cento e quinze"},
        {200, "duzentos"},
        {200, "duzentas", Genero::Feminino},
        {456, "quatrocentos e cinquenta e seis"},
        {500, "quinhentos"},
        {999, "novecentos e noventa e nove"},
        {1000, "mil"},
        {1001, "mil e um"},
        {1010, "mil e dez"},
        {1100, "mil e cem"},
        {1101, "mil cento e um"},
        {1200, "mil e duzentos"},
        {1234, "mil duzentos e trinta e quatro"},
        {2000, "dois mil"},
        {2026, "dois mil e vinte e seis"},
        {2100, "dois mil e cem"},
        {10000, "dez mil"},
        {21000, "vinte e um mil"},
        {21001, "vinte e um mil e um"},
        {99999, "noventa e nove mil novecentos e noventa e nove"},
        {65536, "sessenta e cinco mil quinhentos e trinta e seis"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(extenso::cardinal(c.n, c.genero).toStdString(), c.texto) << c.n;
}

TEST(PorExtenso, DatasEHoras) {
    EXPECT_EQ(extenso::data(QDate(2026, 12, 9)).toStdString(),
              "Aos nove dias do mês de dezembro de dois mil e vinte e seis");
    EXPECT_EQ(extenso::data(QDate(2027, 3, 1)).toStdString(),
              "Ao primeiro dia do mês de março de dois mil e vinte e sete");
    EXPECT_EQ(extenso::data(QDate(2030, 1, 21)).toStdString(),
              "Aos vinte e um dias do mês de janeiro de dois mil e trinta");

    const std::pair<QTime, const char*> horas[] = {
        {QTime(11, 20), "às onze horas e vinte minutos"},
        {QTime(0, 5), "à zero hora e cinco minutos"},
        {QTime(1, 0), "à uma hora"},
        {QTime(1, 1), "à uma hora e um minuto"},
        {QTime(2, 30), "às duas horas e trinta minutos"},
        {QTime(12, 0), "às doze horas"},
        {QTime(21, 21), "às vinte e uma horas e vinte e um minutos"},
        {QTime(22, 59), "às vinte e duas horas e cinquenta e nove minutos"},
    };
    for (const auto& [momento, texto] : horas)
        EXPECT_EQ(extenso::hora(momento).toStdString(), texto) << momento.toString().toStdString();
}
