#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

class QAction;
class QPoint;
class QWidget;

namespace rodaleque::janela {

// The commands that have no button of their own: one menu, opened with a right click over the
// panel or the results list, with the Menu key or with Shift+F10; and each command's shortcut,
// which works anywhere in the window.
class MenuDeComandos {
public:
    explicit MenuDeComandos(QWidget& janela);

    // A command at the menu's end: its text (with "&" before its access key), its shortcut.
    void adicionar(const QString& texto, const QKeySequence& atalho, std::function<void()> acao);
    const QList<QAction*>& acoes() const { return acoes_; }

    // Opens the menu at that point of the screen; it returns once it is closed.
    void abrir(const QPoint& global);
    // The keyboard's menu: at the control that has the focus.
    void abrirNoFoco();

private:
    QWidget& janela_;
    QList<QAction*> acoes_;
};

} // namespace rodaleque::janela
