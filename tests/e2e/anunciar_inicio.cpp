// Does what a desktop's launcher does before it starts a program: announces the launch to the
// window manager with a startup notification ("new:", with the X server's time now as the
// time of the click that asked for it), and prints the startup id that the program is given in
// DESKTOP_STARTUP_ID.
//   anunciar_inicio <name>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace {

xcb_atom_t atomo(xcb_connection_t* c, const char* nome) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(nome)), nome), nullptr);
    const xcb_atom_t a = r == nullptr ? xcb_atom_t{XCB_ATOM_NONE} : r->atom;
    std::free(r);
    return a;
}

// The server's time, from the notification of a change to a property of our own window.
xcb_timestamp_t horaDoServidor(xcb_connection_t* c, xcb_window_t janela) {
    xcb_change_property(c, XCB_PROP_MODE_APPEND, janela, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(c);
    while (xcb_generic_event_t* evento = xcb_wait_for_event(c)) {
        const bool mudanca = (evento->response_type & 0x7F) == XCB_PROPERTY_NOTIFY;
        const xcb_timestamp_t hora =
            mudanca ? reinterpret_cast<xcb_property_notify_event_t*>(evento)->time : 0;
        std::free(evento);
        if (mudanca)
            return hora;
    }
    return XCB_CURRENT_TIME;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c) != 0)
        return 1;
    const xcb_screen_t* tela = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t janela = xcb_generate_id(c);
    const uint32_t eventos = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, janela, tela->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &eventos);
    const xcb_timestamp_t hora = horaDoServidor(c, janela);

    // The time is also in the id, where KDE's launchers put it and KWin reads it.
    const std::string id = std::string(argv[1]) + '/' + std::to_string(getpid()) + "_TIME" +
                           std::to_string(hora);
    std::string texto = "new: ID=" + id + " NAME=" + argv[1] + " SCREEN=0 TIMESTAMP=" +
                        std::to_string(hora);
    texto += '\0';
    // In pieces of 20 bytes to the root window, the first one marked as the beginning.
    const xcb_atom_t primeiro = atomo(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t seguinte = atomo(c, "_NET_STARTUP_INFO");
    for (size_t i = 0; i < texto.size(); i += 20) {
        xcb_client_message_event_t mensagem{};
        mensagem.response_type = XCB_CLIENT_MESSAGE;
        mensagem.format = 8;
        mensagem.window = janela;
        mensagem.type = i == 0 ? primeiro : seguinte;
        const size_t n = std::min<size_t>(20, texto.size() - i);
        std::memcpy(mensagem.data.data8, texto.data() + i, n);
        xcb_send_event(c, 0, tela->root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&mensagem));
    }
    // Answered only once the server has handled all of it.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    xcb_disconnect(c);
    std::puts(id.c_str());
    return 0;
}
