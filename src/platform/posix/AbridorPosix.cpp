#include "platform/Abridor.h"

#include <QProcess>
#include <QStringList>

namespace rodaleque::platform {

bool AbridorDoSistema::abrir(const QString& caminho) {
    // The desktop's own opener picks the user's editor. The path goes as a single argument
    // straight to exec, never through a shell, so no character in it can run anything.
    return QProcess::startDetached(QStringLiteral("xdg-open"), QStringList{caminho});
}

// The desktop's opener picks the viewer by the file's kind as it picks the editor.
bool AbridorDoSistema::abrirDocumento(const QString& caminho) { return abrir(caminho); }

} // namespace rodaleque::platform
