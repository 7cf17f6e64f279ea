// The audience window alone, full screen on the X server it is given, with nothing changing:
// the CPU it takes and the timers and paints it receives over a stretch of seconds, once it
// has painted and a second has passed. It has no timer of its own, so a rest costs nothing.
// Then what showing a new draw costs it: laid out again, painted, on the server.
//   bench_telao_parado [seconds] [N]
#include "ContagemDeEventos.h"
#include "Medidas.h"
#include "QuadrosNaTela.h"

#include <telao/TelaoDoPublico.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace rodaleque;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int segundos = argc > 1 ? std::atoi(argv[1]) : 10;
    const int32_t n = argc > 2 ? std::atoi(argv[2]) : 99999;

    // Mid-series: the number, its code and a full history (or the board, up to 100).
    telao::Quadro quadro{3, n, {}, 0, QStringLiteral("7F3A-09C2"), {}, false};
    for (int32_t i = 0; i < std::min(n / 2, telao::ultimosNoQuadro); ++i)
        quadro.ultimos.push_back(1 + (i * 7919) % n);
    quadro.sorteados = int32_t(quadro.ultimos.size());

    telao::TelaoDoPublico telao;
    bench::QuadrosNaTela quadros;
    const auto novosSorteios = [&] {
        std::vector<double> diagrama, quadro_, cpu;
        for (int vez = 0; vez < 20; ++vez) {
            quadro.ultimos.push_back(1 + (quadro.sorteados++ * 7919) % n);
            telao.mostrar(quadro);
            // Laid out here, so that the frame that follows is the painting and the flush.
            const double antesDoDiagrama = quadros.agora();
            static_cast<void>(telao.diagrama());
            diagrama.push_back(quadros.agora() - antesDoDiagrama);
            const std::size_t antes = quadros.quadros(telao).size();
            while (quadros.quadros(telao).size() == antes)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
            const auto& q = quadros.quadros(telao).back();
            quadro_.push_back(q.naTela - q.inicio);
            cpu.push_back(q.cpu);
        }
        std::printf("a new draw shown (20 draws): laid out in median %.1f ms (worst %.1f), painted "
                    "and on the server in median %.1f ms (worst %.1f), of which the program's CPU "
                    "median %.1f ms (worst %.1f)\n",
                    bench::mediana(diagrama), *std::max_element(diagrama.begin(), diagrama.end()),
                    bench::mediana(quadro_), *std::max_element(quadro_.begin(), quadro_.end()),
                    bench::mediana(cpu), *std::max_element(cpu.begin(), cpu.end()));
    };
    quadros.observarJanela(telao);
    telao.mostrar(quadro);
    telao.showFullScreen();
    quadros.observarPintura(telao);
    while (quadros.primeiraPinturaDesde(telao, 0) < 0 || telao.size() != telao.screen()->size())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    std::printf("audience window %dx%d (%s platform), N = %d\n", telao.width(), telao.height(),
                qPrintable(QGuiApplication::platformName()), n);

    bench::ContagemDeEventos eventos;
    double cpu = 0;
    QElapsedTimer relogio;
    QTimer::singleShot(1000, [&] {
        std::printf("rest begins\n");
        std::fflush(stdout);
        eventos.zerar();
        cpu = bench::segundosDeCpu();
        relogio.start();
        QTimer::singleShot(segundos * 1000, [&] {
            const double s = double(relogio.elapsed()) / 1000.0;
            // The bench's own timer that ends the rest is the one expected.
            const int timers = eventos.total(QEvent::Timer);
            std::printf("rest ends: %.1f s, CPU %.2f%% of one core, %d timer events (this bench's "
                        "own included), %d paints, %d repaint requests\n",
                        s, 100.0 * (bench::segundosDeCpu() - cpu) / s, timers,
                        eventos.total(QEvent::Paint), eventos.total(QEvent::UpdateRequest));
            for (const auto& [chave, vezes] : eventos.porReceptor())
                std::printf("  %s event %d: %d\n", qPrintable(chave.first), int(chave.second), vezes);
            std::fflush(stdout);
            novosSorteios();
            QCoreApplication::quit();
        });
    });
    return app.exec();
}
