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

// From the window's styles as they are now. Qt's own figure takes off the invisible sizing
// border of a sizing frame, which this window does not have: it gave a frame narrower than
// the client area.
QMargins JanelasDoSistema::moldura(const QWidget& janela) {
    const auto alca = reinterpret_cast<HWND>(janela.winId());
    RECT r{0, 0, 0, 0};
    if (!AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(alca, GWL_STYLE)), FALSE,
                            static_cast<DWORD>(GetWindowLongPtrW(alca, GWL_EXSTYLE))))
        return {};
    // Windows counts device pixels; the widget, Qt's scaled ones.
    const qreal escala = janela.devicePixelRatioF();
    return {qRound(-r.left / escala), qRound(-r.top / escala), qRound(r.right / escala),
            qRound(r.bottom / escala)};
}

// Windows places the outer window itself. Qt would place it from its own idea of the frame,
// which takes off the invisible sizing border of a sizing frame that this window does not
// have, and lands it a few pixels off.
// Marked as moved, too: a dialog that Qt does not know to have been placed centres itself over
// its owner when shown.
void JanelasDoSistema::moverJanela(QWidget& janela, QPoint canto, QMargins) {
    const qreal escala = janela.devicePixelRatioF();
    ::SetWindowPos(reinterpret_cast<HWND>(janela.winId()), nullptr, qRound(canto.x() * escala),
                   qRound(canto.y() * escala), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    janela.setAttribute(Qt::WA_Moved);
}

// A window owned by another, as a dialog is by the main window, has no task bar button there,
// and a fixed dialog border nothing to minimise.
void JanelasDoSistema::janelaAuxiliar(QWidget&) {}

bool JanelasDoSistema::pode(Poder) { return true; }

// A later copy has already brought the window forward itself, with the rights Windows gives
// the program the user just started.
void JanelasDoSistema::trazerParaFrente(QWidget& janela, const QByteArray&) {
    janela.raise();
    janela.activateWindow();
}

void JanelasDoSistema::Sleep(int milissegundos) {
    ::Sleep(milissegundos > 0 ? static_cast<DWORD>(milissegundos) : 0);
}

} // namespace rodaleque::platform
