#include "platform/Saida.h"

#include <cerrno>

#include <unistd.h>

namespace rodaleque::platform {

bool escrever(Saida saida, const QString& texto) {
    const int fd = saida == Saida::Padrao ? STDOUT_FILENO : STDERR_FILENO;
    const QByteArray bytes = texto.toUtf8();
    const char* dados = bytes.constData();
    qsizetype falta = bytes.size();
    while (falta > 0) {
        const ssize_t n = write(fd, dados, static_cast<size_t>(falta));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        dados += n;
        falta -= n;
    }
    return true;
}

} // namespace rodaleque::platform
