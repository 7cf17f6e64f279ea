#include "platform/Janelas.h"

#include <QWidget>
#include <QWindow>

#include <cerrno>
#include <ctime>

namespace rodaleque::platform {

void JanelasDoSistema::SetWindowPos(QWidget& janela, bool acimaDeTodas) {
    // On the native window, not the widget: QWidget::setWindowFlags would hide the window and
    // make it anew, while the window's own flag only asks the window manager for the state.
    QWindow* nativa = janela.windowHandle();
    if (nativa == nullptr)
        return;
    nativa->setFlag(Qt::WindowStaysOnTopHint, acimaDeTodas);
}

void JanelasDoSistema::Sleep(int milissegundos) {
    timespec resta{milissegundos / 1000, (milissegundos % 1000) * 1000000L};
    while (nanosleep(&resta, &resta) != 0 && errno == EINTR) {
    }
}

} // namespace rodaleque::platform
