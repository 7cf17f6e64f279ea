#pragma once

// Counts, over every value the generator can give, how many give each number: the proof that
// each way of an attempt gives every participant the same chance, without sampling.
#include "MotorDeTeste.h"

#include <engine/ContagemDeEscolhas.h>
#include <engine/MetodosSorteio.h>
#include <engine/Uniforme.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace rodaleque::teste {

// How many values x of `bits` bits give each of the numbers 1..n when a candidate is drawn from
// 1..m. The values that give the number j are those with floor(x * m / 2^bits) = j - 1, one
// interval of x, whose ends are worked out here; the draw itself is asked what the ends and the
// second value give. Within an interval the low parts of x * m rise by m from the first, so only
// the first can fall below 2^bits mod m (which is below m) and be drawn again. Empty when the
// draw does not answer as its intervals say.
inline std::vector<uint64_t> contarPorIntervalos(uint64_t m, int bits, int32_t n) {
    __extension__ using U128 = unsigned __int128;
    const U128 espaco = U128(1) << bits;
    const auto inicio = [&](uint64_t j) { return uint64_t((U128(j - 1) * espaco + m - 1) / m); };
    const auto da = [&](uint64_t x) { return uniforme::numeroDoValor(x, m, bits); };
    std::vector<uint64_t> contagens(n, 0);
    for (uint64_t j = 1; j <= uint64_t(n) && j <= m; ++j) {
        const uint64_t primeiro = inicio(j);
        const uint64_t ultimo = j == m ? uint64_t(espaco - 1) : inicio(j + 1) - 1;
        const bool primeiroValeJ = da(primeiro) == j;
        const bool foraDoIntervalo = (j > 1 && da(primeiro - 1) == j) || (j < m && da(ultimo + 1) == j);
        if ((!primeiroValeJ && da(primeiro)) || da(ultimo) != j ||
            (primeiro < ultimo && da(primeiro + 1) != j) || foraDoIntervalo)
            return {};
        contagens[j - 1] = ultimo - primeiro + (primeiroValeJ ? 1 : 0);
    }
    return contagens;
}

// The same, asking the draw for every value: for widths small enough to go through.
inline std::vector<uint64_t> contarUmPorUm(uint64_t m, int bits, int32_t n) {
    std::vector<uint64_t> contagens(n, 0);
    for (uint64_t x = 0; x < (uint64_t(1) << bits); ++x)
        if (const std::optional<uint64_t> j = uniforme::numeroDoValor(x, m, bits); j && *j <= uint64_t(n))
            ++contagens[*j - 1];
    return contagens;
}

// The most values any number has over the fewest; 0 when a number has none or nothing was counted.
inline double maiorSobreMenor(const std::vector<uint64_t>& contagens) {
    if (contagens.empty())
        return 0;
    const auto [menor, maior] = std::minmax_element(contagens.begin(), contagens.end());
    return *menor == 0 ? 0 : double(*maior) / double(*menor);
}

// One way of an attempt, with what it reads set to one of its extremes.
struct EntradaDoCaminho {
    int metodo;
    const char* nome;
    int segundo = 9;                // of the local time
    int32_t giro1 = 1;
    int16_t fase = 0;
    float segundosDoDia = 45000.5f; // its hundredths end in 50
};

inline const std::vector<EntradaDoCaminho>& entradasExtremas() {
    static const std::vector<EntradaDoCaminho> entradas{
        {1, "1"},
        {2, "2, second 0", 0},
        {2, "2, second 59", 59},
        {3, "3, Giro1 1", 9, 1},
        {3, "3, Giro1 at its maximum", 9, std::numeric_limits<int32_t>::max()},
        {4, "4, phase 0", 9, 1, 0},
        {4, "4, phase 37", 9, 1, 37},
        {5, "5, hundredths 00", 9, 1, 0, 45000.0f},
        {5, "5, hundredths 99", 9, 1, 0, 45000.99f},
        {6, "6, hundredths 00", 9, 1, 0, 45000.0f},
        {6, "6, hundredths 99", 9, 1, 0, 45000.99f},
        {7, "7, a count of 3", 9},
    };
    return entradas;
}

// The range 1..M way e.metodo draws its candidate from with these inputs, among n participants,
// as the way itself works it out.
inline std::optional<uint64_t> faixaDoCaminho(const EntradaDoCaminho& e, int32_t n) {
    MotorDeTeste t;
    t.relogio.data.segundo = e.segundo;
    t.relogio.segundos = e.segundosDoDia;
    t.estado().nParticipantes = n;
    t.estado().Giro1 = e.giro1;
    t.estado().FaseCor = e.fase;
    t.roteiro.valores = {0.1f}; // way 7 reads box round(0.1 * 9 + 1) = 2
    t.controles.estat[2].valor = QStringLiteral("3");
    ContagemDeEscolhas contagem(t.controles);
    return MetodosSorteio(t.aleatorio, t.relogio, t.estado(), contagem).faixa(e.metodo);
}

inline const std::vector<int32_t>& participantesDaProva() {
    static const std::vector<int32_t> n{2, 3, 30, 1000, 10000, 65536, 99999};
    return n;
}

} // namespace rodaleque::teste
