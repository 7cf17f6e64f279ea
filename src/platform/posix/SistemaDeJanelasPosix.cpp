#include "platform/SistemaDeJanelas.h"

#include <QGuiApplication>
#include <QList>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace rodaleque::platform {

namespace {

QByteArray ficha_;
QByteArray tentada_;
bool escolhidaAqui_ = false;
QtMessageHandler anterior_ = nullptr;
struct Mensagem {
    QtMsgType tipo;
    QString texto;
};
QList<Mensagem> retidas_;

// An X server answers: the display opens, with the authorisation it asks for (Xwayland's
// own file, in a Wayland session).
bool xResponde() {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const bool responde = xcb_connection_has_error(c) == 0;
    xcb_disconnect(c);
    return responde;
}

// A Wayland compositor listens where its clients look for it: WAYLAND_DISPLAY, a name in the
// runtime folder or a path, "wayland-0" when unset.
bool waylandResponde() {
    QByteArray caminho = qgetenv("WAYLAND_DISPLAY");
    if (caminho.isEmpty())
        caminho = "wayland-0";
    if (!caminho.startsWith('/')) {
        const QByteArray pasta = qgetenv("XDG_RUNTIME_DIR");
        if (pasta.isEmpty())
            return false;
        caminho = pasta + '/' + caminho;
    }
    sockaddr_un endereco{};
    endereco.sun_family = AF_UNIX;
    if (caminho.size() >= qsizetype(sizeof endereco.sun_path))
        return false;
    std::memcpy(endereco.sun_path, caminho.constData(), size_t(caminho.size()));
    const int s = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return false;
    const bool responde =
        ::connect(s, reinterpret_cast<const sockaddr*>(&endereco), sizeof endereco) == 0;
    ::close(s);
    return responde;
}

// While the window system opens, Qt's English messages wait; its abort becomes our message.
void aoAbrir(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
    if (tipo == QtFatalMsg) {
        std::fputs(mensagemSemSistemaDeJanelas(tentada_).toLocal8Bit().constData(), stderr);
        std::_Exit(1);
    }
    retidas_.append({tipo, texto});
}

} // namespace

QByteArray plataformaPara(const QByteArray& pedida, bool xResponde, bool waylandResponde) {
    if (!pedida.isEmpty())
        return pedida;
    // Through X11 the window may stay on top, come forward and place its dialogs; should the
    // X server fail meanwhile, Qt goes on to Wayland.
    if (xResponde)
        return waylandResponde ? QByteArrayLiteral("xcb;wayland") : QByteArrayLiteral("xcb");
    return waylandResponde ? QByteArrayLiteral("wayland") : QByteArray();
}

QString mensagemSemSistemaDeJanelas(const QByteArray& tentada) {
    if (tentada.isEmpty())
        return QString::fromUtf8("Rodaleque: não foi possível abrir a janela do programa: "
                                 "nenhum servidor X (DISPLAY) nem sessão Wayland "
                                 "(WAYLAND_DISPLAY) responde.\n");
    QString mensagem = QString::fromUtf8("Rodaleque: não foi possível abrir a janela do "
                                         "programa no sistema de janelas \"%1\".")
                           .arg(QString::fromLocal8Bit(tentada));
    if (tentada.contains("wayland"))
        mensagem += QString::fromUtf8(" Numa sessão Wayland sem X11, o programa precisa do "
                                      "pacote qt6-wayland.");
    return mensagem + u'\n';
}

bool SistemaDeJanelas::escolher() {
    ficha_ = qgetenv("XDG_ACTIVATION_TOKEN");
    if (ficha_.isEmpty())
        ficha_ = qgetenv("DESKTOP_STARTUP_ID");
    const QByteArray pedida = qgetenv("QT_QPA_PLATFORM");
    tentada_ = pedida.isEmpty() ? plataformaPara({}, xResponde(), waylandResponde()) : pedida;
    if (tentada_.isEmpty()) {
        std::fputs(mensagemSemSistemaDeJanelas({}).toLocal8Bit().constData(), stderr);
        return false;
    }
    escolhidaAqui_ = pedida.isEmpty();
    if (escolhidaAqui_)
        qputenv("QT_QPA_PLATFORM", tentada_);
    anterior_ = qInstallMessageHandler(aoAbrir);
    return true;
}

void SistemaDeJanelas::aberto() {
    qInstallMessageHandler(anterior_);
    // Programs this one starts (the text editor) choose for themselves.
    if (escolhidaAqui_)
        qunsetenv("QT_QPA_PLATFORM");
    for (const Mensagem& m : std::exchange(retidas_, {}))
        anterior_(m.tipo, QMessageLogContext(), m.texto);
}

bool SistemaDeJanelas::waylandNativo() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

QByteArray SistemaDeJanelas::fichaDeAtivacao() { return ficha_; }

} // namespace rodaleque::platform
