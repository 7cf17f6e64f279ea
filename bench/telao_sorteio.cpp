// From a draw to the audience screen: the real window, its audience screen opened with F5's
// command as the operator would, and draws made with the "Sortear!" button. For each draw, when
// the main window's frame showing the number reached the window system, and when the audience
// screen's did; the audience screen should come within one frame (16.7 ms at 60 Hz) of the main
// window. Every draw is scripted to succeed at its first attempt.
//   bench_telao_sorteio [N] [draws]
#include "JanelaDeBancada.h"
#include "Medidas.h"
#include "QuadrosNaTela.h"
#include "TelaDoOperador.h"

#include <platform/SistemaDeJanelas.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>

#include <cstdio>
#include <vector>

using namespace rodaleque;

namespace {

// Runs the event loop until the condition holds or the time is up; false if it is up.
template <typename Condicao> bool esperar(Condicao condicao, int ms) {
    QElapsedTimer relogio;
    relogio.start();
    while (!condicao()) {
        if (relogio.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

void imprimir(const char* nome, const std::vector<double>& v) {
    std::printf("  %-44s median %6.2f ms, 90th percentile %6.2f ms, worst %6.2f ms\n", nome,
                bench::mediana(v), bench::percentil(v, 0.9),
                v.empty() ? 0 : *std::max_element(v.begin(), v.end()));
}

} // namespace

int main(int argc, char** argv) {
    // The window system the program itself would pick (a Wayland session's Xwayland).
    if (!platform::SistemaDeJanelas::escolher())
        return 1;
    QApplication app(argc, argv);
    const int32_t n = argc > 1 ? std::atoi(argv[1]) : 99999;
    const int sorteios = std::min(argc > 2 ? std::atoi(argv[2]) : 30, n - 1);
    platform::ArquivosDoSistema arquivos;
    bench::JanelaDeBancada bancada(arquivos);
    bancada.informarParticipantes(n);
    janela::frm1& janela = bancada.janela;
    janela.show();
    bench::levarParaATelaDoOperador(janela);

    for (QAction* acao : janela.menu().acoes())
        if (acao->shortcut() == QKeySequence(Qt::Key_F5))
            acao->trigger();
    telao::TelaoDoPublico& telao = *janela.telao();
    auto* sortear = janela.findChild<QAbstractButton*>(QStringLiteral("cmdSorteio"));
    auto* numeroNaJanela = dynamic_cast<QWidget*>(&janela.txtX());

    bench::QuadrosNaTela quadros;
    quadros.observarJanela(janela);
    quadros.observarJanela(telao);
    quadros.observarPintura(*numeroNaJanela);
    if (!esperar([&] { return telao.isVisible() && !quadros.quadros(telao).empty(); }, 10000)) {
        std::printf("the audience screen did not paint\n");
        return 1;
    }
    esperar([] { return false; }, 1000); // settles: full screen, the window manager's moves
    std::printf("N = %d, main window %dx%d on %s, audience screen %dx%d on %s%s (%s platform, "
                "%d screens)\n",
                n, janela.width(), janela.height(), qPrintable(janela.screen()->name()),
                telao.width(), telao.height(), qPrintable(telao.screen()->name()),
                telao.isFullScreen() ? " full screen" : "",
                qPrintable(QGuiApplication::platformName()), int(QGuiApplication::screens().size()));

    std::vector<double> janelaApos, telaoApos, diferenca, pinturaDoTelao, cpuDoTelao;
    int perdidos = 0;
    for (int32_t numero = 1; numero <= sorteios; ++numero) {
        bancada.roteirizar(numero);
        const double inicio = quadros.agora();
        sortear->click();
        const bool viu = esperar(
            [&] {
                const double pintado = quadros.primeiraPinturaDesde(*numeroNaJanela, inicio);
                return pintado >= 0 && quadros.primeiroDesde(janela, pintado) &&
                       quadros.primeiroDesde(telao, inicio);
            },
            2000);
        if (!viu || janela.txtX().text() != numeros::text(numero)) {
            ++perdidos;
            continue;
        }
        // The main window's frame that painted the number; the audience screen's first since.
        const auto* daJanela =
            quadros.primeiroDesde(janela, quadros.primeiraPinturaDesde(*numeroNaJanela, inicio));
        const auto* doTelao = quadros.primeiroDesde(telao, inicio);
        janelaApos.push_back(daJanela->naTela - inicio);
        telaoApos.push_back(doTelao->naTela - inicio);
        diferenca.push_back(doTelao->naTela - daJanela->naTela);
        pinturaDoTelao.push_back(doTelao->naTela - doTelao->inicio);
        cpuDoTelao.push_back(doTelao->cpu);
        esperar([] { return false; }, 100); // the next draw a moment later, as an operator's
    }
    std::printf("%zu draws (%d not seen), from the click:\n", diferenca.size(), perdidos);
    imprimir("main window's number on screen", janelaApos);
    imprimir("audience screen's number on screen", telaoApos);
    imprimir("audience screen after the main window", diferenca);
    imprimir("audience screen's frame (paint + flush)", pinturaDoTelao);
    imprimir("  of which the program's CPU", cpuDoTelao);
    return perdidos ? 1 : 0;
}
