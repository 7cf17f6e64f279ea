// Does what a desktop's launcher does before it starts a program: announces the launch to the
// window manager with a startup notification ("new:", with the X server's time now as the
// time of the click that asked for it), and prints the startup id that the program is given in
// DESKTOP_STARTUP_ID.
//   anunciar_inicio <name>
#include <platform/posix/GerenciadorDeJanelasX11.h>

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    // Launchers announce through X11, also in a Wayland session's Xwayland.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    namespace x11 = rodaleque::platform::x11;
    const QByteArray hora = QByteArray::number(x11::horaDoServidor());
    const QByteArray nome = argv[1];
    // The time is also in the id, where KDE's launchers put it and KWin reads it.
    const QByteArray id =
        nome + '/' + QByteArray::number(QCoreApplication::applicationPid()) + "_TIME" + hora;
    x11::notificarInicio("new: ID=" + id + " NAME=" + nome + " SCREEN=0 TIMESTAMP=" + hora);
    std::puts(id.constData());
    return 0;
}
