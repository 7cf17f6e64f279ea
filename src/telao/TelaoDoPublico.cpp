#include "TelaoDoPublico.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace rodaleque::telao {

TelaoDoPublico::TelaoDoPublico(QWidget* pai) : QWidget(pai, Qt::Window) {
    // Not the main window's caption: a second copy looks for the running one by that.
    setWindowTitle(QStringLiteral("Telão do sorteio"));
    // Closing it ends neither the program nor the series.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 180);
    setCursor(Qt::BlankCursor);
}

void TelaoDoPublico::abrirFora(QScreen* doOperador) {
    QScreen* outra = nullptr;
    for (QScreen* tela : QGuiApplication::screens())
        if (tela != doOperador && !outra)
            outra = tela;
    setAttribute(Qt::WA_ShowWithoutActivating);
    // On the operator's screen a window shown without activation goes below the active one
    // (Mutter, KWin): kept above, it is seen at once and the keys stay with the operator.
    setWindowFlag(Qt::WindowStaysOnTopHint, !outra);
    if (outra) {
        create();
        windowHandle()->setScreen(outra);
        setGeometry(outra->geometry());
        mostrarEmTelaCheia();
        return;
    }
    const QRect area = doOperador ? doOperador->availableGeometry() : QRect(0, 0, 1280, 720);
    resize(area.width() / 2, area.height() / 2);
    move(area.center() - rect().center());
    showNormal();
}

// Full screen on the operator's own screen covers the main window: the audience's window then
// takes the keys, so that Esc brings the operator back. On another screen it leaves them be.
void TelaoDoPublico::alternarTelaCheia(QScreen* doOperador) {
    if (isFullScreen()) {
        showNormal();
        return;
    }
    mostrarEmTelaCheia();
    if (screen() == doOperador) {
        raise();
        activateWindow();
    }
}

// Not QWidget::showFullScreen(), which also activates the window: on another screen that took
// the keys from the operator, whose draws then went nowhere.
void TelaoDoPublico::mostrarEmTelaCheia() {
    setWindowState(windowState() | Qt::WindowFullScreen);
    show();
}

void TelaoDoPublico::alternarApagado() {
    apagado_ = !apagado_;
    update();
}

void TelaoDoPublico::mostrar(const Quadro& quadro) {
    quadro_ = quadro;
    diagrama_.reset();
    update();
}

const Diagrama& TelaoDoPublico::diagrama() {
    if (!diagrama_)
        diagrama_ = diagramar(quadro_, size());
    return *diagrama_;
}

void TelaoDoPublico::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (apagado_) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const Retangulo& r : diagrama().fundos)
        p.fillRect(r.area, r.cor);
    textos_.pintar(p, diagrama());
}

void TelaoDoPublico::resizeEvent(QResizeEvent*) { diagrama_.reset(); }

void TelaoDoPublico::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
    case Qt::Key_F11:
        alternarTelaCheia(screen());
        break;
    case Qt::Key_Escape:
        if (isFullScreen())
            showNormal();
        break;
    case Qt::Key_B:
        alternarApagado();
        break;
    case Qt::Key_F5:
        close();
        break;
    default:
        QWidget::keyPressEvent(evento);
        return;
    }
    evento->accept();
}

} // namespace rodaleque::telao
