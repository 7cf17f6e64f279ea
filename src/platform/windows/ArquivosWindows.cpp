#include "platform/Arquivos.h"

#include "platform/windows/ApiWindows.h"

#include <algorithm>
#include <string>

namespace rodaleque::platform {

namespace {

// Readers such as Notepad may open the file while a draw appends to it; a second writer may
// not, so the end of the file stays where this call found it.
constexpr DWORD compartilhamento = FILE_SHARE_READ;

// WriteFile counts in a DWORD; anything larger goes in pieces.
constexpr qsizetype maiorPedaco = qsizetype(1) << 30;

bool escreverTudo(HANDLE arquivo, const char* dados, qsizetype tamanho) {
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

struct Aberto {
    HANDLE arquivo = INVALID_HANDLE_VALUE;
    bool criado = false;
    bool ocupado = false; // a new file was wanted and the name was taken
};

// Opens for appending and tells whether this very call created the file, which decides how a
// failed append is undone. CREATE_NEW first, with DELETE so that a failed append can remove the
// new file through this same handle; if the name exists, open it as it is (unless only a new
// file will do), asking no more than the right to write it. The name can vanish between the
// two, hence the short retry.
Aberto abrirParaAcrescentar(const std::wstring& nome, bool soNovo) {
    for (int tentativa = 0; tentativa < 3; ++tentativa) {
        // Not following a link here: a dangling one takes the name, instead of a file being
        // made wherever it points.
        HANDLE arquivo =
            CreateFileW(nome.c_str(), GENERIC_WRITE | DELETE, compartilhamento, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (arquivo != INVALID_HANDLE_VALUE) {
            if (GetFileType(arquivo) == FILE_TYPE_DISK)
                return {arquivo, true};
            // A device answers to its name (NUL, CON...) whatever the disposition: nothing was
            // made, the name was already taken.
            if (!soNovo)
                return {arquivo, false};
            CloseHandle(arquivo);
            return {INVALID_HANDLE_VALUE, false, true};
        }
        const DWORD erro = GetLastError();
        if (erro != ERROR_FILE_EXISTS && erro != ERROR_ALREADY_EXISTS)
            return {};
        if (soNovo)
            return {INVALID_HANDLE_VALUE, false, true};
        // A folder cannot be opened this way and fails here, untouched.
        arquivo = CreateFileW(nome.c_str(), GENERIC_WRITE, compartilhamento, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (arquivo != INVALID_HANDLE_VALUE)
            return {arquivo, false};
        // Removed in between, or a dangling link. Anything else is final.
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            return {};
    }
    return {};
}

// Best effort: the append has already failed, so these results only decide nothing more.
// Only a disk file whose old length is known is cut back; a device is left as it is.
void desfazer(const Aberto& aberto, LARGE_INTEGER tamanhoAntes, bool cortavel) {
    if (aberto.criado) {
        // Gone when the handle closes, whatever the name points to by then.
        FILE_DISPOSITION_INFO apagar{TRUE};
        SetFileInformationByHandle(aberto.arquivo, FileDispositionInfo, &apagar, sizeof apagar);
        return;
    }
    if (!cortavel)
        return;
    FILE_END_OF_FILE_INFO fim{tamanhoAntes};
    if (SetFileInformationByHandle(aberto.arquivo, FileEndOfFileInfo, &fim, sizeof fim))
        FlushFileBuffers(aberto.arquivo);
}

Arquivos::Criacao gravarDuravel(const QString& caminho, const QByteArray& bytes, bool soNovo) {
    const std::wstring nome = caminho.toStdWString();
    const Aberto aberto = abrirParaAcrescentar(nome, soNovo);
    if (aberto.ocupado)
        return Arquivos::Criacao::NomeOcupado;
    if (aberto.arquivo == INVALID_HANDLE_VALUE)
        return Arquivos::Criacao::Falhou;

    const bool disco = GetFileType(aberto.arquivo) == FILE_TYPE_DISK;
    LARGE_INTEGER tamanhoAntes{};
    if (disco && !GetFileSizeEx(aberto.arquivo, &tamanhoAntes)) {
        desfazer(aberto, tamanhoAntes, false);
        CloseHandle(aberto.arquivo);
        return Arquivos::Criacao::Falhou;
    }

    // The handle can write anywhere (it must, to cut the file back), and no other writer holds
    // the file, so starting at the old end is appending. FlushFileBuffers is where a delayed
    // write error shows up, so it decides as much as WriteFile does. NTFS journals a new name
    // with the file's metadata, which the flush commits too, so no folder is synced as on POSIX.
    const bool gravado =
        (!disco || SetFilePointerEx(aberto.arquivo, tamanhoAntes, nullptr, FILE_BEGIN)) &&
        escreverTudo(aberto.arquivo, bytes.constData(), bytes.size()) &&
        FlushFileBuffers(aberto.arquivo);
    if (!gravado)
        desfazer(aberto, tamanhoAntes, disco);
    // The flush has reported every write error; closing reports none, and it is what removes
    // a file that the undo marked for deletion.
    CloseHandle(aberto.arquivo);
    return gravado ? Arquivos::Criacao::Gravado : Arquivos::Criacao::Falhou;
}

} // namespace

bool ArquivosDoSistema::nomeOcupado(const QString& caminho) {
    // The attributes of the name itself: a link is not followed, so a dangling one still takes
    // the name, and a file that another program holds without sharing still stands there. Any
    // other error (no such folder, no permission) leaves the name free, and the append there
    // will report the failure.
    const std::wstring nome = caminho.toStdWString();
    return GetFileAttributesW(nome.c_str()) != INVALID_FILE_ATTRIBUTES ||
           GetLastError() == ERROR_SHARING_VIOLATION;
}

Arquivos::Criacao ArquivosDoSistema::criarDuravel(const QString& caminho, const QByteArray& bytes) {
    return gravarDuravel(caminho, bytes, true);
}

bool ArquivosDoSistema::acrescentarDuravel(const QString& caminho, const QByteArray& bytes) {
    return gravarDuravel(caminho, bytes, false) == Criacao::Gravado;
}

} // namespace rodaleque::platform
