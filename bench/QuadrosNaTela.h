#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <map>
#include <vector>

#include <sys/resource.h>

namespace rodaleque::bench {

// The frames of the windows watched: each one's start (the window's repaint request) and the
// moment its pixels have reached the window system, which has answered a round trip after the
// flush; and when a watched widget was painted. Times in ms on one clock. A frame here is one
// that update() asked for; the window system's expose paints without such a request.
class QuadrosNaTela final : public QObject {
public:
    struct Quadro {
        double inicio;
        double naTela;
        double cpu; // ms of this thread's CPU the frame took: the part load cannot stretch
    };

    QuadrosNaTela() { relogio_.start(); }

    // A top-level window whose frames are kept.
    void observarJanela(QWidget& janela) {
        janela.installEventFilter(this);
        quadros_[&janela];
    }
    // A widget whose paints are noted (see primeiraPinturaDesde).
    void observarPintura(QWidget& widget) {
        widget.installEventFilter(this);
        pinturas_[&widget];
    }

    double agora() const { return double(relogio_.nsecsElapsed()) / 1e6; }
    const std::vector<Quadro>& quadros(QWidget& janela) { return quadros_[&janela]; }
    // The first frame of that window that reached the screen at or after a time, or none.
    const Quadro* primeiroDesde(QWidget& janela, double desde) {
        for (const Quadro& q : quadros_[&janela])
            if (q.naTela >= desde)
                return &q;
        return nullptr;
    }
    // When that widget was first painted at or after a time; -1 if not since.
    double primeiraPinturaDesde(QWidget& widget, double desde) {
        for (double t : pinturas_[&widget])
            if (t >= desde)
                return t;
        return -1;
    }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override {
        auto* widget = static_cast<QWidget*>(alvo);
        if (evento->type() == QEvent::Paint && pinturas_.count(widget))
            pinturas_[widget].push_back(agora());
        if (evento->type() != QEvent::UpdateRequest || dentro_ || !quadros_.count(widget))
            return false;
        // The window handles its request here, so that its end can be seen: it paints and
        // flushes, and the round trip returns once the server has the pixels.
        const double inicio = agora();
        const double cpu = cpuDoFio();
        dentro_ = true;
        QCoreApplication::sendEvent(alvo, evento);
        dentro_ = false;
        QGuiApplication::sync();
        quadros_[widget].push_back({inicio, agora(), cpuDoFio() - cpu});
        return true;
    }

private:
    static double cpuDoFio() {
        rusage uso{};
        getrusage(RUSAGE_THREAD, &uso);
        return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3 +
               double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
    }

    QElapsedTimer relogio_;
    std::map<QWidget*, std::vector<Quadro>> quadros_;
    std::map<QWidget*, std::vector<double>> pinturas_;
    bool dentro_ = false;
};

} // namespace rodaleque::bench
