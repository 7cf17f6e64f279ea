#include "DiscoPequeno.h"

#include <QDir>

// Windows cannot make one on its own; the Wine session maps a drive to a tmpfs of 16 KiB when it
// runs as root, and names that drive here. It is scratch space: emptied before each use.
struct DiscoPequeno::Montagem {};

DiscoPequeno::DiscoPequeno() {
    const QString pasta = qEnvironmentVariable("RODALEQUE_DISCO_PEQUENO");
    if (pasta.isEmpty()) {
        motivo_ = QStringLiteral("no small disk named in RODALEQUE_DISCO_PEQUENO (the Wine "
                                 "session maps one when it runs as root)");
        return;
    }
    QDir disco(pasta);
    for (const QString& nome : disco.entryList(QDir::Files | QDir::Hidden | QDir::System))
        disco.remove(nome);
    pasta_ = pasta;
}

DiscoPequeno::~DiscoPequeno() = default;
