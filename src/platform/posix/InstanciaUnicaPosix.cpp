#include "platform/InstanciaUnica.h"
#include "platform/SistemaDeJanelas.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <optional>

#include <sys/socket.h>
#include <unistd.h>

namespace rodaleque::platform {

namespace {

// A title and a startup id are short; anything longer is not from a copy of ours and is not
// read.
constexpr qsizetype maximoDoQuadro = 4096;
constexpr int prazoEmMs = 1000;
constexpr char confirmacao = '\x06';

// Length (4 bytes, big-endian), the title in UTF-8, a NUL and the launcher's startup id or
// activation token: the only message there is.
QByteArray quadro(const QString& titulo, const QByteArray& ficha) {
    const QByteArray texto = (titulo.toUtf8() + '\0' + ficha).left(maximoDoQuadro);
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(quint32(texto.size()), bytes.data());
    return bytes + texto;
}

// Only this user's own processes may call: the socket lies in the user's private runtime
// folder, and the kernel says who is at the other end.
bool doMesmoUsuario(const QLocalSocket& conexao) {
    ucred credenciais{};
    socklen_t tamanho = sizeof credenciais;
    return getsockopt(int(conexao.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credenciais,
                      &tamanho) == 0 &&
           credenciais.uid == geteuid();
}

class InstanciaUnicaPosix final : public InstanciaUnica {
public:
    explicit InstanciaUnicaPosix(const QString& programa) {
        QString pasta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (pasta.isEmpty())
            pasta = QDir::tempPath();
        const QString base = pasta + u'/' + programa.toLower() + u'-' + QString::number(geteuid());
        trava_.emplace(base + QStringLiteral(".lock"));
        // Held for the whole run, however long: only a dead holder makes the lock stale.
        trava_->setStaleLockTime(0);
        nomeDoServidor_ = base + QStringLiteral(".socket");
    }

    bool outraCopiaRodando() override {
        // tryLock takes over a lock whose holder has died, checked by process id and name. A
        // lock that cannot be made at all (no runtime folder to write) must not keep the
        // program from starting: it then runs without the guard.
        if (!trava_->tryLock(0))
            return trava_->error() == QLockFile::LockFailedError;
        // A socket left by a copy that crashed; only the lock holder may clear it.
        QLocalServer::removeServer(nomeDoServidor_);
        servidor_.setSocketOptions(QLocalServer::UserAccessOption);
        if (servidor_.listen(nomeDoServidor_))
            QObject::connect(&servidor_, &QLocalServer::newConnection, &servidor_,
                             [this] { atender(); });
        return false;
    }

    void chamarPrimeiraCopia(const QString& titulo) override {
        // The first copy may still be starting its server: try again until the deadline.
        const QDeadlineTimer prazo(prazoEmMs);
        QLocalSocket conexao;
        while (true) {
            conexao.connectToServer(nomeDoServidor_);
            if (conexao.waitForConnected(int(prazo.remainingTime())))
                break;
            if (prazo.hasExpired())
                return;
            QThread::msleep(20);
        }
        conexao.write(quadro(titulo, SistemaDeJanelas::fichaDeAtivacao()));
        if (!conexao.waitForBytesWritten(int(prazo.remainingTime())))
            return;
        // The answer only says the title arrived; without it this copy ends all the same.
        while (conexao.bytesAvailable() == 0 && !prazo.hasExpired() &&
               conexao.waitForReadyRead(int(prazo.remainingTime()))) {
        }
    }

    void aoSerChamada(AoSerChamada f) override { aoSerChamada_ = std::move(f); }

private:
    void atender() {
        while (QLocalSocket* conexao = servidor_.nextPendingConnection()) {
            QObject::connect(conexao, &QLocalSocket::disconnected, conexao,
                             &QObject::deleteLater);
            if (!doMesmoUsuario(*conexao)) {
                conexao->abort();
                continue;
            }
            // A caller that never finishes its message is dropped after the same deadline.
            QObject::connect(conexao, &QLocalSocket::readyRead, conexao,
                             [this, conexao] { ler(*conexao); });
            QTimer::singleShot(prazoEmMs, conexao, [conexao] { conexao->abort(); });
        }
    }

    void ler(QLocalSocket& conexao) {
        if (conexao.bytesAvailable() < 4)
            return;
        char cabecalho[4];
        conexao.peek(cabecalho, 4);
        const quint32 tamanho = qFromBigEndian<quint32>(cabecalho);
        if (tamanho > maximoDoQuadro) {
            conexao.abort();
            return;
        }
        if (conexao.bytesAvailable() < 4 + qint64(tamanho))
            return;
        conexao.read(4);
        const QByteArray texto = conexao.read(tamanho);
        const qsizetype fim = texto.indexOf('\0');
        const QString titulo = QString::fromUtf8(fim < 0 ? texto : texto.left(fim));
        const QByteArray ficha = fim < 0 ? QByteArray() : texto.mid(fim + 1);
        conexao.write(&confirmacao, 1);
        conexao.flush();
        conexao.disconnectFromServer();
        if (aoSerChamada_)
            aoSerChamada_(titulo, ficha);
    }

    std::optional<QLockFile> trava_;
    QString nomeDoServidor_;
    QLocalServer servidor_;
    AoSerChamada aoSerChamada_;
};

} // namespace

std::unique_ptr<InstanciaUnica> criarInstanciaUnica(const QString& programa) {
    return std::make_unique<InstanciaUnicaPosix>(programa);
}

} // namespace rodaleque::platform
