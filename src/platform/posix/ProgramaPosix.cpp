#include "platform/Programa.h"
#include "platform/LerAteOFim.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

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

std::optional<QByteArray> Programa::lerExecutavel() {
    // The kernel's link opens the very file this process was started from, even if another
    // has been put at its path since.
    return lerPorQFile(QStringLiteral("/proc/self/exe"));
}

QString Programa::separador() {
    return QStringLiteral("/");
}

namespace {

// An XDG base directory: a relative value of its variable is ignored, as XDG asks.
QString pastaXdg(const char* variavel, const QString& padrao) {
    const QString xdg = qEnvironmentVariable(variavel);
    const QString base = QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + padrao;
    return QDir::cleanPath(base + QStringLiteral("/rodaleque"));
}

} // namespace

QString Programa::pastaDeDados() { return pastaXdg("XDG_DATA_HOME", QStringLiteral("/.local/share")); }

QString Programa::pastaDeConfiguracao() {
    return pastaXdg("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

QString PastaDeResultadosDoSistema::pasta() {
    // Asked as the effective user, who is the one that will create the files. A folder that is
    // there but cannot be written (an installed program) sends the files to the documents.
    if (!pastaDoPrograma_.isEmpty() &&
        faccessat(AT_FDCWD, QFile::encodeName(pastaDoPrograma_).constData(), W_OK | X_OK,
                  AT_EACCESS) == 0)
        return pastaDoPrograma_;
    QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documentos.isEmpty())
        documentos = QDir::homePath();
    const QString pasta = documentos + QStringLiteral("/Rodaleque");
    // If it cannot be made either, the first append there fails and the operator is told.
    QDir().mkpath(pasta);
    return pasta;
}

} // namespace rodaleque::platform
