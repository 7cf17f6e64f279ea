// What one drawn number costs the results panel when it already holds almost all of them:
// the entry, the column count the window sets, the selection of the new entry and a paint
// of the panel, done at once. Also the cost of filling the panel while it is hidden.

#include "Medidas.h"
#include "mainwindow/PainelResultados.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using rodaleque::janela::PainelResultados;

namespace {

QString entrada(int k) {
    return QStringLiteral("%1").arg(k + 1, 5, 10, QLatin1Char('0'));
}

void vestir(PainelResultados& painel) {
    QPalette cores = painel.palette();
    cores.setColor(QPalette::Base, QColor(64, 64, 64));
    cores.setColor(QPalette::Text, QColor(0, 255, 0));
    painel.setPalette(cores);
    QFont fonte(QStringLiteral("Liberation Sans"), 24);
    fonte.setBold(true);
    painel.setFont(fonte);
    painel.resize(703, 189);
}

double ms(const QElapsedTimer& relogio) {
    return static_cast<double>(relogio.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    constexpr int cheio = 99990;
    constexpr int medidas = 50;

    PainelResultados painel;
    vestir(painel);
    painel.setColumns(6);
    painel.show();
    for (int k = 0; k < cheio; ++k)
        painel.addItem(entrada(k));
    QCoreApplication::processEvents();

    std::vector<double> passo;
    std::vector<double> soAcrescimo;
    for (int m = 0; m < medidas; ++m) {
        const int k = painel.listCount();
        QElapsedTimer relogio;
        relogio.start();
        painel.addItem(entrada(k));
        painel.setColumns(6);
        if (!painel.setListIndex(painel.listCount() - 1))
            return 1;
        painel.viewport()->repaint();
        passo.push_back(ms(relogio));
        // What is left queued (scroll bar paint, layout) is settled outside the timing.
        QCoreApplication::processEvents();
    }
    for (int m = 0; m < medidas; ++m) {
        QElapsedTimer relogio;
        relogio.start();
        painel.addItem(entrada(painel.listCount()));
        soAcrescimo.push_back(ms(relogio));
        QCoreApplication::processEvents();
    }

    std::printf("results panel shown at 703x189: %d rows x %d columns on screen, %d entries\n",
                painel.linhasPorColuna(), painel.columns(), cheio);
    std::printf("addItem + setColumns(6) + setListIndex(last) + repaint(), %d runs: "
                "median %.3f ms, max %.3f ms\n",
                medidas, rodaleque::bench::mediana(passo),
                *std::max_element(passo.begin(), passo.end()));
    std::printf("addItem alone (shown), %d runs: median %.4f ms, max %.4f ms\n", medidas,
                rodaleque::bench::mediana(soAcrescimo),
                *std::max_element(soAcrescimo.begin(), soAcrescimo.end()));

    // Hidden: the window hides the panel while a long series is written into it. The texts
    // are made beforehand so that only the panel is timed.
    QStringList textos;
    for (int k = 0; k < 99999; ++k)
        textos.append(entrada(k));
    std::vector<double> ocultos;
    for (int rodada = 0; rodada < 5; ++rodada) {
        PainelResultados oculto;
        vestir(oculto);
        oculto.setColumns(6);
        oculto.show();
        QCoreApplication::processEvents();
        oculto.setVisible(false);
        QElapsedTimer relogio;
        relogio.start();
        for (const QString& texto : textos)
            oculto.addItem(texto);
        ocultos.push_back(ms(relogio));
    }
    std::printf("99999 addItem while hidden, 5 runs: median %.3f ms, max %.3f ms\n",
                rodaleque::bench::mediana(ocultos),
                *std::max_element(ocultos.begin(), ocultos.end()));
    std::printf("peak resident memory: %.1f MiB\n", rodaleque::bench::picoDeMemoriaMiB());
    return 0;
}
