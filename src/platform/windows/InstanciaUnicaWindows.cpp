#include "platform/InstanciaUnica.h"

#include "platform/windows/ApiWindows.h"

#include <sddl.h>

#include <string>

namespace rodaleque::platform {

namespace {

// The user's security identifier as text (S-1-5-21-...), which no rename changes; empty if the
// process's token will not say.
std::wstring identificadorDoUsuario() {
    DWORD tamanho = 0;
    GetTokenInformation(GetCurrentProcessToken(), TokenUser, nullptr, 0, &tamanho);
    if (tamanho == 0)
        return {};
    // operator new[] aligns for any type, as TOKEN_USER and the SID after it need.
    const auto dados = std::make_unique<BYTE[]>(tamanho);
    if (!GetTokenInformation(GetCurrentProcessToken(), TokenUser, dados.get(), tamanho, &tamanho))
        return {};
    LPWSTR texto = nullptr;
    if (!ConvertSidToStringSidW(reinterpret_cast<const TOKEN_USER*>(dados.get())->User.Sid, &texto))
        return {};
    std::wstring sid = texto;
    LocalFree(texto);
    return sid;
}

// A named mutex is the claim: Windows destroys it with the last handle, so a copy that crashed
// or was killed leaves nothing behind, and of copies started together exactly one creates it.
// Local\ is the user's logon session; the identifier keeps apart another user in the same
// session (a program started "as another user"). Without it, the session alone separates.
class InstanciaUnicaWindows final : public InstanciaUnica {
public:
    explicit InstanciaUnicaWindows(const QString& programa)
        : nome_(L"Local\\" + programa.toStdWString() + L'-' + identificadorDoUsuario()) {}

    InstanciaUnicaWindows(const InstanciaUnicaWindows&) = delete;
    InstanciaUnicaWindows& operator=(const InstanciaUnicaWindows&) = delete;

    ~InstanciaUnicaWindows() override {
        if (mutex_ != nullptr)
            CloseHandle(mutex_);
    }

    bool outraCopiaRodando() override {
        if (mutex_ != nullptr)
            return false;
        HANDLE mutex = CreateMutexW(nullptr, FALSE, nome_.c_str());
        const DWORD erro = GetLastError();
        if (mutex == nullptr) {
            // Made by a copy of this user that runs elevated, whose object this one may not
            // open: that copy runs all the same. Any other failure cannot tell; this one runs.
            return erro == ERROR_ACCESS_DENIED;
        }
        if (erro == ERROR_ALREADY_EXISTS) {
            CloseHandle(mutex);
            return true;
        }
        // Held, not owned, for as long as this object lives: its existence is the claim.
        mutex_ = mutex;
        return false;
    }

    void chamarPrimeiraCopia(const QString& titulo) override {
        // By the title alone, as a window of another version has another one.
        const std::wstring texto = titulo.toStdWString();
        const HWND janela = FindWindowW(nullptr, texto.c_str());
        if (janela == nullptr)
            return;
        // The running copy may then activate its own window as it restores it.
        DWORD processo = 0;
        GetWindowThreadProcessId(janela, &processo);
        AllowSetForegroundWindow(processo);
        // Restore (9) without waiting for the running copy's thread, which may be busy for a
        // while (the shake sleeps on it) or hung: this copy ends within moments either way.
        ShowWindowAsync(janela, SW_RESTORE);
        SetForegroundWindow(janela);
    }

    // Windows restores and raises the running copy's window on the later copy's calls above,
    // and the window then sees an ordinary restore: nothing is left for the running copy to do.
    void aoSerChamada(AoSerChamada) override {}

private:
    std::wstring nome_;
    HANDLE mutex_ = nullptr;
};

} // namespace

std::unique_ptr<InstanciaUnica> criarInstanciaUnica(const QString& programa) {
    return std::make_unique<InstanciaUnicaWindows>(programa);
}

} // namespace rodaleque::platform
