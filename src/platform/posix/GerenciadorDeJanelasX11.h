#pragma once

#include <QByteArray>
#include <QMargins>

#include <cstdint>
#include <optional>

class QWidget;

namespace rodaleque::platform::x11 {

// What the window manager is asked directly, through the EWMH hints Qt does not set. Both do
// nothing where the window is not on an X server (offscreen, Wayland).

// Has a window that is not shown yet go without a task bar button of its own
// (_NET_WM_STATE_SKIP_TASKBAR) once it is.
void semBotaoNaBarraDeTarefas(const QWidget& janela);

// The frame the window manager will put around a window that is not shown yet, asked for
// before it is (_NET_REQUEST_FRAME_EXTENTS); nothing if no window manager answers in time.
std::optional<QMargins> molduraAntesDeMostrar(const QWidget& janela);

// The window manager's name, as it announces itself (_NET_SUPPORTING_WM_CHECK); empty without
// one, or off X11.
QByteArray nomeDoGerenciador();

// The X server's time now, as an event would carry it; 0 when no X server answers.
uint32_t horaDoServidor();

// Sends the window managers a startup notification message ("new: ...", "remove: ..."), to the
// root window as the protocol has it; nothing off X11.
void notificarInicio(const QByteArray& mensagem);

// Activates the window as a program may under focus-stealing prevention: with a timestamp
// fresh from the X server (_NET_ACTIVE_WINDOW), so that no click since counts as newer. With
// the startup id of a launch that this window answers, the window takes it
// (_NET_STARTUP_ID) and the launch is marked complete, ending the launcher's busy cursor.
void ativar(const QWidget& janela, const QByteArray& idDeInicio);

} // namespace rodaleque::platform::x11
