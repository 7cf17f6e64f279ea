#include "support/MotorDeTeste.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rodaleque;
using rodaleque::teste::MotorDeTeste;

namespace {

struct Contadores : ::testing::Test {
    MotorDeTeste t;
    EstadoSorteio& e = t.estado();
    teste::ControlesEmMemoria& c = t.controles;
};

} // namespace

TEST_F(Contadores, SemContagemOsGirosFicamParados) {
    for (int i = 0; i < 50; ++i) {
        t.motor.sorter5_Timer();
        t.motor.sorter7_Timer();
    }
    EXPECT_EQ(e.Giro1, 1);
    EXPECT_EQ(e.Giro2, 0);
    // Ball 29 keeps being set to ball 0's colour minus one grey step.
    EXPECT_EQ(c.bolas[29].cor, 0x404040 - 65793);
}

TEST_F(Contadores, VoltasNosLimitesDeN) {
    e.nParticipantes = 50;
    e.Giro1 = 50;
    t.motor.sorter2_Timer();
    EXPECT_EQ(e.Giro1, 1);
    e.Giro1 = 49;
    t.motor.sorter5_Timer();
    EXPECT_EQ(e.Giro1, 50);
    e.Giro1 = 50;
    t.motor.sorter_Timer();
    EXPECT_EQ(e.Giro1, 1);

    e.Giro2 = 0;
    t.motor.sorter4_Timer();
    EXPECT_EQ(e.Giro2, 50);
    e.Giro2 = 0;
    t.motor.sorter7_Timer();
    EXPECT_EQ(e.Giro2, 50);
    e.Giro2 = 0;
    t.motor.sorter3_Timer();
    EXPECT_EQ(e.Giro2, 1);
}

TEST_F(Contadores, EstouroDeixaOGiroComoEstavaAntesDaVolta) {
    e.nParticipantes = 50;
    e.Giro1 = std::numeric_limits<int32_t>::max();
    t.motor.sorter2_Timer(); // the increment overflows, the wrap still brings it back
    EXPECT_EQ(e.Giro1, 1);
    e.Giro2 = std::numeric_limits<int32_t>::min();
    t.motor.sorter4_Timer();
    EXPECT_EQ(e.Giro2, 50);
}

TEST_F(Contadores, DigitosDasBolasParesEImpares) {
    e.nParticipantes = 99999;
    e.Giro1 = 1233;
    e.Giro2 = 56;
    t.motor.sorter_Timer(); // Giro1 becomes 1234
    EXPECT_EQ(c.bolas[4].valor, QStringLiteral("3860")); // "38603860" cut to four characters
    EXPECT_EQ(c.bolas[0].valor, QStringLiteral("3456"));
    EXPECT_EQ(c.bolas[28].valor, QStringLiteral("6284")); // 34 + 28, 56 + 28
    EXPECT_TRUE(c.bolas[1].valor.isEmpty()); // odd balls belong to the other timer

    e.Giro2 = 57;
    t.motor.sorter3_Timer(); // Giro2 becomes 56
    // T2(56, 1) twice, T2(1234, 1), then the last digit of 1234 plus 1.
    EXPECT_EQ(c.bolas[1].valor, QStringLiteral("5757"));
    EXPECT_EQ(c.bolas[29].valor, QStringLiteral("8585"));

    e.Giro1 = 6;
    e.Giro2 = -7; // counters may run below 0 for a tick; their digits are read without sign
    t.motor.sorter_Timer();
    EXPECT_EQ(c.bolas[2].valor, QStringLiteral("9999"));
}

TEST_F(Contadores, BolaNaoMudaQuandoOGiroNaoTemValorAbsoluto) {
    e.nParticipantes = 50;
    c.bolas[0].valor = QStringLiteral("12");
    e.Giro1 = 10;
    e.Giro2 = std::numeric_limits<int32_t>::min();
    t.motor.sorter_Timer();
    EXPECT_EQ(c.bolas[0].valor, QStringLiteral("12"));
}

TEST_F(Contadores, EscurecimentoDaBolaOpostaAoIndiceDaAnimacao) {
    for (auto& bola : c.bolas)
        bola.cor = 0x404040;
    e.BolaCor = 2;
    e.Giro1 = 3;
    c.bolas[2].cor = 0x808080;
    t.motor.sorter7_Timer(); // |29 - 2| AND 29 = 25
    EXPECT_EQ(c.bolas[25].cor, 0x808080 - 3 * 65793);

    e.BolaCor = 0;
    e.Giro1 = 64;
    t.motor.sorter7_Timer();
    EXPECT_EQ(c.bolas[29].cor, 0); // exactly black
    c.bolas[29].cor = 0x123456;
    e.Giro1 = 65;
    t.motor.sorter7_Timer(); // below black: refused, the ball keeps its colour
    EXPECT_EQ(c.bolas[29].cor, 0x123456);
    e.Giro1 = 264; // 264 mod 200 = 64
    t.motor.sorter7_Timer();
    EXPECT_EQ(c.bolas[29].cor, 0);
}
