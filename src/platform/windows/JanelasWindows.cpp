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

// The classic fixed single border: no sizing frame, but the maximise and minimise boxes. Its
// size needs no bound of its own then, and a bound would keep a maximised window small.
void JanelasDoSistema::BordaFixa(QWidget& janela, QSize tamanho) {
    janela.setMinimumSize(tamanho);
    janela.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    janela.resize(tamanho);
    const auto alca = reinterpret_cast<HWND>(janela.winId());
    const LONG_PTR estilo = GetWindowLongPtrW(alca, GWL_STYLE);
    SetWindowLongPtrW(alca, GWL_STYLE,
                      (estilo & ~LONG_PTR(WS_THICKFRAME)) | WS_MAXIMIZEBOX | WS_MINIMIZEBOX);
    ::SetWindowPos(alca, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void JanelasDoSistema::Sleep(int milissegundos) {
    ::Sleep(milissegundos > 0 ? static_cast<DWORD>(milissegundos) : 0);
}

} // namespace rodaleque::platform
