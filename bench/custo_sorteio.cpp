// How long a draw takes as a series fills up: complete series on the real clock and the real
// generator, the controls in memory, with and without the durable appends to the results file
// and the record (whose entries are made and chained either way).
#include "Dubles.h"
#include "Medidas.h"
#include "support/ControlesEmMemoria.h"
#include "support/PlataformaDeTeste.h"

#include <engine/MotorSorteio.h>
#include <platform/Arquivos.h>
#include <platform/Programa.h>
#include <platform/Relogio.h>

#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <memory>

using namespace rodaleque;
using Relogio = std::chrono::steady_clock;

namespace {

struct Marco {
    const char* nome;
    int32_t sorteio; // 1-based draw of the series
    std::vector<double> ms, tentativas;
};

struct Serie {
    platform::RelogioDoSistema relogio;
    GeradorPcg gerador;
    platform::EntropiaDoSistema entropia;
    Aleatorio aleatorio{gerador, relogio, entropia};
    teste::ControlesEmMemoria controles;
    bench::DialogosMudos dialogos;
    std::unique_ptr<teste::PastaFixa> pasta;
    std::unique_ptr<ArquivoResultados> arquivo;
    std::unique_ptr<SerieEmAndamento> emAndamento;
    std::unique_ptr<RegistroDaSerie> registro;
    std::unique_ptr<MotorSorteio> motor;

    Serie(platform::Arquivos& arquivos, const QString& pastaDosArquivos, int32_t n) {
        pasta = std::make_unique<teste::PastaFixa>(pastaDosArquivos);
        arquivo = std::make_unique<ArquivoResultados>(arquivos, relogio, *pasta, QStringLiteral("/"));
        // No record of the running series: what is timed is the draw and its append.
        emAndamento = std::make_unique<SerieEmAndamento>(arquivos, QString());
        registro = std::make_unique<RegistroDaSerie>(
            arquivos, relogio, entropia,
            RegistroDaSerie::Programa{QStringLiteral("bench"), &platform::Programa::lerExecutavel});
        motor = std::make_unique<MotorSorteio>(
            Ambiente{controles, aleatorio, relogio, dialogos, *arquivo, *emAndamento, *registro});
        motor->iniciar();
        motor->estado().nParticipantes = n;
        motor->estado().Giro2 = n;
    }
};

double segundosDesde(Relogio::time_point inicio) {
    return std::chrono::duration<double>(Relogio::now() - inicio).count();
}

// Runs one whole series; notes time and attempts of the marked draws; returns its seconds.
double serieCompleta(platform::Arquivos& arquivos, const QString& pasta, int32_t n,
                     std::vector<Marco>& marcos) {
    Serie s(arquivos, pasta, n);
    const auto inicio = Relogio::now();
    for (int32_t i = 1; i <= n; ++i) {
        const auto antes = Relogio::now();
        s.motor->cmdSorteio_Click();
        for (Marco& m : marcos) {
            if (m.sorteio == i) {
                m.ms.push_back(segundosDesde(antes) * 1e3);
                m.tentativas.push_back(s.controles.txtBar_.valor.size());
            }
        }
    }
    return segundosDesde(inicio);
}

} // namespace

int main(int argc, char** argv) {
    const bool rapido = argc > 1 && QByteArray(argv[1]) == "--rapido";
    bench::ArquivosDescartados descartados;
    bench::ArquivosCronometrados disco;
    QTemporaryDir pasta;

    std::printf("draw cost, real clock; median over the series (attempts, ms)\n");
    for (int32_t n : {100, 10000, 99999}) {
        const int series = rapido ? 1 : (n == 100 ? 200 : n == 10000 ? 30 : 15);
        std::vector<Marco> marcos{{"first", 1, {}, {}},
                                  {"50%", n / 2, {}, {}},
                                  {"99%", n * 99 / 100, {}, {}},
                                  {"last", n, {}, {}}};
        std::vector<double> semArquivo;
        for (int i = 0; i < series; ++i)
            semArquivo.push_back(serieCompleta(descartados, pasta.path(), n, marcos));
        std::vector<Marco> semMarcos;
        disco.ms = 0;
        disco.escritas = 0;
        const double comArquivo = serieCompleta(disco, pasta.path(), n, semMarcos);

        std::printf("N = %d (%d series)\n", n, series);
        for (const Marco& m : marcos)
            std::printf("  draw %-5s (#%d): %10.0f attempts %9.3f ms   (worst %.3f ms)\n", m.nome,
                        m.sorteio, bench::mediana(m.tentativas), bench::mediana(m.ms),
                        *std::max_element(m.ms.begin(), m.ms.end()));
        const Marco& ultimo = marcos.back();
        double ms = 0, tentativas = 0;
        for (std::size_t i = 0; i < ultimo.ms.size(); ++i) {
            ms += ultimo.ms[i];
            tentativas += ultimo.tentativas[i];
        }
        std::printf("  last draws: %.0f attempts on average, %.0f ns per attempt\n",
                    tentativas / ultimo.ms.size(), ms * 1e6 / tentativas);
        std::printf("  whole series without file appends: %8.3f s (median), with appends "
                    "(one series, synced to disk): %8.3f s\n",
                    bench::mediana(semArquivo), comArquivo);
        std::printf("    of which %.3f s in %lld durable writes of the results file and the record "
                    "(%.3f ms each)\n",
                    disco.ms / 1e3, static_cast<long long>(disco.escritas),
                    disco.ms / double(std::max<int64_t>(1, disco.escritas)));
    }
    std::printf("peak resident memory: %.1f MiB\n", bench::picoDeMemoriaMiB());
}
