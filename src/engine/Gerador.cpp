#include "Gerador.h"

#include <bit>

namespace rodaleque {

namespace {

// SplitMix64's finaliser (Steele, Lea and Flood): spreads every seed bit over the state.
uint64_t splitMix64(uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

constexpr uint64_t pcgMultiplier = 6364136223846793005ULL;
constexpr uint64_t pcgStream = 0xDA3E39CB94B95BDBULL;

} // namespace

GeradorPcg::GeradorPcg() { semearPcg(0x853C49E6748FEA9BULL, pcgStream); }

void GeradorPcg::iniciar(uint64_t estado, uint64_t sequencia) { semearPcg(estado, sequencia); }

// A reseed keeps the stream: the bits it was started from outlive the clock's reseeds.
void GeradorPcg::misturar(double semente) {
    misturarEntropia(std::bit_cast<uint64_t>(semente));
}

void GeradorPcg::misturarEntropia(uint64_t bits) {
    semearPcg(splitMix64(estado_ ^ splitMix64(bits)), incremento_ >> 1u);
}

// On the fixed stream, so that nothing but the seed decides the values.
void GeradorPcg::fixar(double semente) {
    semearPcg(splitMix64(std::bit_cast<uint64_t>(semente)), pcgStream);
}

float GeradorPcg::proximo() {
    constexpr float twoToMinus24 = 1.0f / 16777216.0f;
    return static_cast<float>(proximos32Bits() >> 8) * twoToMinus24;
}

// pcg32_srandom_r of the reference implementation.
void GeradorPcg::semearPcg(uint64_t semente, uint64_t sequencia) {
    estado_ = 0;
    incremento_ = (sequencia << 1u) | 1u;
    proximos32Bits();
    estado_ += semente;
    proximos32Bits();
}

uint32_t GeradorPcg::palavra() { return proximos32Bits(); }

uint32_t GeradorPcg::proximos32Bits() {
    const uint64_t anterior = estado_;
    estado_ = anterior * pcgMultiplier + incremento_;
    const auto xorshifted = static_cast<uint32_t>(((anterior >> 18u) ^ anterior) >> 27u);
    const auto rotacao = static_cast<uint32_t>(anterior >> 59u);
    return std::rotr(xorshifted, static_cast<int>(rotacao));
}

} // namespace rodaleque
