// What a draw costs in the real window with a nearly full panel, beside its attempts: the
// entry, the column change, the selection, the labels and the repaint that follows. Every
// draw is scripted to succeed at its first attempt, so the time measured is the rest.
#include "JanelaDeBancada.h"
#include "Medidas.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <vector>

using namespace rodaleque;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::ArquivosDoSistema arquivos;
    bench::JanelaDeBancada bancada(arquivos);
    const int32_t n = 99999;
    bancada.informarParticipantes(n);
    janela::frm1& janela = bancada.janela;
    janela.show();

    for (int32_t numero = 1; numero <= 99990; ++numero) {
        bancada.roteirizar(numero);
        janela.motor().cmdSorteio_Click();
        // The program returns to its event loop after every draw; here every thousand.
        if (numero % 1000 == 0)
            app.processEvents();
    }
    app.processEvents();

    std::vector<double> sorteio, repintura, juntos;
    for (int32_t numero = 99991; numero <= n; ++numero) {
        bancada.roteirizar(numero);
        QElapsedTimer relogioDaMedida;
        relogioDaMedida.start();
        janela.motor().cmdSorteio_Click();
        const double ms = relogioDaMedida.nsecsElapsed() / 1e6;
        janela.repaint();
        sorteio.push_back(ms);
        juntos.push_back(relogioDaMedida.nsecsElapsed() / 1e6);
        repintura.push_back(juntos.back() - ms);
    }
    std::printf("draws 99991..99999 of N = 99999 in the window (%s platform), one attempt each\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("  the draw without its attempts: median %.3f ms, worst %.3f ms\n",
                bench::mediana(sorteio), *std::max_element(sorteio.begin(), sorteio.end()));
    std::printf("  the repaint that follows:      median %.3f ms, worst %.3f ms\n",
                bench::mediana(repintura), *std::max_element(repintura.begin(), repintura.end()));
    std::printf("  together:                      median %.3f ms, worst %.3f ms\n",
                bench::mediana(juntos), *std::max_element(juntos.begin(), juntos.end()));
    std::printf("peak resident memory with %d entries: %.1f MiB\n", janela.lstN().listCount(),
                bench::picoDeMemoriaMiB());
}
