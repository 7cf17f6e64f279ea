// The window's placement on maximise and restore, and the size it keeps otherwise.
#include "frm1.h"

#include <widgets/Geometria.h>
#include "Leiaute.h"

#include <QEvent>
#include <QResizeEvent>
#include <QScreen>


namespace rodaleque::janela {

namespace {

constexpr double twipsPorPixel = 15.0;

QSizeF emTwips(QSize pixels) { return QSizeF(pixels) * twipsPorPixel; }

QSize tamanhoConstruido() {
    return {pixels(leiaute::larguraDaJanela), pixels(leiaute::alturaDaJanela)};
}

} // namespace

// Maximised as the screen shows it: asked to be, and grown past its built size. A window that
// asked where nobody maximises windows (an X server without a window manager) keeps its
// built size and is laid out as it is; a maximised window that is minimised keeps the flag,
// and counts as minimised.
bool frm1::pedidaMaximizada() const {
    return (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) == Qt::WindowMaximized;
}
bool frm1::maximizada() const { return pedidaMaximizada() && size() != tamanhoConstruido(); }
double frm1::larguraExterna() const { return frameGeometry().width() * twipsPorPixel; }
double frm1::alturaExterna() const { return frameGeometry().height() * twipsPorPixel; }

void frm1::Form_Resize() {
    const QSizeF tela = emTwips(screen()->geometry().size());
    if (maximizada()) {
        const QPointF lugar = leiaute::painelMaximizado(
            tela, QSizeF(leiaute::larguraDoPainel, leiaute::alturaDoPainel));
        moverPainel(lugar.x(), lugar.y());
        Timer1().setEnabled(true);
        return;
    }
    moverPainel(leiaute::margemDoPainel, leiaute::margemDoPainel);
    // A minimised window has no place of its own to centre; one asked to be maximised is placed
    // by the window manager, which a move now would make give up the maximise, or by nobody.
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        return;
    // Mutter maps a window asked to be maximised in the normal state first, and maximises it
    // only after placing it: a move in that moment makes it give the maximise up. Until the
    // window is seen maximised, or the wait for it is over, it is not moved.
    if (maximizacaoPendente_)
        return;
    // Restored, the window has its maximised size until the window manager's resize arrives:
    // a move now would ask for that size at the new place, and the window manager, busy, may
    // grant it after its own restore. The resize places the window when it comes.
    if (isVisible() && size() != tamanhoConstruido())
        return;
    // Not maximised, the window has its built size, even while the window manager has not
    // yet sent it: the outer size is that and the frame around it.
    const QMargins moldura = janelas_.moldura(*this);
    const QSize fora = tamanhoConstruido().grownBy(moldura);
    const QPointF lugar = leiaute::janelaCentrada(tela, emTwips(fora));
    const QPoint canto(pixelsDe(lugar.x()), pixelsDe(lugar.y()));
    janelas_.moverJanela(*this, screen()->geometry().topLeft() + canto, moldura);
}

void frm1::moverPainel(double left, double top) {
    pct1Left_ = left;
    pct1Top_ = top;
    pct1_->move(pixelsDe(left), pixelsDe(top));
    chuva_->ajustar(rect(), pct1_->geometry());
}

void frm1::maximizar() {
    maximizacaoPendente_ = true;
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

// A maximise is laid out once its size has come too; if none comes (nobody maximises the
// window), the window is laid out as it really is.
void frm1::maximizacaoNaoVeio() {
    maximizacaoPendente_ = false;
    Form_Resize();
}

void frm1::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() != QEvent::WindowStateChange)
        return;
    if (pedidaMaximizada() && !maximizada()) {
        esperaPeloMaximizado_.start();
        return;
    }
    Form_Resize();
}

// A window manager may send the size of a maximise before the state: until the state says
// so, a size other than the built one is not laid out; nor is a drag of the border, which the
// fixed border undoes.
void frm1::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    chuva_->ajustar(rect(), pct1_->geometry());
    if (maximizada() || size() == tamanhoConstruido()) {
        if (maximizada())
            maximizacaoPendente_ = false;
        esperaPeloMaximizado_.stop();
        Form_Resize();
    }
}

} // namespace rodaleque::janela
