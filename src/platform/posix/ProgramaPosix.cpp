#include "platform/Programa.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace rodaleque::platform {

QString Programa::pasta() {
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::applicationDirPath();
    // Before (or without) an application object Qt cannot say; the kernel's link to the running
    // executable can, and it is already absolute.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    if (exe.isEmpty())
        return QString();
    return QFileInfo(exe).absolutePath();
}

QString Programa::separador() {
    return QStringLiteral("/");
}

} // namespace rodaleque::platform
