#pragma once

#include <cstdint>

namespace rodaleque {

// The generator underneath the random source. Replaceable so that a test can script the
// values a draw receives.
class Gerador {
public:
    virtual ~Gerador() = default;

    // Mixes a seed into the current state: the same seed twice in a row still gives two
    // different sequences.
    virtual void misturar(double semente) = 0;

    // Sets the state from the seed alone, so that the same seed always gives the same values.
    virtual void fixar(double semente) = 0;

    // Mixes bits nobody else knows into the state, so that knowing the clock is not enough
    // to know what comes next.
    virtual void misturarEntropia(uint64_t bits) = 0;

    // Starts afresh from 128 such bits: the state and the stream of values.
    virtual void iniciar(uint64_t estado, uint64_t sequencia) = 0;

    // The next value, a single-precision number in [0, 1) with 24 random bits.
    virtual float proximo() = 0;

    // The next 32 random bits, the generator's whole output: what a draw's candidate is made of.
    virtual uint32_t palavra() = 0;
};

// PCG32 (O'Neill's XSH-RR output on a 64-bit LCG), seeded through SplitMix64.
class GeradorPcg final : public Gerador {
public:
    GeradorPcg();
    void misturar(double semente) override;
    void fixar(double semente) override;
    void misturarEntropia(uint64_t bits) override;
    void iniciar(uint64_t estado, uint64_t sequencia) override;
    float proximo() override;
    uint32_t palavra() override;

private:
    void semearPcg(uint64_t semente, uint64_t sequencia);
    uint32_t proximos32Bits();

    uint64_t estado_ = 0;
    uint64_t incremento_ = 0;
};

} // namespace rodaleque
