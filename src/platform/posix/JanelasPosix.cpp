#include "platform/Janelas.h"
#include "platform/SistemaDeJanelas.h"
#include "platform/posix/GerenciadorDeJanelasX11.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cerrno>
#include <ctime>

namespace rodaleque::platform {

namespace {

// Window managers here (openbox, Mutter, KWin) offer maximise only to a window that can be
// resized, so this one can be, never below its size. In the normal state a drag of its border
// is undone once the drag is over (no further resize for a moment): a window manager shows no
// drag's end, only the sizes it passes through. A maximise is no drag, whatever order the
// window manager sends its size and state in.
class TamanhoNoEstadoNormal final : public QObject {
public:
    TamanhoNoEstadoNormal(QWidget& janela, QSize tamanho)
        : QObject(&janela), janela_(janela), tamanho_(tamanho) {
        janela.setMinimumSize(tamanho);
        janela.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        janela.resize(tamanho);
        desfazer_.setSingleShot(true);
        desfazer_.setInterval(fimDoArrasto);
        connect(&desfazer_, &QTimer::timeout, this, [this] {
            if (foraDoTamanho())
                janela_.resize(tamanho_);
        });
        janela.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Resize || evento->type() == QEvent::WindowStateChange) {
            if (foraDoTamanho())
                desfazer_.start();
            else
                desfazer_.stop();
        }
        return false;
    }

private:
    static constexpr int fimDoArrasto = 400; // ms

    bool foraDoTamanho() const {
        const bool normal = !(janela_.windowState() &
                              (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
        return normal && janela_.size() != tamanho_;
    }

    QWidget& janela_;
    QSize tamanho_;
    QTimer desfazer_;
};

} // namespace

bool JanelasDoSistema::pode(Poder poder) {
    if (SistemaDeJanelas::waylandNativo())
        return false;
    // Mutter puts a window kept above in a layer of its own only while it is not maximised.
    if (poder == Poder::FicarAcimaMaximizada) {
        const QByteArray gerenciador = x11::nomeDoGerenciador();
        return gerenciador != "Mutter" && gerenciador != "GNOME Shell";
    }
    return true;
}

void JanelasDoSistema::SetWindowPos(QWidget& janela, bool acimaDeTodas) {
    // On the native window, not the widget: QWidget::setWindowFlags would hide the window and
    // make it anew, while the window's own flag only asks the window manager for the state.
    QWindow* nativa = janela.windowHandle();
    if (nativa == nullptr)
        return;
    nativa->setFlag(Qt::WindowStaysOnTopHint, acimaDeTodas);
}

void JanelasDoSistema::BordaFixa(QWidget& janela, QSize tamanho) {
    new TamanhoNoEstadoNormal(janela, tamanho); // owned by the window
}

// The window manager's frame as it last reported it, through Qt; before the window is on
// screen (while it shows, too), Qt knows none, and the window manager is asked.
QMargins JanelasDoSistema::moldura(const QWidget& janela) {
    if (!janela.testAttribute(Qt::WA_Mapped))
        return x11::molduraAntesDeMostrar(janela).value_or(QMargins());
    const QRect fora = janela.frameGeometry();
    const QRect dentro = janela.geometry();
    return {dentro.left() - fora.left(), dentro.top() - fora.top(), fora.right() - dentro.right(),
            fora.bottom() - dentro.bottom()};
}

// A top-level widget's position is its frame's, once the window manager has framed it; before,
// Qt places the client area there, so it goes where the frame it will get leaves it.
void JanelasDoSistema::moverJanela(QWidget& janela, QPoint canto, QMargins moldura) {
    janela.move(janela.testAttribute(Qt::WA_Mapped) ? canto
                                                    : canto + QPoint(moldura.left(), moldura.top()));
}

// A utility window on X11: a transient dialog that takes the focus is one KWin lets minimise,
// taking the main window with it, and gives a minimise box, whatever the window's hints say.
// Made anew with the type, before anything else is asked of it.
void JanelasDoSistema::janelaAuxiliar(QWidget& janela) {
    janela.setWindowFlags((janela.windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
    janela.winId(); // the native window, made anew now
    x11::semBotaoNaBarraDeTarefas(janela);
}

void JanelasDoSistema::trazerParaFrente(QWidget& janela, const QByteArray& ficha) {
    janela.raise();
    if (!SistemaDeJanelas::waylandNativo()) {
        x11::ativar(janela, ficha);
        return;
    }
    // Qt's Wayland client hands the compositor the token it finds here.
    if (!ficha.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", ficha);
    janela.activateWindow();
}

void JanelasDoSistema::Sleep(int milissegundos) {
    timespec resta{milissegundos / 1000, (milissegundos % 1000) * 1000000L};
    while (nanosleep(&resta, &resta) != 0 && errno == EINTR) {
    }
}

} // namespace rodaleque::platform
