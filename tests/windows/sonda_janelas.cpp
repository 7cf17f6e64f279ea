// What the end-to-end tests ask of Windows' own window manager, as xprop and wmctrl answer for
// X: a plain Win32 program, run under Wine beside the program under test.
//   sonda_janelas estado TITLE        one line: maximised, minimised, topmost, active, a sizing
//                                     frame, the minimise and maximise boxes, and the outer
//                                     and client rectangles on the screen
//   sonda_janelas acima TITLE OTHER   which of the two windows a person sees where they overlap
//   sonda_janelas fechar TITLE        asks the window to close, as its close box does
//   sonda_janelas frente TITLE        brings the window to the front
//   sonda_janelas maximizar TITLE     maximises it, as the title bar's button does
//   sonda_janelas titulos             the titles of the visible top-level windows, one a line
//   sonda_janelas textos TITLE        the texts of the window's own controls, one a line (a
//                                     message box's message, its buttons)
//   sonda_janelas manter              holds a hidden window until it is killed: Wine closes
//                                     its desktop once no program is left on it
// Titles are whole and exact. Exit status 1 when a window named is not found.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string utf8(const std::wstring& texto) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, texto.c_str(), int(texto.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string saida(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.c_str(), int(texto.size()), saida.data(), n, nullptr,
                        nullptr);
    return saida;
}

std::wstring tituloDe(HWND janela) {
    std::wstring titulo(GetWindowTextLengthW(janela) + 1, L'\0');
    titulo.resize(GetWindowTextW(janela, titulo.data(), int(titulo.size())));
    return titulo;
}

std::vector<HWND> visiveis() {
    std::vector<HWND> janelas;
    EnumWindows(
        [](HWND janela, LPARAM lista) -> BOOL {
            if (IsWindowVisible(janela))
                reinterpret_cast<std::vector<HWND>*>(lista)->push_back(janela);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&janelas));
    return janelas;
}

HWND achar(const std::wstring& titulo) {
    for (HWND janela : visiveis())
        if (tituloDe(janela) == titulo)
            return janela;
    std::fprintf(stderr, "no visible window titled \"%s\"\n", utf8(titulo).c_str());
    return nullptr;
}

int estado(HWND janela) {
    RECT fora{}, dentro{};
    GetWindowRect(janela, &fora);
    GetClientRect(janela, &dentro);
    POINT origem{0, 0};
    ClientToScreen(janela, &origem);
    const LONG_PTR estilo = GetWindowLongPtrW(janela, GWL_STYLE);
    const LONG_PTR estendido = GetWindowLongPtrW(janela, GWL_EXSTYLE);
    std::printf("maximizada=%d minimizada=%d acima=%d ativa=%d redimensionavel=%d "
                "botoes=%d%d janela=%ld,%ld,%ldx%ld cliente=%ld,%ld,%ldx%ld\n",
                IsZoomed(janela) ? 1 : 0, IsIconic(janela) ? 1 : 0,
                (estendido & WS_EX_TOPMOST) ? 1 : 0, GetForegroundWindow() == janela ? 1 : 0,
                (estilo & WS_THICKFRAME) ? 1 : 0, (estilo & WS_MINIMIZEBOX) ? 1 : 0,
                (estilo & WS_MAXIMIZEBOX) ? 1 : 0,
                fora.left, fora.top, fora.right - fora.left, fora.bottom - fora.top, origem.x,
                origem.y, dentro.right - dentro.left, dentro.bottom - dentro.top);
    return 0;
}

// The window on top at the middle of where the two overlap.
int acima(HWND uma, HWND outra) {
    RECT a{}, b{}, comum{};
    GetWindowRect(uma, &a);
    GetWindowRect(outra, &b);
    if (!IntersectRect(&comum, &a, &b)) {
        std::fprintf(stderr, "the windows do not overlap\n");
        return 1;
    }
    const POINT meio{(comum.left + comum.right) / 2, (comum.top + comum.bottom) / 2};
    const HWND vista = GetAncestor(WindowFromPoint(meio), GA_ROOT);
    std::printf("%s\n", utf8(tituloDe(vista)).c_str());
    return 0;
}

int textos(HWND janela) {
    EnumChildWindows(
        janela,
        [](HWND controle, LPARAM) -> BOOL {
            const std::wstring texto = tituloDe(controle);
            if (!texto.empty())
                std::printf("%s\n", utf8(texto).c_str());
            return TRUE;
        },
        0);
    return 0;
}

int manter() {
    const HWND oculta = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    if (oculta == nullptr)
        return 1;
    MSG mensagem;
    while (GetMessageW(&mensagem, nullptr, 0, 0) > 0)
        DispatchMessageW(&mensagem);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring comando = argc > 1 ? argv[1] : L"";
    if (comando == L"manter" && argc == 2)
        return manter();
    if (comando == L"titulos" && argc == 2) {
        for (HWND janela : visiveis())
            std::printf("%s\n", utf8(tituloDe(janela)).c_str());
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: sonda_janelas estado|textos|fechar|frente|maximizar TITLE"
                             " | acima TITLE OTHER | titulos | manter\n");
        return 2;
    }
    const HWND janela = achar(argv[2]);
    if (janela == nullptr)
        return 1;
    if (comando == L"estado")
        return estado(janela);
    if (comando == L"textos")
        return textos(janela);
    if (comando == L"fechar")
        return PostMessageW(janela, WM_CLOSE, 0, 0) ? 0 : 1;
    if (comando == L"frente")
        return SetForegroundWindow(janela) ? 0 : 1;
    // What the title bar's maximise button sends.
    if (comando == L"maximizar")
        return PostMessageW(janela, WM_SYSCOMMAND, SC_MAXIMIZE, 0) ? 0 : 1;
    if (comando == L"acima" && argc == 4) {
        const HWND outra = achar(argv[3]);
        return outra == nullptr ? 1 : acima(janela, outra);
    }
    return 2;
}
