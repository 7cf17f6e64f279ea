#include "platform/Arquivos.h"
#include "platform/LerAteOFim.h"

#include <QFile>

#include <atomic>
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

int abrir(const QByteArray& nome, int modo, mode_t permissoes = 0) {
    int fd;
    do {
        fd = open(nome.constData(), modo, permissoes);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool sincronizar(int fd) {
    int r;
    do {
        r = fsync(fd);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

bool sincronizarPasta(const QByteArray& pasta) {
    const int fd = abrir(pasta, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = sincronizar(fd);
    // close(2) after EINTR has already released the descriptor on Linux: never retry it.
    return close(fd) == 0 && ok;
}

bool escreverTudo(int fd, const QByteArray& bytes) {
    const char* dados = bytes.constData();
    qsizetype tamanho = bytes.size();
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

// Best effort: the append has already failed, so the result only decides nothing more.
void cortar(int fd, off_t tamanho) {
    int r;
    do {
        r = ftruncate(fd, tamanho);
    } while (r != 0 && errno == EINTR);
    if (r == 0)
        sincronizar(fd);
}

Identidade identidadeDe(const struct stat& st) {
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

struct Regular {
    int fd = -1;
    struct stat st {};
    bool trocado = false; // nothing stands at the name, or something that is not a regular file
};

// Opens a name that may no longer hold what the program left there. The link at the name is not
// followed: a claim is on the name itself, as nomeOcupado sees it, so a link is something else
// standing there. Opened without waiting, so that a FIFO put in its place cannot hang the draw,
// and without taking a terminal as this process's own. Only a regular file is kept open, back
// in blocking mode.
Regular abrirRegular(const QByteArray& nome, int modo) {
    Regular r;
    const int fd = abrir(nome, modo | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        // Gone, or a folder on its way gone; a link; a folder; a FIFO nobody reads, or a device
        // without its driver. Anything else (no permission, no memory) is a plain failure.
        r.trocado = errno == ENOENT || errno == ENOTDIR || errno == ELOOP || errno == EISDIR ||
                    errno == ENXIO || errno == ENODEV;
        return r;
    }
    if (fstat(fd, &r.st) != 0) {
        close(fd);
        return r;
    }
    if (!S_ISREG(r.st.st_mode)) {
        close(fd);
        r.trocado = true;
        return r;
    }
    const int estado = fcntl(fd, F_GETFL);
    if (estado < 0 || fcntl(fd, F_SETFL, estado & ~O_NONBLOCK) != 0) {
        close(fd);
        return r;
    }
    r.fd = fd;
    return r;
}

// Undoes a claim that failed, but only while the name still holds the file this process made:
// someone may have put their own file there in the meantime.
void removerNovo(const QByteArray& nome, const Identidade& novo) {
    struct stat st {};
    if (lstat(nome.constData(), &st) == 0 && identidadeDe(st) == novo &&
        unlink(nome.constData()) == 0)
        sincronizarPasta(pastaDe(nome));
}

// Makes the folder and every missing one above it, each synced into its parent, so that a file
// renamed into it is still there after a crash. Made for this user alone, as the XDG base
// directories ask of the data folders they name.
bool garantirPasta(const QByteArray& pasta) {
    struct stat st {};
    if (stat(pasta.constData(), &st) == 0)
        return S_ISDIR(st.st_mode);
    if (errno != ENOENT)
        return false;
    const QByteArray acima = pastaDe(pasta);
    if (acima == pasta || !garantirPasta(acima))
        return false;
    if (mkdir(pasta.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return sincronizarPasta(acima);
}

struct Temporario {
    QByteArray nome;
    int fd = -1;
};

// A new file beside the one to replace, under a name of this process's own; a name left by a
// copy that died is skipped, not reused.
Temporario criarTemporario(const QByteArray& nome) {
    static std::atomic<unsigned> contador{0};
    const QByteArray base = nome + ".novo-" + QByteArray::number(getpid()) + '-';
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        Temporario t{base + QByteArray::number(contador++)};
        t.fd = abrir(t.nome, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (t.fd >= 0 || errno != EEXIST)
            return t;
    }
    return {};
}

} // namespace

bool ArquivosDoSistema::nomeOcupado(const QString& caminho) {
    // lstat, not stat: a dangling link still takes the name. Any other error (no such folder,
    // no permission) leaves the name free, and the claim there will report the failure.
    struct stat st {};
    return lstat(QFile::encodeName(caminho).constData(), &st) == 0;
}

Arquivos::Criacao ArquivosDoSistema::criarDuravel(const QString& caminho, const QByteArray& bytes,
                                                  Identidade& criado) {
    ignorarSinalDeTamanho();
    const QByteArray nome = QFile::encodeName(caminho);
    if (nome.isEmpty())
        return Criacao::Falhou;

    // O_EXCL is the claim itself; it also refuses a link at the name instead of following it.
    const int fd = abrir(nome, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno == EEXIST ? Criacao::NomeOcupado : Criacao::Falhou;

    // fsync is where a delayed write error (ENOSPC, EIO) shows up, so it decides as much as
    // write does. A new file's name is only durable once its folder is synced too.
    struct stat st {};
    const bool gravado = fstat(fd, &st) == 0 && escreverTudo(fd, bytes) && sincronizar(fd) &&
                         sincronizarPasta(pastaDe(nome));
    const bool fechado = close(fd) == 0;
    if (!gravado || !fechado) {
        removerNovo(nome, identidadeDe(st));
        return Criacao::Falhou;
    }
    criado = identidadeDe(st);
    return Criacao::Gravado;
}

Arquivos::Acrescimo ArquivosDoSistema::acrescentarDuravel(const QString& caminho,
                                                          const Identidade& arquivo,
                                                          const QByteArray& bytes,
                                                          qint64 tamanho) {
    ignorarSinalDeTamanho();
    const QByteArray nome = QFile::encodeName(caminho);
    // Never O_CREAT: a file that is gone stays gone, and its series learns of it.
    const Regular aberto = abrirRegular(nome, O_WRONLY | O_APPEND);
    if (aberto.fd < 0)
        return aberto.trocado ? Acrescimo::Trocado : Acrescimo::Falhou;
    if (identidadeDe(aberto.st) != arquivo ||
        (tamanho != qualquerTamanho && aberto.st.st_size != tamanho)) {
        close(aberto.fd);
        return Acrescimo::Trocado;
    }

    const off_t tamanhoAntes = aberto.st.st_size;
    if (!escreverTudo(aberto.fd, bytes) || !sincronizar(aberto.fd)) {
        cortar(aberto.fd, tamanhoAntes);
        close(aberto.fd);
        return Acrescimo::Falhou;
    }
    if (close(aberto.fd) != 0) {
        // Undone through the name, so only if it still holds the same file.
        const Regular deNovo = abrirRegular(nome, O_WRONLY);
        if (deNovo.fd >= 0) {
            if (identidadeDe(deNovo.st) == arquivo)
                cortar(deNovo.fd, tamanhoAntes);
            close(deNovo.fd);
        }
        return Acrescimo::Falhou;
    }
    return Acrescimo::Gravado;
}

std::optional<Identidade> ArquivosDoSistema::identidade(const QString& caminho) {
    // lstat, as the append opens the name: a link is not the file.
    struct stat st {};
    if (lstat(QFile::encodeName(caminho).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return identidadeDe(st);
}

std::optional<QByteArray> ArquivosDoSistema::ler(const QString& caminho) {
    const Regular aberto = abrirRegular(QFile::encodeName(caminho), O_RDONLY);
    if (aberto.fd < 0)
        return std::nullopt;
    std::optional<QByteArray> conteudo =
        lerAteOFim(static_cast<qsizetype>(aberto.st.st_size), [&](char* destino, qsizetype cabe) {
            ssize_t n = 0;
            do
                n = read(aberto.fd, destino, static_cast<size_t>(cabe));
            while (n < 0 && errno == EINTR);
            return static_cast<qint64>(n);
        });
    close(aberto.fd);
    return conteudo;
}

bool ArquivosDoSistema::substituirDuravel(const QString& caminho, const QByteArray& bytes) {
    ignorarSinalDeTamanho();
    const QByteArray nome = QFile::encodeName(caminho);
    if (nome.isEmpty() || !garantirPasta(pastaDe(nome)))
        return false;
    const Temporario novo = criarTemporario(nome);
    if (novo.fd < 0)
        return false;

    // The rename puts the whole new content at the name in one step, and only once it is on
    // the device; the folder's sync makes the rename itself durable.
    const bool gravado = escreverTudo(novo.fd, bytes) && sincronizar(novo.fd);
    const bool fechado = close(novo.fd) == 0;
    if (gravado && fechado && rename(novo.nome.constData(), nome.constData()) == 0)
        return sincronizarPasta(pastaDe(nome));
    unlink(novo.nome.constData());
    return false;
}

bool ArquivosDoSistema::remover(const QString& caminho) {
    const QByteArray nome = QFile::encodeName(caminho);
    if (unlink(nome.constData()) != 0)
        return errno == ENOENT || errno == ENOTDIR; // nothing could stand there
    return sincronizarPasta(pastaDe(nome));
}

} // namespace rodaleque::platform
