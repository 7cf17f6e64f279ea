#pragma once

#include "DiagramaDoTelao.h"
#include "QuadroDoTelao.h"

#include <QWidget>

#include <optional>

namespace rodaleque::telao {

// The audience's window: the last number as large as the screen allows, the history or the
// board, the draw's code. It shows what it is given and nothing else: no number of its own
// making ever appears on it. F11 switches full screen, Esc leaves it, B blanks the screen to
// black and back, F5 closes it.
class TelaoDoPublico final : public QWidget {
public:
    explicit TelaoDoPublico(QWidget* pai = nullptr);

    void mostrar(const Quadro& quadro);
    bool apagado() const { return apagado_; }
    // What is on the screen now, at its present size.
    const Diagrama& diagrama();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    Quadro quadro_;
    std::optional<Diagrama> diagrama_;
    bool apagado_ = false;
};

} // namespace rodaleque::telao
