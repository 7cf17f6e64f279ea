#include "platform/Janelas.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cerrno>
#include <ctime>

namespace rodaleque::platform {

namespace {

// Window managers here give a window the maximise button only if it can be resized, and
// resize by dragging whatever is not bounded. So the window manager is told the only size
// while the window is not maximised, and the bound is lifted while it is. It follows the
// window's state, before the window itself lays out for it.
class TamanhoForaDoMaximizado final : public QObject {
public:
    TamanhoForaDoMaximizado(QWidget& janela, QSize tamanho) : QObject(&janela), tamanho_(tamanho) {
        janela.installEventFilter(this);
        aplicar(janela);
    }

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::WindowStateChange)
            aplicar(static_cast<QWidget&>(*objeto));
        return false;
    }

private:
    void aplicar(QWidget& janela) const {
        if (janela.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
            janela.setMinimumSize(tamanho_);
            janela.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        } else {
            janela.setFixedSize(tamanho_);
        }
    }

    QSize tamanho_;
};

} // namespace

void JanelasDoSistema::SetWindowPos(QWidget& janela, bool acimaDeTodas) {
    // On the native window, not the widget: QWidget::setWindowFlags would hide the window and
    // make it anew, while the window's own flag only asks the window manager for the state.
    QWindow* nativa = janela.windowHandle();
    if (nativa == nullptr)
        return;
    nativa->setFlag(Qt::WindowStaysOnTopHint, acimaDeTodas);
}

void JanelasDoSistema::BordaFixa(QWidget& janela, QSize tamanho) {
    new TamanhoForaDoMaximizado(janela, tamanho); // owned by the window
}

// The window manager's frame as it last reported it, through Qt.
QMargins JanelasDoSistema::moldura(const QWidget& janela) {
    const QRect fora = janela.frameGeometry();
    const QRect dentro = janela.geometry();
    return {dentro.left() - fora.left(), dentro.top() - fora.top(), fora.right() - dentro.right(),
            fora.bottom() - dentro.bottom()};
}

// A top-level widget's position is its frame's.
void JanelasDoSistema::moverJanela(QWidget& janela, QPoint canto) { janela.move(canto); }

void JanelasDoSistema::Sleep(int milissegundos) {
    timespec resta{milissegundos / 1000, (milissegundos % 1000) * 1000000L};
    while (nanosleep(&resta, &resta) != 0 && errno == EINTR) {
    }
}

} // namespace rodaleque::platform
