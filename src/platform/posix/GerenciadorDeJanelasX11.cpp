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

// The values of a 32-bit property of the window (the first 1024); empty if it has none.
std::vector<uint32_t> propriedade(xcb_connection_t* c, xcb_window_t janela, xcb_atom_t nome,
                                  xcb_atom_t tipo) {
    const Resposta<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, janela, nome, tipo, 0, 1024), nullptr));
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

// A property change on a window of a connection of its own, whose notification carries the
// time; Qt's connection keeps its events to itself.
uint32_t horaDoServidor() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_timestamp_t hora = XCB_CURRENT_TIME;
    if (xcb_connection_has_error(c) == 0) {
        const xcb_screen_t* tela = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const xcb_window_t janela = xcb_generate_id(c);
        const uint32_t eventos = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, janela, tela->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &eventos);
        xcb_change_property(c, XCB_PROP_MODE_APPEND, janela, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                            8, 0, nullptr);
        xcb_flush(c);
        while (const Resposta<xcb_generic_event_t> evento{xcb_wait_for_event(c)}) {
            if ((evento->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
                hora = reinterpret_cast<const xcb_property_notify_event_t*>(evento.get())->time;
                break;
            }
        }
    }
    xcb_disconnect(c);
    return hora;
}

// In pieces of 20 bytes, the first one marked as the beginning.
void notificarInicio(const QByteArray& mensagem) {
    xcb_connection_t* c = conexao();
    if (c == nullptr)
        return;
    const QByteArray texto = mensagem + '\0';
    const xcb_atom_t primeiro = atomo(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t seguinte = atomo(c, "_NET_STARTUP_INFO");
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    for (qsizetype i = 0; i < texto.size(); i += 20) {
        xcb_client_message_event_t parte{};
        parte.response_type = XCB_CLIENT_MESSAGE;
        parte.format = 8;
        parte.window = raiz;
        parte.type = i == 0 ? primeiro : seguinte;
        const QByteArray bytes = texto.mid(i, 20);
        std::copy(bytes.begin(), bytes.end(), parte.data.data8);
        xcb_send_event(c, 0, raiz, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&parte));
    }
    xcb_flush(c);
}

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

    // The answer is a property the window manager sets. A window asked before has it already;
    // only a window manager that says it answers is asked, and waited for as long as a busy
    // one may take: with none, or one that does not answer, there is nothing to wait for.
    const auto extensoes = [&] { return propriedade(c, id, extensao, XCB_ATOM_CARDINAL); };
    std::vector<uint32_t> e = extensoes();
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::vector<uint32_t> suportados =
        propriedade(c, raiz, atomo(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (e.size() != 4 && !nomeDoGerenciador().isEmpty() &&
        std::find(suportados.begin(), suportados.end(), pedido) != suportados.end()) {
        aoGerenciador(c, id, pedido);
        constexpr int espera = 2000; // ms
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

QByteArray nomeDoGerenciador() {
    xcb_connection_t* c = conexao();
    if (c == nullptr)
        return {};
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::vector<uint32_t> verificacao =
        propriedade(c, raiz, atomo(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
    if (verificacao.size() != 1)
        return {};
    const Resposta<xcb_get_property_reply_t> r(xcb_get_property_reply(
        c,
        xcb_get_property(c, 0, verificacao[0], atomo(c, "_NET_WM_NAME"),
                         atomo(c, "UTF8_STRING"), 0, 64),
        nullptr));
    if (r == nullptr || r->format != 8)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(r.get())),
            xcb_get_property_value_length(r.get())};
}

void ativar(const QWidget& janela, const QByteArray& idDeInicio) {
    xcb_connection_t* c = conexao();
    if (c == nullptr)
        return;
    const auto id = static_cast<xcb_window_t>(janela.winId());
    if (!idDeInicio.isEmpty()) {
        const xcb_atom_t propriedadeDoId = atomo(c, "_NET_STARTUP_ID");
        const xcb_atom_t utf8 = atomo(c, "UTF8_STRING");
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, propriedadeDoId, utf8, 8,
                            uint32_t(idDeInicio.size()), idDeInicio.constData());
        // The launch is over: the launcher's busy cursor ends.
        QByteArray remocao = "remove: ID=\"";
        for (const char ch : idDeInicio) {
            if (ch == '"' || ch == '\\')
                remocao += '\\';
            remocao += ch;
        }
        notificarInicio(remocao + '"');
    }
    constexpr uint32_t pelaAplicacao = 1;
    aoGerenciador(c, id, atomo(c, "_NET_ACTIVE_WINDOW"), {pelaAplicacao, horaDoServidor(), 0});
}

} // namespace rodaleque::platform::x11
