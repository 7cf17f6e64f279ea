#include "platform/Arquivos.h"
#include "platform/LerAteOFim.h"

#include "platform/windows/ApiWindows.h"

#include <algorithm>
#include <atomic>
#include <string>

namespace rodaleque::platform {

namespace {

// Readers such as Notepad may open a results file while a draw writes it; a second writer may
// not, so the end of the file stays where this call found it.
constexpr DWORD soLeitores = FILE_SHARE_READ;

// WriteFile and ReadFile count in a DWORD; anything larger goes in pieces.
constexpr qsizetype maiorPedaco = qsizetype(1) << 30;

bool escreverTudo(HANDLE arquivo, const QByteArray& bytes) {
    const char* dados = bytes.constData();
    qsizetype tamanho = bytes.size();
    while (tamanho > 0) {
        const auto pedaco = static_cast<DWORD>(std::min(tamanho, maiorPedaco));
        DWORD escritos = 0;
        // A zero-byte write of a non-empty buffer would otherwise spin here forever.
        if (!WriteFile(arquivo, dados, pedaco, &escritos, nullptr) || escritos == 0)
            return false;
        dados += escritos;
        tamanho -= escritos;
    }
    return true;
}

// Marks a file this process made, through its own handle, to vanish when the handle closes,
// whatever the name points to by then.
void apagarAoFechar(HANDLE arquivo) {
    FILE_DISPOSITION_INFO apagar{TRUE};
    SetFileInformationByHandle(arquivo, FileDispositionInfo, &apagar, sizeof apagar);
}

Identidade identidadeDe(const BY_HANDLE_FILE_INFORMATION& info) {
    return {info.dwVolumeSerialNumber,
            (uint64_t(info.nFileIndexHigh) << 32) | uint64_t(info.nFileIndexLow)};
}

// The folder holding the file; Windows takes either separator.
QString pastaDe(const QString& caminho) {
    const qsizetype barra = std::max(caminho.lastIndexOf(u'\\'), caminho.lastIndexOf(u'/'));
    if (barra < 0)
        return QStringLiteral(".");
    return caminho.left(barra);
}

bool ehPasta(const std::wstring& nome) {
    const DWORD atributos = GetFileAttributesW(nome.c_str());
    return atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A link or a junction stands for another name. Other reparse points are the file itself with
// something attached: OneDrive marks every file it syncs so, a deduplicated volume its files.
bool ehLigacao(HANDLE arquivo, DWORD atributos) {
    if ((atributos & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return false;
    FILE_ATTRIBUTE_TAG_INFO marca{};
    return !GetFileInformationByHandleEx(arquivo, FileAttributeTagInfo, &marca, sizeof marca) ||
           IsReparseTagNameSurrogate(marca.ReparseTag);
}

struct Regular {
    HANDLE arquivo = INVALID_HANDLE_VALUE;
    BY_HANDLE_FILE_INFORMATION info{};
    bool trocado = false; // nothing stands at the name, or something that is not a disk file
};

// Opens a name that may no longer hold what the program left there. A link at the name is
// opened itself, not followed, as on POSIX: a claim is on the name itself. Only a file on a
// disk is kept open: not a device (NUL answers in every folder), a folder or a link.
Regular abrirRegular(const std::wstring& nome, DWORD acesso, DWORD compartilhamento) {
    Regular r;
    const HANDLE arquivo =
        CreateFileW(nome.c_str(), acesso, compartilhamento, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (arquivo == INVALID_HANDLE_VALUE) {
        // A folder cannot be opened this way and answers "access denied", as a file that may
        // not be written does; only the latter is a plain failure.
        const DWORD erro = GetLastError();
        r.trocado = erro == ERROR_FILE_NOT_FOUND || erro == ERROR_PATH_NOT_FOUND ||
                    (erro == ERROR_ACCESS_DENIED && ehPasta(nome));
        return r;
    }
    if (GetFileType(arquivo) != FILE_TYPE_DISK) {
        CloseHandle(arquivo);
        r.trocado = true;
        return r;
    }
    if (!GetFileInformationByHandle(arquivo, &r.info)) {
        CloseHandle(arquivo);
        return r;
    }
    if ((r.info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        ehLigacao(arquivo, r.info.dwFileAttributes)) {
        CloseHandle(arquivo);
        r.trocado = true;
        return r;
    }
    r.arquivo = arquivo;
    return r;
}

// Makes the folder and every missing one above it.
bool garantirPasta(const QString& pasta) {
    const std::wstring nome = pasta.toStdWString();
    const DWORD atributos = GetFileAttributesW(nome.c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES)
        return (atributos & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const DWORD erro = GetLastError();
    if (erro != ERROR_FILE_NOT_FOUND && erro != ERROR_PATH_NOT_FOUND)
        return false;
    const QString acima = pastaDe(pasta);
    if (acima.isEmpty() || acima == pasta || !garantirPasta(acima))
        return false;
    return CreateDirectoryW(nome.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

struct Temporario {
    std::wstring nome;
    HANDLE arquivo = INVALID_HANDLE_VALUE;
};

// A new file beside the one to replace, under a name of this process's own; a name left by a
// copy that died is skipped, not reused.
Temporario criarTemporario(const QString& caminho) {
    static std::atomic<unsigned> contador{0};
    const QString base =
        caminho + QStringLiteral(".novo-") + QString::number(GetCurrentProcessId()) + u'-';
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        Temporario t{(base + QString::number(contador++)).toStdWString()};
        t.arquivo = CreateFileW(t.nome.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (t.arquivo != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return t;
    }
    return {};
}

} // namespace

bool ArquivosDoSistema::nomeOcupado(const QString& caminho) {
    // The attributes of the name itself: a link is not followed, so a dangling one still takes
    // the name, and a file that another program holds without sharing still stands there. Any
    // other error (no such folder, no permission) leaves the name free, and the claim there
    // will report the failure.
    const std::wstring nome = caminho.toStdWString();
    return GetFileAttributesW(nome.c_str()) != INVALID_FILE_ATTRIBUTES ||
           GetLastError() == ERROR_SHARING_VIOLATION;
}

Arquivos::Criacao ArquivosDoSistema::criarDuravel(const QString& caminho, const QByteArray& bytes,
                                                  Identidade& criado) {
    // CREATE_NEW is the claim itself. Not following a link: a dangling one takes the name,
    // instead of a file being made wherever it points. DELETE, so that a failed claim removes
    // its file through this same handle.
    const std::wstring nome = caminho.toStdWString();
    const HANDLE arquivo =
        CreateFileW(nome.c_str(), GENERIC_WRITE | DELETE, soLeitores, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (arquivo == INVALID_HANDLE_VALUE) {
        const DWORD erro = GetLastError();
        return erro == ERROR_FILE_EXISTS || erro == ERROR_ALREADY_EXISTS ? Criacao::NomeOcupado
                                                                         : Criacao::Falhou;
    }
    // A device answers to its name (NUL, CON...) whatever the disposition: nothing was made,
    // the name was already taken.
    if (GetFileType(arquivo) != FILE_TYPE_DISK) {
        CloseHandle(arquivo);
        return Criacao::NomeOcupado;
    }

    // FlushFileBuffers is where a delayed write error shows up, so it decides as much as
    // WriteFile does. NTFS journals a new name with the file's metadata, which the flush
    // commits too, so no folder is synced as on POSIX.
    BY_HANDLE_FILE_INFORMATION info{};
    const bool gravado = GetFileInformationByHandle(arquivo, &info) &&
                         escreverTudo(arquivo, bytes) && FlushFileBuffers(arquivo);
    if (!gravado)
        apagarAoFechar(arquivo);
    // The flush has reported every write error; closing reports none.
    CloseHandle(arquivo);
    if (!gravado)
        return Criacao::Falhou;
    criado = identidadeDe(info);
    return Criacao::Gravado;
}

Arquivos::Acrescimo ArquivosDoSistema::acrescentarDuravel(const QString& caminho,
                                                          const Identidade& arquivo,
                                                          const QByteArray& bytes,
                                                          qint64 tamanho) {
    // OPEN_EXISTING: a file that is gone stays gone, and its series learns of it.
    const Regular aberto = abrirRegular(caminho.toStdWString(), GENERIC_WRITE, soLeitores);
    if (aberto.arquivo == INVALID_HANDLE_VALUE)
        return aberto.trocado ? Acrescimo::Trocado : Acrescimo::Falhou;
    if (identidadeDe(aberto.info) != arquivo) {
        CloseHandle(aberto.arquivo);
        return Acrescimo::Trocado;
    }
    LARGE_INTEGER tamanhoAntes{};
    if (!GetFileSizeEx(aberto.arquivo, &tamanhoAntes)) {
        CloseHandle(aberto.arquivo);
        return Acrescimo::Falhou;
    }
    if (tamanho != qualquerTamanho && tamanhoAntes.QuadPart != tamanho) {
        CloseHandle(aberto.arquivo);
        return Acrescimo::Trocado;
    }

    // The handle can write anywhere (it must, to cut the file back), and no other writer holds
    // the file, so starting at the old end is appending.
    const bool gravado = SetFilePointerEx(aberto.arquivo, tamanhoAntes, nullptr, FILE_BEGIN) &&
                         escreverTudo(aberto.arquivo, bytes) && FlushFileBuffers(aberto.arquivo);
    if (!gravado) {
        // Best effort: the append has already failed, so this only decides nothing more.
        FILE_END_OF_FILE_INFO fim{tamanhoAntes};
        if (SetFileInformationByHandle(aberto.arquivo, FileEndOfFileInfo, &fim, sizeof fim))
            FlushFileBuffers(aberto.arquivo);
    }
    CloseHandle(aberto.arquivo);
    return gravado ? Acrescimo::Gravado : Acrescimo::Falhou;
}

std::optional<Identidade> ArquivosDoSistema::identidade(const QString& caminho) {
    // Only the attributes are asked for, and every kind of sharing is granted, so that no
    // other program's handle stands in the way.
    const Regular aberto = abrirRegular(caminho.toStdWString(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (aberto.arquivo == INVALID_HANDLE_VALUE)
        return std::nullopt;
    CloseHandle(aberto.arquivo);
    return identidadeDe(aberto.info);
}

std::optional<QByteArray> ArquivosDoSistema::ler(const QString& caminho) {
    // Sharing deletion too, so that a replacement that comes meanwhile is not refused.
    const Regular aberto = abrirRegular(caminho.toStdWString(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (aberto.arquivo == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const auto tamanho =
        (uint64_t(aberto.info.nFileSizeHigh) << 32) | uint64_t(aberto.info.nFileSizeLow);
    std::optional<QByteArray> conteudo =
        lerAteOFim(static_cast<qsizetype>(tamanho), [&](char* destino, qsizetype cabe) {
            DWORD n = 0;
            const auto pedaco = static_cast<DWORD>(std::min(cabe, maiorPedaco));
            if (!ReadFile(aberto.arquivo, destino, pedaco, &n, nullptr))
                return qint64(-1);
            return static_cast<qint64>(n);
        });
    CloseHandle(aberto.arquivo);
    return conteudo;
}

bool ArquivosDoSistema::substituirDuravel(const QString& caminho, const QByteArray& bytes) {
    if (caminho.isEmpty() || !garantirPasta(pastaDe(caminho)))
        return false;
    const Temporario novo = criarTemporario(caminho);
    if (novo.arquivo == INVALID_HANDLE_VALUE)
        return false;

    // The move puts the whole new content at the name in one step, and only once it is on the
    // device; write-through returns only when the move itself is.
    const bool gravado = escreverTudo(novo.arquivo, bytes) && FlushFileBuffers(novo.arquivo);
    CloseHandle(novo.arquivo);
    const std::wstring nome = caminho.toStdWString();
    if (gravado && MoveFileExW(novo.nome.c_str(), nome.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(novo.nome.c_str());
    return false;
}

bool ArquivosDoSistema::remover(const QString& caminho) {
    // NTFS journals the removal of a name, so no folder is synced as on POSIX.
    const std::wstring nome = caminho.toStdWString();
    if (DeleteFileW(nome.c_str()))
        return true;
    const DWORD erro = GetLastError();
    return erro == ERROR_FILE_NOT_FOUND || erro == ERROR_PATH_NOT_FOUND;
}

} // namespace rodaleque::platform
