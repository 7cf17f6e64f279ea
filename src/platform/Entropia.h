#pragma once

#include <cstdint>
#include <optional>

namespace rodaleque::platform {

// Random bits nobody can replay: the operating system's own generator.
class Entropia {
public:
    virtual ~Entropia() = default;
    // 64 fresh bits, or nothing when the source fails; never blocks.
    virtual std::optional<uint64_t> ler64() = 0;
};

class EntropiaDoSistema final : public Entropia {
public:
    std::optional<uint64_t> ler64() override;
};

} // namespace rodaleque::platform
