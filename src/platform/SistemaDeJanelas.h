#pragma once

#include <QByteArray>
#include <QString>

namespace rodaleque::platform {

// The window system the program runs on, picked before Qt opens one.
class SistemaDeJanelas {
public:
    // Picks the window system, unless the person named one in QT_QPA_PLATFORM, and keeps the
    // launcher's startup id or activation token. Until aberto(), a window system that cannot
    // be opened ends the program with a message in Portuguese on standard error, status 1,
    // instead of Qt's abort. False, with the message written, when there is none at all.
    static bool escolher();
    // The application object exists: Qt's messages go their own way again.
    static void aberto();

    // A native Wayland client, which may not keep itself above other windows, bring itself
    // forward or place its own windows.
    static bool waylandNativo();

    // What the launcher gave this copy to bring a window forward with: the X11 startup
    // notification id or the Wayland activation token; empty if none.
    static QByteArray fichaDeAtivacao();
};

// Where the program runs, given what the person asked for (QT_QPA_PLATFORM, possibly empty)
// and which displays answer: X11 where there is one (a Wayland session's Xwayland too), else
// Wayland. Empty when nothing can be opened.
QByteArray plataformaPara(const QByteArray& pedida, bool xResponde, bool waylandResponde);

// The Portuguese message for a start with no window system, given what was tried.
QString mensagemSemSistemaDeJanelas(const QByteArray& tentada);

} // namespace rodaleque::platform
