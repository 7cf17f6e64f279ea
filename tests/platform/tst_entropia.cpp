#include "platform/Entropia.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

using rodaleque::platform::EntropiaDoSistema;

TEST(EntropiaDoSistema, EveryReadGivesFreshBitsWithEveryBitFree) {
    EntropiaDoSistema entropia;
    std::set<uint64_t> lidos;
    uint64_t algumUm = 0, algumZero = 0;
    for (int i = 0; i < 256; ++i) {
        const std::optional<uint64_t> bits = entropia.ler64();
        ASSERT_TRUE(bits.has_value()) << "read " << i << " failed";
        lidos.insert(*bits);
        algumUm |= *bits;
        algumZero |= ~*bits;
    }
    // 256 draws of 64 bits repeat with a chance of about 2^-49; a stuck bit shows at once.
    EXPECT_EQ(lidos.size(), 256u);
    EXPECT_EQ(algumUm, ~uint64_t(0));
    EXPECT_EQ(algumZero, ~uint64_t(0));
}
