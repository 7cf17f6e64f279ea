#include "platform/Entropia.h"

#include <sys/random.h>

namespace rodaleque::platform {

std::optional<uint64_t> EntropiaDoSistema::ler64() {
    // GRND_NONBLOCK: early in boot, before the kernel's pool is ready, fail instead of waiting;
    // the draw then goes on with the clock alone.
    uint64_t bits = 0;
    if (getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits))
        return std::nullopt;
    return bits;
}

} // namespace rodaleque::platform
