// The real program with its whole show, measured from inside: paints of the rain per second,
// the program's own CPU and its resident memory, in three phases once a participant count
// has been entered (bench/janela-animacao.sh types it, as an operator would): maximised with
// every timer running, then with the animation switched off, then not maximised.
#include "Medidas.h"

#include <mainwindow/Aplicacao.h>
#include <mainwindow/frm1.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <functional>

#include <sys/resource.h>

using namespace rodaleque;

namespace {

double segundosDeCpu() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
           double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

struct Fase {
    const char* nome;
    int segundos;
    std::function<void(janela::frm1&)> preparar;
};

class Medicao {
public:
    Medicao(janela::frm1& j, std::vector<Fase> fases) : janela_(j), fases_(std::move(fases)) {}

    void comecar() {
        // Waits for the count: until then nothing animates.
        auto* espera = new QTimer(&janela_);
        QObject::connect(espera, &QTimer::timeout, &janela_, [this, espera] {
            if (janela_.motor().estado().nParticipantes == 0)
                return;
            espera->deleteLater();
            proximaFase();
        });
        espera->start(100);
    }

private:
    void proximaFase() {
        if (fase_ == fases_.size()) {
            QCoreApplication::exit(0);
            return;
        }
        const Fase& f = fases_[fase_];
        f.preparar(janela_);
        // A second to settle, then the measure.
        QTimer::singleShot(1000, &janela_, [this] {
            std::printf("phase %s begins\n", fases_[fase_].nome);
            std::fflush(stdout);
            pinturas_ = janela_.chuva().pinturas();
            cpu_ = segundosDeCpu();
            relogio_.start();
            QTimer::singleShot(fases_[fase_].segundos * 1000, &janela_, [this] { medir(); });
        });
    }

    void medir() {
        const double s = double(relogio_.elapsed()) / 1000.0;
        std::printf("phase %s ends: %.1f s, rain paints %.1f per second, CPU %.1f%% of one core, "
                    "resident memory %.1f MiB\n",
                    fases_[fase_].nome, s, (janela_.chuva().pinturas() - pinturas_) / s,
                    100.0 * (segundosDeCpu() - cpu_) / s, bench::memoriaResidenteMiB());
        std::fflush(stdout);
        ++fase_;
        proximaFase();
    }

    janela::frm1& janela_;
    std::vector<Fase> fases_;
    std::size_t fase_ = 0;
    int pinturas_ = 0;
    double cpu_ = 0;
    QElapsedTimer relogio_;
};

} // namespace

int main(int argc, char** argv) {
    const int segundos = argc > 1 ? std::atoi(argv[1]) : 30;
    std::unique_ptr<Medicao> medicao;
    return janela::executar(1, argv, [&](janela::frm1& j) {
        medicao = std::make_unique<Medicao>(
            j, std::vector<Fase>{
                   {"maximised", segundos, [](janela::frm1&) {}},
                   {"animation-off", segundos / 3, [](janela::frm1& w) { w.cmdAnimar_Click(); }},
                   {"not-maximised", segundos / 3,
                    [](janela::frm1& w) {
                        w.cmdAnimar_Click();
                        w.showNormal();
                    }},
               });
        medicao->comecar();
    });
}
