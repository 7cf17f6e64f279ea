// Whether every participant has the same chance. First, exactly: for each way an attempt makes
// its candidate, with what it reads at its extremes, how many generator values give each number
// 1..N, counted over all of them; the most over the fewest must be exactly 1. Then by sampling:
// many first draws of fresh series, each on a simulated clock that starts at a random moment of
// the day and moves a little at every reading, as a real one does between the steps of a draw.
#include "ChiQuadrado.h"
#include "Dubles.h"
#include "support/ContagemExata.h"
#include "support/ControlesEmMemoria.h"
#include "support/PlataformaDeTeste.h"

#include <engine/MotorSorteio.h>
#include <platform/Arquivos.h>
#include <platform/Relogio.h>

#include <cstdio>
#include <random>
#include <vector>

using namespace rodaleque;

namespace {

struct RelogioSimulado : platform::Relogio {
    double agoraEmSegundos = 0;
    std::mt19937_64* passos = nullptr;
    float SegundosDoDia() override {
        // From 20 to 200 microseconds between two readings.
        agoraEmSegundos += std::uniform_real_distribution<double>(2e-5, 2e-4)(*passos);
        if (agoraEmSegundos >= 86400)
            agoraEmSegundos -= 86400;
        return static_cast<float>(agoraEmSegundos);
    }
    platform::DataHoraLocal agora() override {
        const int s = static_cast<int>(agoraEmSegundos);
        return {2026, 12, 8, s / 3600, s / 60 % 60, s % 60};
    }
};


// A fresh program: the generator as it starts, series 1, counters as the start-up sets them.
struct Programa {
    RelogioSimulado relogio;
    GeradorPcg gerador;
    platform::EntropiaDoSistema entropia;
    Aleatorio aleatorio{gerador, relogio, entropia};
    teste::ControlesEmMemoria controles;
    bench::ArquivosDescartados arquivos;
    bench::DialogosMudos dialogos;
    teste::PastaFixa pasta{QStringLiteral("/tmp")};
    ArquivoResultados arquivo{arquivos, relogio, pasta, QStringLiteral("/")};
    SerieEmAndamento emAndamento{arquivos, QString()}; // no record: nothing to go on with
    RegistroDaSerie registro{arquivos, relogio, entropia, {}};
    MotorSorteio motor{
        Ambiente{controles, aleatorio, relogio, dialogos, arquivo, emAndamento, registro}};

    Programa(std::mt19937_64& acaso, int32_t n) {
        relogio.passos = &acaso;
        relogio.agoraEmSegundos = std::uniform_real_distribution<double>(0, 86400)(acaso);
        motor.iniciar();
        motor.estado().nParticipantes = n;
        motor.estado().Giro2 = n;
    }
    int32_t sortear() {
        motor.cmdSorteio_Click();
        return controles.txtX_.valor.toInt();
    }
};

void imprimir(const char* titulo, const std::vector<double>& contagens,
              const std::vector<double>& pesos, bool listar) {
    const bench::Teste t = bench::testar(contagens, pesos);
    std::printf("%s\n  chi-square %.2f with %d degrees of freedom, p = %.4f, least/most frequent "
                "%.4f\n",
                titulo, t.quiQuadrado, t.graus, t.p, t.menorSobreMaior);
    if (listar) {
        std::printf("  frequencies:");
        double total = 0;
        for (double c : contagens)
            total += c;
        for (std::size_t i = 0; i < contagens.size(); ++i)
            std::printf(" %.2f%%", 100 * contagens[i] / total);
        std::printf("\n");
    }
}

void imprimirContagemExata() {
    std::printf("Exact count over every generator value: most values of a number over fewest\n");
    std::printf("%-26s", "way");
    for (int32_t n : teste::participantesDaProva())
        std::printf(" %12s", ("N = " + QByteArray::number(n)).constData());
    std::printf("\n");
    for (const teste::EntradaDoCaminho& e : teste::entradasExtremas()) {
        std::printf("%-26s", e.nome);
        for (int32_t n : teste::participantesDaProva()) {
            const std::optional<uint64_t> m = teste::faixaDoCaminho(e, n);
            const double razao =
                m ? teste::maiorSobreMenor(teste::contarPorIntervalos(*m, uniforme::bitsPara(*m), n))
                  : 0;
            std::printf(" %12.17g", razao); // every digit: 1 only when exactly 1
        }
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv) {
    imprimirContagemExata();
    const int rodadas = argc > 1 ? std::atoi(argv[1]) : 200000;
    std::mt19937_64 acaso(20261208);
    std::printf("%d first draws of fresh series per case\n", rodadas);

    for (int32_t n : {2, 10, 100, 1000}) {
        std::vector<double> contagens(n, 0);
        for (int i = 0; i < rodadas; ++i)
            ++contagens[Programa(acaso, n).sortear() - 1];
        const QByteArray titulo = "N = " + QByteArray::number(n);
        // Per number: at N = 1000 the least and the most frequent say more than any bands.
        imprimir(titulo.constData(), contagens, std::vector<double>(n, 1), n <= 10);
    }

    {
        // The sixth draw of N = 10: its rank among the five numbers still free. A fair draw
        // gives each rank the same chance, whichever five were drawn first.
        std::vector<double> postos(5, 0), vezesLivre(10, 0), vezesSorteado(10, 0);
        for (int i = 0; i < rodadas; ++i) {
            Programa p(acaso, 10);
            std::vector<bool> sorteado(11, false);
            for (int j = 0; j < 5; ++j)
                sorteado[p.sortear()] = true;
            const int32_t sexto = p.sortear();
            int posto = 0;
            for (int m = 1; m <= 10; ++m) {
                if (sorteado[m])
                    continue;
                ++vezesLivre[m - 1];
                if (m < sexto)
                    ++posto;
            }
            ++postos[posto];
            ++vezesSorteado[sexto - 1];
        }
        imprimir("N = 10 half drawn: the next number's rank among the five free ones", postos,
                 std::vector<double>(5, 1), true);
        imprimir("N = 10 half drawn: each number drawn, relative to how often it was free",
                 vezesSorteado, vezesLivre, false);
    }
}
