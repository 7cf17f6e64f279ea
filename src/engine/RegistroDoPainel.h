#pragma once

#include <cstdint>
#include <vector>

namespace rodaleque {

// Which numbers are on the results panel, kept in step with its entries, so that the repeat
// test of a draw costs the same whatever the panel holds.
class RegistroDoPainel {
public:
    bool contem(int32_t n) const {
        return n >= 0 && static_cast<std::size_t>(n) < sorteados_.size() && sorteados_[n];
    }
    void registrar(int32_t n) {
        if (static_cast<std::size_t>(n) >= sorteados_.size())
            sorteados_.resize(static_cast<std::size_t>(n) + 1);
        sorteados_[n] = true;
    }
    void limpar() { sorteados_.clear(); }

private:
    std::vector<bool> sorteados_;
};

} // namespace rodaleque
