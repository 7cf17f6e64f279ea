#include "platform/Entropia.h"

#include "platform/windows/ApiWindows.h"

#include <bcrypt.h>

namespace rodaleque::platform {

std::optional<uint64_t> EntropiaDoSistema::ler64() {
    // The system's preferred generator, seeded by Windows at boot: no algorithm handle to open,
    // and it never waits. A failure leaves the draw to go on with the clock alone.
    uint64_t bits = 0;
    if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&bits), sizeof bits,
                                        BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        return std::nullopt;
    return bits;
}

} // namespace rodaleque::platform
