#include "platform/Saida.h"

#include "platform/windows/ApiWindows.h"

#include <algorithm>

namespace rodaleque::platform {

namespace {

// A console shows wide characters as they are, whatever its code page; its own call writes them.
bool escreverNoConsole(HANDLE console, const QString& texto) {
    const auto* dados = reinterpret_cast<const wchar_t*>(texto.utf16());
    qsizetype falta = texto.size();
    while (falta > 0) {
        DWORD escritos = 0;
        const auto pedaco = static_cast<DWORD>(std::min<qsizetype>(falta, 16384));
        if (!WriteConsoleW(console, dados, pedaco, &escritos, nullptr) || escritos == 0)
            return false;
        dados += escritos;
        falta -= escritos;
    }
    return true;
}

bool escreverBytes(HANDLE arquivo, const QByteArray& bytes) {
    const char* dados = bytes.constData();
    qsizetype falta = bytes.size();
    while (falta > 0) {
        DWORD escritos = 0;
        const auto pedaco = static_cast<DWORD>(std::min<qsizetype>(falta, 1 << 20));
        if (!WriteFile(arquivo, dados, pedaco, &escritos, nullptr) || escritos == 0)
            return false;
        dados += escritos;
        falta -= escritos;
    }
    return true;
}

} // namespace

bool escrever(Saida saida, const QString& texto) {
    const HANDLE destino =
        GetStdHandle(saida == Saida::Padrao ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (destino == INVALID_HANDLE_VALUE || destino == nullptr)
        return false;
    DWORD modo = 0;
    if (GetConsoleMode(destino, &modo))
        return escreverNoConsole(destino, texto);
    // Redirected: the text as a Windows text file holds it.
    QString comCrLf = texto;
    comCrLf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return escreverBytes(destino, comCrLf.toUtf8());
}

} // namespace rodaleque::platform
