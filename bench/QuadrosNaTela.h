#pragma once

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <map>
#include <vector>

namespace rodaleque::bench {

// The frames of the windows watched: each one's start (the window's repaint request) and the
// moment its pixels have reached the window system, which has answered a round trip after the
// flush; and when a watched widget was last painted. Times in ms on one clock.
class QuadrosNaTela final : public QObject {
public:
    struct Quadro {
        double inicio;
        double naTela;
    };

    QuadrosNaTela() { relogio_.start(); }

    // A top-level window whose frames are kept.
    void observarJanela(QWidget& janela) {
        janela.installEventFilter(this);
        quadros_[&janela];
    }
    // A widget whose paints are noted (see ultimaPintura).
    void observarPintura(QWidget& widget) {
        widget.installEventFilter(this);
        pinturas_[&widget] = -1;
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
    double ultimaPintura(QWidget& widget) { return pinturas_[&widget]; }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override {
        auto* widget = static_cast<QWidget*>(alvo);
        if (evento->type() == QEvent::Paint && pinturas_.count(widget))
            pinturas_[widget] = agora();
        if (evento->type() != QEvent::UpdateRequest || dentro_ || !quadros_.count(widget))
            return false;
        // The window handles its request here, so that its end can be seen: it paints and
        // flushes, and the round trip returns once the server has the pixels.
        const double inicio = agora();
        dentro_ = true;
        QCoreApplication::sendEvent(alvo, evento);
        dentro_ = false;
        QGuiApplication::sync();
        quadros_[widget].push_back({inicio, agora()});
        return true;
    }

private:
    QElapsedTimer relogio_;
    std::map<QWidget*, std::vector<Quadro>> quadros_;
    std::map<QWidget*, double> pinturas_;
    bool dentro_ = false;
};

} // namespace rodaleque::bench
