#include "platform/Janelas.h"

#include "platform/windows/ApiWindows.h"

#include <QWidget>

namespace rodaleque::platform {

void JanelasDoSistema::SetWindowPos(QWidget& janela, bool acimaDeTodas) {
    // Straight on the native window: QWidget::setWindowFlags would hide the window and make it
    // anew. winId() hands back the handle of a window that exists, and makes one only for a
    // window that was never shown; it never re-creates one.
    const auto alca = reinterpret_cast<HWND>(janela.winId());
    ::SetWindowPos(alca, acimaDeTodas ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
}

void JanelasDoSistema::Sleep(int milissegundos) {
    ::Sleep(milissegundos > 0 ? static_cast<DWORD>(milissegundos) : 0);
}

} // namespace rodaleque::platform
