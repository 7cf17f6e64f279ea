#include "DiscoPequeno.h"

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

// A tmpfs of 16 KiB mounted on a scratch folder; only root may mount one.
struct DiscoPequeno::Montagem {
    QTemporaryDir ponto{QStringLiteral("/tmp/disco-pequeno-XXXXXX")};
    bool montado = false;
    ~Montagem() {
        if (montado)
            umount2(QFile::encodeName(ponto.path()).constData(), MNT_DETACH);
    }
};

DiscoPequeno::DiscoPequeno() : montagem_(std::make_unique<Montagem>()) {
    if (geteuid() != 0) {
        motivo_ = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    const QByteArray ponto = QFile::encodeName(montagem_->ponto.path());
    if (mount("tmpfs", ponto.constData(), "tmpfs", 0, "size=16k,mode=0755") != 0) {
        motivo_ = QStringLiteral("cannot mount tmpfs here: ") + QString::fromLocal8Bit(strerror(errno));
        return;
    }
    montagem_->montado = true;
    pasta_ = montagem_->ponto.path();
}

DiscoPequeno::~DiscoPequeno() = default;
