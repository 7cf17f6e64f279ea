// Every participant has exactly the same chance: counted over every value the generator can
// give, not sampled, each way of an attempt gives each number 1..N from as many values.
#include "support/ContagemExata.h"

#include <gtest/gtest.h>

using namespace rodaleque;
using namespace rodaleque::teste;

TEST(EquidadeExata, CadaCaminhoDaACadaNumeroOMesmoNumeroDeValores) {
    for (const EntradaDoCaminho& e : entradasExtremas()) {
        for (int32_t n : participantesDaProva()) {
            const std::optional<uint64_t> m = faixaDoCaminho(e, n);
            ASSERT_TRUE(m.has_value()) << e.nome << ", N = " << n;
            ASSERT_GE(*m, uint64_t(n)) << e.nome << ", N = " << n;
            const int bits = uniforme::bitsPara(*m);
            const std::vector<uint64_t> contagens = contarPorIntervalos(*m, bits, n);
            ASSERT_EQ(contagens.size(), std::size_t(n)) << e.nome << ", N = " << n;
            // Each number has floor(2^bits / M) values, and the rest are drawn again.
            __extension__ const auto cada = uint64_t(((unsigned __int128)1 << bits) / *m);
            EXPECT_EQ(std::count(contagens.begin(), contagens.end(), cada), n)
                << e.nome << ", N = " << n;
            EXPECT_EQ(maiorSobreMenor(contagens), 1.0) << e.nome << ", N = " << n;
        }
    }
}

// The count by intervals is what the table above rests on: at widths small enough to go
// through every value, it must agree with asking the draw for each one.
TEST(EquidadeExata, ContagemPorIntervalosConfereComCadaValor) {
    struct Caso {
        uint64_t m;
        int bits;
        int32_t n;
    };
    for (const Caso c : {Caso{2, 1, 2}, {3, 2, 3}, {3, 7, 3}, {30, 5, 30}, {180, 8, 3},
                         {1000, 10, 1000}, {1000, 16, 1000}, {1770, 12, 30}, {65536, 16, 65536},
                         {65536, 19, 65536}, {99999, 17, 99999}, {99999, 20, 99999}}) {
        const std::vector<uint64_t> porIntervalos = contarPorIntervalos(c.m, c.bits, c.n);
        ASSERT_EQ(porIntervalos.size(), std::size_t(c.n)) << c.m << " in " << c.bits << " bits";
        EXPECT_EQ(porIntervalos, contarUmPorUm(c.m, c.bits, c.n)) << c.m << " in " << c.bits << " bits";
        EXPECT_EQ(maiorSobreMenor(porIntervalos), 1.0) << c.m << " in " << c.bits << " bits";
    }
}
