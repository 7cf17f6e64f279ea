#include "platform/Arquivos.h"

#include <QFile>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rodaleque::platform {

namespace {

// A write past RLIMIT_FSIZE raises SIGXFSZ, and its default action kills the whole program
// mid-draw. Ignored, the same write simply fails with EFBIG and the append rolls back like any
// other failure. Done once for the process, and only when nobody installed a handler of their own.
void ignorarSinalDeTamanho() {
    static const bool feito = [] {
        struct sigaction atual {};
        if (sigaction(SIGXFSZ, nullptr, &atual) == 0 && atual.sa_handler == SIG_DFL) {
            struct sigaction ignorar {};
            ignorar.sa_handler = SIG_IGN;
            sigemptyset(&ignorar.sa_mask);
            sigaction(SIGXFSZ, &ignorar, nullptr);
        }
        return true;
    }();
    static_cast<void>(feito);
}

// The folder holding the file, as bytes, so that it names exactly what open(2) resolved.
QByteArray pastaDe(const QByteArray& nome) {
    const qsizetype barra = nome.lastIndexOf('/');
    if (barra < 0)
        return QByteArrayLiteral(".");
    if (barra == 0)
        return QByteArrayLiteral("/");
    return nome.left(barra);
}

bool sincronizar(int fd) {
    int r;
    do {
        r = fsync(fd);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

bool sincronizarPasta(const QByteArray& pasta) {
    const int fd = open(pasta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = sincronizar(fd);
    // close(2) after EINTR has already released the descriptor on Linux: never retry it.
    return close(fd) == 0 && ok;
}

bool escreverTudo(int fd, const char* dados, qsizetype tamanho) {
    while (tamanho > 0) {
        const ssize_t n = write(fd, dados, static_cast<size_t>(tamanho));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        // A zero-byte write of a non-empty buffer would otherwise spin here forever.
        if (n == 0)
            return false;
        dados += n;
        tamanho -= n;
    }
    return true;
}

struct Aberto {
    int fd = -1;
    bool criado = false;
    bool ocupado = false; // a new file was wanted and the name was taken
};

// Opens for appending and tells whether this very call created the file, which decides how a
// failed append is undone. O_EXCL first; if the name exists, open it without O_CREAT (unless
// only a new file will do). The name can vanish between the two, hence the short retry.
Aberto abrirParaAcrescentar(const QByteArray& nome, bool soNovo) {
    const int base = O_WRONLY | O_APPEND | O_CLOEXEC;
    for (int tentativa = 0; tentativa < 3; ++tentativa) {
        int fd;
        do {
            fd = open(nome.constData(), base | O_CREAT | O_EXCL, 0644);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0)
            return {fd, true};
        if (errno != EEXIST)
            return {};
        if (soNovo)
            return {-1, false, true};
        do {
            fd = open(nome.constData(), base);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0)
            return {fd, false};
        // ENOENT: removed in between, or a dangling link. Anything else is final.
        if (errno != ENOENT)
            return {};
    }
    return {};
}

bool cortar(int fd, off_t tamanho) {
    int r;
    do {
        r = ftruncate(fd, tamanho);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

bool cortarPeloNome(const QByteArray& nome, off_t tamanho) {
    int r;
    do {
        r = truncate(nome.constData(), tamanho);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

// Best effort: the append has already failed, so these results only decide nothing more.
void desfazer(const QByteArray& nome, int fd, const Aberto& aberto, off_t tamanhoAntes,
              bool regular) {
    if (aberto.criado) {
        if (unlink(nome.constData()) == 0)
            sincronizarPasta(pastaDe(nome));
        return;
    }
    if (!regular)
        return;
    if (fd >= 0) {
        if (cortar(fd, tamanhoAntes))
            sincronizar(fd);
    } else {
        cortarPeloNome(nome, tamanhoAntes);
    }
}

} // namespace

bool ArquivosDoSistema::nomeOcupado(const QString& caminho) {
    // lstat, not stat: a dangling link still takes the name. Any other error (no such folder,
    // no permission) leaves the name free, and the append there will report the failure.
    struct stat st {};
    return lstat(QFile::encodeName(caminho).constData(), &st) == 0;
}

namespace {

Arquivos::Criacao gravarDuravel(const QString& caminho, const QByteArray& bytes, bool soNovo) {
    ignorarSinalDeTamanho();

    const QByteArray nome = QFile::encodeName(caminho);
    if (nome.isEmpty())
        return Arquivos::Criacao::Falhou;

    const Aberto aberto = abrirParaAcrescentar(nome, soNovo);
    if (aberto.ocupado)
        return Arquivos::Criacao::NomeOcupado;
    if (aberto.fd < 0)
        return Arquivos::Criacao::Falhou;

    struct stat st {};
    if (fstat(aberto.fd, &st) != 0) {
        desfazer(nome, aberto.fd, aberto, 0, false);
        close(aberto.fd);
        return Arquivos::Criacao::Falhou;
    }
    const off_t tamanhoAntes = st.st_size;
    const bool regular = S_ISREG(st.st_mode);

    // fsync is where a delayed write error (ENOSPC, EIO) shows up, so it decides as much as
    // write does. A new file's name is only durable once its folder is synced too.
    const bool gravado = escreverTudo(aberto.fd, bytes.constData(), bytes.size()) &&
                         sincronizar(aberto.fd) &&
                         (!aberto.criado || sincronizarPasta(pastaDe(nome)));
    if (!gravado) {
        desfazer(nome, aberto.fd, aberto, tamanhoAntes, regular);
        close(aberto.fd);
        return Arquivos::Criacao::Falhou;
    }

    if (close(aberto.fd) != 0) {
        desfazer(nome, -1, aberto, tamanhoAntes, regular);
        return Arquivos::Criacao::Falhou;
    }
    return Arquivos::Criacao::Gravado;
}

} // namespace

Arquivos::Criacao ArquivosDoSistema::criarDuravel(const QString& caminho,
                                                  const QByteArray& bytes) {
    return gravarDuravel(caminho, bytes, true);
}

bool ArquivosDoSistema::acrescentarDuravel(const QString& caminho, const QByteArray& bytes) {
    return gravarDuravel(caminho, bytes, false) == Criacao::Gravado;
}

} // namespace rodaleque::platform
