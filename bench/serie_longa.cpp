// A whole series, 99999 of 99999, through the real window (offscreen unless told otherwise),
// every number appended durably to its results file in a temporary folder. Each draw is
// scripted to succeed at its first attempt, so what is timed is a draw's cost outside its
// attempts: the panel entry and labels, the durable append, and the repaint that follows.
// Every 5000 draws it prints resident memory and that cost; neither may grow with the entries
// once the panel is full of them, beyond the entries' own text.
#include "Dubles.h"
#include "JanelaDeBancada.h"
#include "Medidas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

using namespace rodaleque;

namespace {

double percentil(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * double(v.size() - 1))];
}

// Every number of 1..n once, each on a line of its digits and CR LF, and nothing else.
bool arquivoCompleto(const QString& caminho, int32_t n) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    std::vector<bool> visto(static_cast<std::size_t>(n) + 1, false);
    int32_t linhas = 0;
    for (const QByteArray& linha : f.readAll().split('\n')) {
        if (linha.isEmpty())
            continue;
        const int32_t v = linha.chopped(1).toInt();
        if (!linha.endsWith('\r') || QByteArray::number(v) != linha.chopped(1) || v < 1 || v > n ||
            visto[v])
            return false;
        visto[v] = true;
        ++linhas;
    }
    return linhas == n;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::ArquivosCronometrados arquivos;
    bench::JanelaDeBancada bancada(arquivos);
    const int32_t n = 99999;
    bancada.informarParticipantes(n);
    janela::frm1& janela = bancada.janela;
    janela.show();
    app.processEvents();

    // In an order no cheaper than a real one.
    std::vector<int32_t> ordem(n);
    std::iota(ordem.begin(), ordem.end(), 1);
    std::shuffle(ordem.begin(), ordem.end(), std::mt19937(20260708));

    std::printf("%d of %d drawn in the window (%s platform), each at its first attempt, appended "
                "durably into %s\n",
                n, n, qPrintable(QGuiApplication::platformName()),
                qPrintable(bancada.pasta.path()));
    std::printf("%7s %9s | %-29s | %-25s | %8s %8s\n", "", "", "draw + repaint (ms)",
                "median of its parts (ms)", "", "");
    std::printf("%7s %9s | %9s %9s %9s | %8s %8s %8s | %8s %8s\n", "draws", "VmRSS MiB", "median",
                "p99", "worst", "panel", "append", "repaint", "attempts", "s");
    std::vector<double> juntos, painel, gravacao, repintura;
    int64_t tentativas = 0;
    QElapsedTimer desdeOInicio;
    desdeOInicio.start();
    for (int32_t i = 1; i <= n; ++i) {
        bancada.roteirizar(ordem[i - 1]);
        const double gravacaoAntes = arquivos.ms;
        QElapsedTimer medida;
        medida.start();
        janela.motor().cmdSorteio_Click();
        const double sorteio = medida.nsecsElapsed() / 1e6;
        janela.repaint();
        juntos.push_back(medida.nsecsElapsed() / 1e6);
        gravacao.push_back(arquivos.ms - gravacaoAntes);
        painel.push_back(sorteio - gravacao.back());
        repintura.push_back(juntos.back() - sorteio);
        tentativas += janela.txtBar().text().size();
        // Back to the event loop after every draw, as the program is: the timers tick there.
        app.processEvents();
        if (i % 5000 == 0 || i == n) {
            std::printf("%7d %9.1f | %9.3f %9.3f %9.3f | %8.3f %8.3f %8.3f | %8lld %8.0f\n", i,
                        bench::memoriaResidenteMiB(), bench::mediana(juntos),
                        percentil(juntos, 0.99), *std::max_element(juntos.begin(), juntos.end()),
                        bench::mediana(painel), bench::mediana(gravacao), bench::mediana(repintura),
                        static_cast<long long>(tentativas), desdeOInicio.elapsed() / 1000.0);
            std::fflush(stdout);
            juntos.clear();
            painel.clear();
            gravacao.clear();
            repintura.clear();
            tentativas = 0;
        }
    }
    const QString arquivo = janela.motor().estado().Arquivo;
    std::printf("panel: %d entries; results file %s: %s\n", janela.lstN().listCount(),
                qPrintable(arquivo),
                arquivoCompleto(arquivo, n) ? "every number of 1..99999 once, whole lines"
                                            : "NOT COMPLETE");
    std::printf("peak resident memory: %.1f MiB\n", bench::picoDeMemoriaMiB());
}
