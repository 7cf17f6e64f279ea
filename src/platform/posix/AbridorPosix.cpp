#include "platform/Abridor.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStringList>

namespace rodaleque::platform {

bool AbridorDoSistema::abrir(const QString& caminho) {
    // The desktop's own opener picks the user's editor. The path goes as a single argument
    // straight to exec, never through a shell, so no character in it can run anything.
    return QProcess::startDetached(QStringLiteral("xdg-open"), QStringList{caminho});
}

// The desktop's opener picks the viewer by the file's kind as it picks the editor. It starts
// whether or not the desktop has a viewer for that kind, and then fails unseen: the desktop is
// asked first, so that the caller can say where the file is when nothing will show it.
bool AbridorDoSistema::abrirDocumento(const QString& caminho) {
    QProcess consulta;
    consulta.start(QStringLiteral("xdg-mime"),
                   {QStringLiteral("query"), QStringLiteral("default"),
                    QMimeDatabase().mimeTypeForFile(caminho).name()});
    if (!consulta.waitForFinished(5000) || consulta.exitStatus() != QProcess::NormalExit ||
        consulta.exitCode() != 0 || consulta.readAllStandardOutput().trimmed().isEmpty())
        return false;
    return abrir(caminho);
}

} // namespace rodaleque::platform
