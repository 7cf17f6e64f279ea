#pragma once

#include "DiagramaDoTelao.h"
#include "FigurasDosTextos.h"
#include "QuadroDoTelao.h"

#include <QWidget>

class QScreen;

#include <optional>

namespace rodaleque::telao {

// The audience's window: the last number as large as the screen allows, the history or the
// board, the draw's code. It shows what it is given and nothing else: no number of its own
// making ever appears on it. F11 switches full screen, Esc leaves it, B blanks the screen to
// black and back, F5 closes it.
class TelaoDoPublico final : public QWidget {
public:
    explicit TelaoDoPublico(QWidget* pai = nullptr);

    // Opens where the audience looks: full screen on a screen other than the operator's when
    // there is one, else as a window the operator can move, on the operator's screen. It takes
    // no keys from the main window: the operator goes on drawing there.
    void abrirFora(QScreen* doOperador);

    void mostrar(const Quadro& quadro);
    void alternarTelaCheia(QScreen* doOperador);
    void alternarApagado();
    bool apagado() const { return apagado_; }
    // What is on the screen now, at its present size.
    const Diagrama& diagrama();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void mostrarEmTelaCheia();

    Quadro quadro_;
    std::optional<Diagrama> diagrama_;
    FigurasDosTextos textos_;
    bool apagado_ = false;
};

} // namespace rodaleque::telao
