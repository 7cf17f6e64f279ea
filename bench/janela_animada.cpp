// The real program with its whole show, measured from inside: paints of the rain per second,
// the intervals between the window's frames, the program's own CPU and its resident memory, in
// three phases once a participant count has been entered (bench/janela-animacao.sh types it, as
// an operator would): maximised with every timer running, then with the animation switched off,
// then not maximised. With "telao", the audience screen is opened first, by F5's command.
//   bench_janela_animada [seconds of the first phase] [telao]
#include "Medidas.h"
#include "QuadrosNaTela.h"
#include "TelaDoOperador.h"

#include <mainwindow/Aplicacao.h>
#include <mainwindow/frm1.h>

#include <QAction>
#include <QCoreApplication>
#include <QScreen>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <string_view>

using namespace rodaleque;

namespace {

struct Fase {
    const char* nome;
    int segundos;
    std::function<void(janela::frm1&)> preparar;
};

class Medicao {
public:
    Medicao(janela::frm1& j, std::vector<Fase> fases) : janela_(j), fases_(std::move(fases)) {
        quadros_.observarJanela(janela_);
    }

    void comecar(bool comTelao) {
        // Waits for the count: until then nothing animates.
        auto* espera = new QTimer(&janela_);
        QObject::connect(espera, &QTimer::timeout, &janela_, [this, espera, comTelao] {
            if (janela_.motor().estado().nParticipantes == 0)
                return;
            espera->deleteLater();
            bench::levarParaATelaDoOperador(janela_);
            if (comTelao)
                abrirTelao();
            proximaFase();
        });
        espera->start(100);
    }

private:
    void abrirTelao() {
        for (QAction* acao : janela_.menu().acoes())
            if (acao->shortcut() == QKeySequence(Qt::Key_F5))
                acao->trigger();
        quadros_.observarJanela(*janela_.telao());
    }

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
            if (const telao::TelaoDoPublico* t = janela_.telao(); t && t->isVisible())
                std::printf("audience screen %dx%d%s on %s, the main window on %s\n", t->width(),
                            t->height(), t->isFullScreen() ? ", full screen" : "",
                            qPrintable(t->screen()->name()), qPrintable(janela_.screen()->name()));
            std::fflush(stdout);
            pinturas_ = janela_.chuva().pinturas();
            cpu_ = bench::segundosDeCpu();
            inicio_ = quadros_.agora();
            relogio_.start();
            QTimer::singleShot(fases_[fase_].segundos * 1000, &janela_, [this] { medir(); });
        });
    }

    void medir() {
        const double s = double(relogio_.elapsed()) / 1000.0;
        std::vector<double> intervalos;
        const bench::QuadrosNaTela::Quadro* anterior = nullptr;
        for (const auto& q : quadros_.quadros(janela_))
            if (q.inicio >= inicio_) {
                if (anterior)
                    intervalos.push_back(q.inicio - anterior->inicio);
                anterior = &q;
            }
        if (janela_.telao())
            std::printf("audience screen frames in phase %s: %zu\n", fases_[fase_].nome,
                        std::size_t(std::count_if(quadros_.quadros(*janela_.telao()).begin(),
                                                  quadros_.quadros(*janela_.telao()).end(),
                                                  [this](const auto& q) { return q.inicio >= inicio_; })));
        std::printf("phase %s ends: %.1f s, rain paints %.1f per second, frame intervals median "
                    "%.1f ms, 95th percentile %.1f ms, worst %.1f ms, CPU %.1f%% of one core, "
                    "resident memory %.1f MiB\n",
                    fases_[fase_].nome, s, (janela_.chuva().pinturas() - pinturas_) / s,
                    bench::mediana(intervalos), bench::percentil(intervalos, 0.95),
                    bench::percentil(intervalos, 1), 100.0 * (bench::segundosDeCpu() - cpu_) / s,
                    bench::memoriaResidenteMiB());
        std::fflush(stdout);
        ++fase_;
        proximaFase();
    }

    janela::frm1& janela_;
    std::vector<Fase> fases_;
    std::size_t fase_ = 0;
    int pinturas_ = 0;
    double cpu_ = 0;
    double inicio_ = 0;
    QElapsedTimer relogio_;
    bench::QuadrosNaTela quadros_;
};

} // namespace

int main(int argc, char** argv) {
    const int segundos = argc > 1 ? std::atoi(argv[1]) : 30;
    const bool comTelao = argc > 2 && std::string_view(argv[2]) == "telao";
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
        medicao->comecar(comTelao);
    });
}
