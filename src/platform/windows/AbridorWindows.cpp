#include "platform/Abridor.h"

#include "platform/windows/ApiWindows.h"

#include <shellapi.h>

#include <string>

namespace rodaleque::platform {

namespace {

// The Windows system folder, where Notepad comes with the system; empty if it cannot be had.
std::wstring pastaDoSistema() {
    std::wstring pasta(MAX_PATH, L'\0');
    UINT n = GetSystemDirectoryW(pasta.data(), static_cast<UINT>(pasta.size()));
    // Too small a buffer gives the size needed, terminator included.
    if (n >= pasta.size()) {
        pasta.resize(n);
        n = GetSystemDirectoryW(pasta.data(), static_cast<UINT>(pasta.size()));
    }
    if (n == 0 || n >= pasta.size())
        return {};
    pasta.resize(n);
    return pasta;
}

} // namespace

bool AbridorDoSistema::abrir(const QString& caminho) {
    // By its full path in the system folder, never searched for: a bare "NOTEPAD.EXE" is looked
    // up first in the program's own folder, which can be written and holds the results files,
    // so a program left there under that name would run instead.
    const std::wstring sistema = pastaDoSistema();
    if (sistema.empty())
        return false;
    const std::wstring notepad = sistema + L"\\notepad.exe";

    // Notepad takes everything after its own name as the file name, blanks included, so the
    // path goes unquoted. Its own name is quoted, so that it ends where Notepad looks for it.
    std::wstring linha = L'"' + notepad + L"\" " + caminho.toStdWString();

    STARTUPINFOW inicio{};
    inicio.cb = sizeof(inicio);
    inicio.dwFlags = STARTF_USESHOWWINDOW;
    inicio.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION processo{};

    // CreateProcessW may write into the command line, hence the non-const buffer.
    if (!CreateProcessW(notepad.c_str(), linha.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &inicio, &processo))
        return false;

    // Not waited for: the editor lives on its own.
    CloseHandle(processo.hThread);
    CloseHandle(processo.hProcess);
    return true;
}

bool AbridorDoSistema::abrirDocumento(const QString& caminho) {
    // The shell's "open" verb starts whatever the user chose for the file's kind. Values above
    // 32 mean it did.
    const HINSTANCE resultado = ShellExecuteW(nullptr, L"open", caminho.toStdWString().c_str(),
                                              nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(resultado) > 32;
}

} // namespace rodaleque::platform
