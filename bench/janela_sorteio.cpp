// What a draw costs in the real window with a nearly full panel, beside its attempts: the
// entry, the column change, the selection, the labels and the repaint that follows. Every
// draw is scripted to succeed at its first attempt, so the time measured is the rest.
#include "Medidas.h"
#include "support/AbridorDeTeste.h"
#include "support/PlataformaDeTeste.h"

#include <mainwindow/frm1.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <vector>

using namespace rodaleque;

namespace {

// Script one attempt that picks method 1 with a value that gives the number n: the clock
// stands at 1000 s and Giro1 is kept so large that the selector's second step overflows.
void roteirizar(teste::GeradorRoteirizado& g, EstadoSorteio& e, int32_t n, int32_t total) {
    e.Giro1 = 2147000000; // the spinning timers bring it back between draws
    const int m = ((1 - e.Seletor) % 9 + 9) % 9;
    g.valores.push_back(0.5f);
    g.valores.push_back(static_cast<float>((m + 0.4) / 1000.0));
    float r = static_cast<float>((n - 0.5) / total);
    while (static_cast<int32_t>(double(r) * total) + 1 < n)
        r = std::nextafter(r, 1.0f);
    while (static_cast<int32_t>(double(r) * total) + 1 > n)
        r = std::nextafter(r, 0.0f);
    g.valores.push_back(r);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir pasta;
    teste::RelogioFixo relogio;
    relogio.segundos = 1000.0f;
    platform::ArquivosDoSistema arquivos;
    teste::DialogosRoteirizados dialogos;
    teste::AbridorDeTeste abridor;
    teste::GeradorRoteirizado gerador;
    teste::EntropiaRoteirizada entropia;
    teste::PastaFixa pastaDeResultados{pasta.path()};
    teste::JanelasDeTeste janelas;
    teste::InstanciaDeTeste instancia;
    janela::frm1 janela({relogio, arquivos, dialogos, abridor, gerador, entropia,
                         pastaDeResultados, QStringLiteral("/"), janelas, instancia});
    if (!janela.Form_Load())
        return 1;
    dialogos.respostasEntrada << QStringLiteral("99999");
    janela.painel().cmdX_Click();
    janela.show();
    EstadoSorteio& e = janela.motor().estado();

    const int32_t n = 99999;
    for (int32_t numero = 1; numero <= 99990; ++numero) {
        roteirizar(gerador, e, numero, n);
        janela.motor().cmdSorteio_Click();
        // The program returns to its event loop after every draw; here every thousand.
        if (numero % 1000 == 0)
            app.processEvents();
    }
    app.processEvents();

    std::vector<double> sorteio, repintura, juntos;
    for (int32_t numero = 99991; numero <= n; ++numero) {
        roteirizar(gerador, e, numero, n);
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
