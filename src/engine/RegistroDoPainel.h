#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace rodaleque {

// Where each drawn number stands on the results panel, kept in step with its entries, so
// that the repeat test of a draw and the search cost the same whatever the panel holds.
class RegistroDoPainel {
public:
    // The index of n's entry, or -1 when n is not on the panel.
    int32_t posicao(int32_t n) const {
        if (n < 0 || static_cast<std::size_t>(n) >= posicoes_.size())
            return -1;
        return posicoes_[n];
    }
    bool contem(int32_t n) const { return posicao(n) >= 0; }
    void registrar(int32_t n, int32_t indice) {
        if (static_cast<std::size_t>(n) >= posicoes_.size())
            posicoes_.resize(static_cast<std::size_t>(n) + 1, -1);
        quantos_ += posicoes_[n] < 0 ? 1 : 0;
        posicoes_[n] = indice;
    }
    void limpar() {
        posicoes_.clear();
        quantos_ = 0;
    }
    int32_t quantos() const { return quantos_; }

    // The numbers of the entries from index `de` up to `ate` (not included), in their order; one
    // pass over the numbers, no sort: the audience screen asks at every draw.
    std::vector<int32_t> entre(int32_t de, int32_t ate) const {
        std::vector<int32_t> numeros(std::size_t(std::max(0, ate - de)), 0);
        for (std::size_t n = 0; n < posicoes_.size(); ++n)
            if (posicoes_[n] >= de && posicoes_[n] < ate)
                numeros[std::size_t(posicoes_[n] - de)] = static_cast<int32_t>(n);
        return numeros;
    }

    // The numbers on the panel, in the order of their entries.
    std::vector<int32_t> emOrdem() const {
        std::vector<std::pair<int32_t, int32_t>> porPosicao;
        for (std::size_t n = 0; n < posicoes_.size(); ++n)
            if (posicoes_[n] >= 0)
                porPosicao.emplace_back(posicoes_[n], static_cast<int32_t>(n));
        std::sort(porPosicao.begin(), porPosicao.end());
        std::vector<int32_t> numeros;
        numeros.reserve(porPosicao.size());
        for (const auto& [posicao, n] : porPosicao)
            numeros.push_back(n);
        return numeros;
    }

    // How many of the numbers 1..n are on the panel.
    int32_t sorteadosAte(int32_t n) const {
        const std::size_t fim = std::min<std::size_t>(posicoes_.size(), n < 0 ? 0 : std::size_t(n) + 1);
        int32_t total = 0;
        for (std::size_t i = 1; i < fim; ++i)
            total += posicoes_[i] >= 0 ? 1 : 0;
        return total;
    }

private:
    std::vector<int32_t> posicoes_;
    int32_t quantos_ = 0;
};

} // namespace rodaleque
