#pragma once

#include <engine/Controles.h>

#include <QLabel>
#include <QTimer>

namespace rodaleque::janela {

class RotuloDaJanela final : public Rotulo {
public:
    explicit RotuloDaJanela(QLabel& rotulo) : rotulo_(rotulo) {}
    void setCaption(const QString& legenda) override { rotulo_.setText(legenda); }

private:
    QLabel& rotulo_;
};

// A timer of the window: its ticks arrive as events on the window thread.
class TemporizadorDaJanela final : public Temporizador {
public:
    TemporizadorDaJanela(QTimer& timer) : timer_(timer) {}
    void setEnabled(bool habilitado) override {
        if (!habilitado)
            timer_.stop();
        else if (!timer_.isActive())
            timer_.start();
    }

private:
    QTimer& timer_;
};

} // namespace rodaleque::janela
