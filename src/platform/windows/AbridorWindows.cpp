#include "platform/Abridor.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace rodaleque::platform {

bool AbridorDoSistema::abrir(const QString& caminho) {
    // Notepad takes everything after its name as the file name, blanks included.
    std::wstring linha = L"NOTEPAD.EXE " + caminho.toStdWString();

    STARTUPINFOW inicio{};
    inicio.cb = sizeof(inicio);
    inicio.dwFlags = STARTF_USESHOWWINDOW;
    inicio.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION processo{};

    // CreateProcessW may write into the command line, hence the non-const buffer.
    if (!CreateProcessW(nullptr, linha.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &inicio, &processo))
        return false;

    // Not waited for: the editor lives on its own.
    CloseHandle(processo.hThread);
    CloseHandle(processo.hProcess);
    return true;
}

} // namespace rodaleque::platform
