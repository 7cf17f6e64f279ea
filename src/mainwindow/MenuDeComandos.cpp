#include "MenuDeComandos.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace rodaleque::janela {

MenuDeComandos::MenuDeComandos(QWidget& janela) : janela_(janela) {
    // Shift+F10 opens the menu where Windows would; on X11 only the Menu key does by itself.
    auto* teclado = new QAction(&janela);
    teclado->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    QObject::connect(teclado, &QAction::triggered, &janela, [this] { abrirNoFoco(); });
    janela.addAction(teclado);
}

void MenuDeComandos::adicionar(const QString& texto, const QKeySequence& atalho,
                               std::function<void()> acao) {
    auto* comando = new QAction(texto, &janela_);
    comando->setShortcut(atalho);
    QObject::connect(comando, &QAction::triggered, &janela_, std::move(acao));
    janela_.addAction(comando);
    acoes_.append(comando);
}

void MenuDeComandos::abrir(const QPoint& global) {
    QMenu menu(&janela_);
    menu.addActions(acoes_);
    menu.exec(global);
}

void MenuDeComandos::abrirNoFoco() {
    const QWidget* foco = janela_.focusWidget();
    if (!foco)
        foco = &janela_;
    abrir(foco->mapToGlobal(foco->rect().center()));
}

} // namespace rodaleque::janela
