#include "platform/posix/GerenciadorDeJanelasX11.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

namespace rodaleque::platform::x11 {

namespace {

struct Libera {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Resposta = std::unique_ptr<T, Libera>;

xcb_connection_t* conexao() {
    auto* x11 = qGuiApp == nullptr ? nullptr
                                   : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 == nullptr ? nullptr : x11->connection();
}

xcb_atom_t atomo(xcb_connection_t* c, const char* nome) {
    const Resposta<xcb_intern_atom_reply_t> r(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(nome)), nome), nullptr));
    if (r == nullptr)
        return XCB_ATOM_NONE;
    return r->atom;
}

// The values of a 32-bit property of the window; empty if it has none.
std::vector<uint32_t> propriedade(xcb_connection_t* c, xcb_window_t janela, xcb_atom_t nome,
                                  xcb_atom_t tipo) {
    const Resposta<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, janela, nome, tipo, 0, 64), nullptr));
    if (r == nullptr || r->format != 32)
        return {};
    const auto* dados = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
    return {dados, dados + xcb_get_property_value_length(r.get()) / 4};
}

// A request about the window to the window manager: a message to the root window, which it
// listens to.
void aoGerenciador(xcb_connection_t* c, xcb_window_t janela, xcb_atom_t pedido,
                   std::initializer_list<uint32_t> dados = {}) {
    xcb_client_message_event_t mensagem{};
    mensagem.response_type = XCB_CLIENT_MESSAGE;
    mensagem.format = 32;
    mensagem.window = janela;
    mensagem.type = pedido;
    std::copy(dados.begin(), dados.end(), mensagem.data.data32);
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, raiz,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&mensagem));
    xcb_flush(c);
}

void pedirSemBotao(xcb_connection_t* c, const QWindow& janela) {
    const xcb_atom_t estado = atomo(c, "_NET_WM_STATE");
    const xcb_atom_t semBarra = atomo(c, "_NET_WM_STATE_SKIP_TASKBAR");
    if (estado == XCB_ATOM_NONE || semBarra == XCB_ATOM_NONE)
        return;
    constexpr uint32_t acrescentar = 1;
    constexpr uint32_t pelaAplicacao = 1;
    aoGerenciador(c, static_cast<xcb_window_t>(janela.winId()), estado,
                  {acrescentar, semBarra, 0, pelaAplicacao});
}

} // namespace

void semBotaoNaBarraDeTarefas(const QWidget& janela) {
    xcb_connection_t* c = conexao();
    QWindow* nativa = janela.windowHandle();
    if (c == nullptr || nativa == nullptr)
        return;
    // Asked of the window manager once the window is on screen: a state set on the window
    // before would be lost when Qt makes the window anew as it shows it (it does, for one asked
    // to stay on top meanwhile). Qt tells of the showing before it maps the window.
    QObject::connect(nativa, &QWindow::visibleChanged, nativa, [c, nativa](bool visivel) {
        if (visivel)
            QTimer::singleShot(0, nativa, [c, nativa] { pedirSemBotao(c, *nativa); });
    });
}

std::optional<QMargins> molduraAntesDeMostrar(const QWidget& janela) {
    xcb_connection_t* c = conexao();
    if (c == nullptr)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(janela.winId());
    const xcb_atom_t pedido = atomo(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extensao = atomo(c, "_NET_FRAME_EXTENTS");
    if (pedido == XCB_ATOM_NONE || extensao == XCB_ATOM_NONE)
        return std::nullopt;

    // The answer is a property the window manager sets; with no window manager there is none.
    // A window asked before has it already.
    const auto extensoes = [&] { return propriedade(c, id, extensao, XCB_ATOM_CARDINAL); };
    std::vector<uint32_t> e = extensoes();
    if (e.size() != 4) {
        aoGerenciador(c, id, pedido);
        constexpr int espera = 200; // ms
        QElapsedTimer relogio;
        relogio.start();
        while ((e = extensoes()).size() != 4 && relogio.elapsed() < espera)
            QThread::msleep(10);
    }
    if (e.size() == 4) // left, right, top, bottom
        return QMargins(static_cast<int>(e[0]), static_cast<int>(e[2]), static_cast<int>(e[1]),
                        static_cast<int>(e[3]));
    return std::nullopt;
}

} // namespace rodaleque::platform::x11
