#pragma once

#include <QByteArray>
#include <QMargins>
#include <QPoint>
#include <QSize>

class QWidget;

namespace rodaleque::platform {

// What the program asks of the window system beyond its widgets. Tests answer with their own.
class Janelas {
public:
    // What a window may be made to do. A native Wayland client can do none of it: the
    // compositor alone stacks, activates and places windows. Mutter (GNOME) keeps no
    // maximised window above the others.
    enum class Poder { FicarAcima, FicarAcimaMaximizada, VirParaFrente };

    virtual ~Janelas() = default;

    virtual bool pode(Poder poder) = 0;

    // SetWindowPos with topmost (or not topmost), keeping position and size: the window stays
    // above all others, or goes back to normal stacking, without being hidden or re-created.
    virtual void SetWindowPos(QWidget& janela, bool acimaDeTodas) = 0;

    // A fixed border: in the normal state the window keeps `tamanho`, whatever is done to its
    // border; it can still be minimised, maximised and restored, and maximised again.
    virtual void BordaFixa(QWidget& janela, QSize tamanho) = 0;

    // The frame that the window system draws around the window's client area while it is not
    // maximised: client size plus frame is the outer size that a centred window centres. For
    // a window not shown yet, the frame it will get.
    virtual QMargins moldura(const QWidget& janela) = 0;

    // Puts the window's outer top-left corner, its frame's, at this point of the screen,
    // keeping its size; `moldura` is the frame that moldura() gave for it, which places a
    // window not shown yet.
    virtual void moverJanela(QWidget& janela, QPoint canto, QMargins moldura) = 0;

    // A window not shown yet is a small window of the program's own, like the About window:
    // once shown, it has no task bar button of its own and nothing to minimise it with.
    virtual void janelaAuxiliar(QWidget& janela) = 0;

    // Brings the window, restored already, to the front and activates it, as asked by a later
    // copy that was given `ficha` by its launcher (a startup id, an activation token, or
    // nothing). Desktops that keep a window from stealing the focus honour this request.
    virtual void trazerParaFrente(QWidget& janela, const QByteArray& ficha) = 0;

    // Blocks the window thread for that many milliseconds; no event is handled meanwhile.
    virtual void Sleep(int milissegundos) = 0;
};

class JanelasDoSistema final : public Janelas {
public:
    bool pode(Poder poder) override;
    void SetWindowPos(QWidget& janela, bool acimaDeTodas) override;
    void BordaFixa(QWidget& janela, QSize tamanho) override;
    QMargins moldura(const QWidget& janela) override;
    void moverJanela(QWidget& janela, QPoint canto, QMargins moldura) override;
    void janelaAuxiliar(QWidget& janela) override;
    void trazerParaFrente(QWidget& janela, const QByteArray& ficha) override;
    void Sleep(int milissegundos) override;
};

} // namespace rodaleque::platform
