#!/usr/bin/python3
# What the end-to-end tests see and do in a GNOME session on Wayland, where no X11 tool
# reaches a native Wayland window: GNOME Shell's own D-Bus services, with the bus names that
# they let call them.
#   gnome-remoto.py janelas           one line per window: focused (1/0), hidden (1/0),
#                                     client (wayland/x11), width, height, title
#   gnome-remoto.py teclado           types each line read, through Mutter's remote desktop
#                                     keyboard, and answers "ok": keys are characters or
#                                     Return, Escape, Tab, F4, with modifiers: alt+e Return 3;
#                                     a line "clique X Y" clicks there on the screen
#   gnome-remoto.py tela FILE.png     a screenshot of the whole screen
import sys
import time

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def chamar(destino, caminho, interface, metodo, argumentos=None, tipo=None):
    return bus.call_sync(destino, caminho, interface, metodo, argumentos,
                         GLib.VariantType(tipo) if tipo else None,
                         Gio.DBusCallFlags.NONE, 10000, None).unpack()


def tomar_nome(nome):
    # Only a caller with one of the names the shell trusts is answered.
    chamar("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
           "RequestName", GLib.Variant("(su)", (nome, 4)), "(u)")


def janelas():
    tomar_nome("org.freedesktop.impl.portal.desktop.gnome")
    (lista,) = chamar("org.gnome.Shell.Introspect", "/org/gnome/Shell/Introspect",
                      "org.gnome.Shell.Introspect", "GetWindows", None, "(a{ta{sv}})")
    for j in lista.values():
        print("%d\t%d\t%s\t%d\t%d\t%s" % (
            j["has-focus"], j["is-hidden"], "x11" if j["client-type"] == 1 else "wayland",
            j["width"], j["height"], j.get("title", "")))


def teclado():
    # One remote desktop session for the whole run: each new one is a new keyboard to the
    # compositor, and keys typed while it takes it in are lost.
    rd = "org.gnome.Mutter.RemoteDesktop"
    (sessao,) = chamar(rd, "/org/gnome/Mutter/RemoteDesktop", rd, "CreateSession", None, "(o)")
    chamar(rd, sessao, rd + ".Session", "Start")
    time.sleep(0.5)

    def tecla(simbolo, apertada):
        chamar(rd, sessao, rd + ".Session", "NotifyKeyboardKeysym",
               GLib.Variant("(ub)", (simbolo, apertada)))

    def clique(x, y):
        # From the bottom right corner, where any motion far enough leaves the pointer (the
        # top left one opens the overview), to a point of the 1280 x 1024 screen.
        chamar(rd, sessao, rd + ".Session", "NotifyPointerMotionRelative",
               GLib.Variant("(dd)", (10000.0, 10000.0)))
        chamar(rd, sessao, rd + ".Session", "NotifyPointerMotionRelative",
               GLib.Variant("(dd)", (float(x) - 1279, float(y) - 1023)))
        time.sleep(0.05)
        for apertado in (True, False):
            chamar(rd, sessao, rd + ".Session", "NotifyPointerButton",
                   GLib.Variant("(ib)", (BOTAO_ESQUERDO, apertado)))
            time.sleep(0.05)

    for linha in sys.stdin:
        if linha.startswith("clique "):
            clique(*linha.split()[1:3])
            print("ok", flush=True)
            continue
        for nome in linha.split():
            simbolos = [SIMBOLOS.get(parte, ord(parte[0])) for parte in nome.split("+")]
            # A moment after each change, for the client to hear of the modifiers first.
            for s in simbolos:
                tecla(s, True)
                time.sleep(0.05)
            for s in reversed(simbolos):
                tecla(s, False)
                time.sleep(0.05)
        print("ok", flush=True)
    chamar(rd, sessao, rd + ".Session", "Stop")


BOTAO_ESQUERDO = 0x110  # the kernel's BTN_LEFT

# X keysyms: a printable character is its own; these have names.
SIMBOLOS = {"alt": 0xffe9, "ctrl": 0xffe3, "shift": 0xffe1, "Return": 0xff0d, "Escape": 0xff1b,
            "Tab": 0xff09, "F4": 0xffc1}


def tela(arquivo):
    tomar_nome("org.gnome.Screenshot")
    ok, _ = chamar("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                   "org.gnome.Shell.Screenshot", "Screenshot",
                   GLib.Variant("(bbs)", (False, False, arquivo)), "(bs)")
    if not ok:
        sys.exit("no screenshot")


comando = sys.argv[1] if len(sys.argv) > 1 else ""
if comando == "janelas":
    janelas()
elif comando == "teclado":
    teclado()
elif comando == "tela" and len(sys.argv) == 3:
    tela(sys.argv[2])
else:
    sys.exit(__doc__ if __doc__ else "usage: gnome-remoto.py janelas|teclado|tela FILE")
