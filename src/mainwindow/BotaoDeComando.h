#pragma once

#include <engine/Controles.h>

#include <QToolButton>

namespace rodaleque::janela {

// A command button of the graphical kind: a background colour, and its picture above the
// caption. Enter presses the focused button just as Space does, as buttons do on Windows,
// so that the operator can draw with either key.
class BotaoDeComando final : public QToolButton {
    Q_OBJECT
public:
    explicit BotaoDeComando(QWidget* pai);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

// What the engine may do with a button.
class BotaoDaJanela final : public Botao {
public:
    explicit BotaoDaJanela(QAbstractButton& botao) : botao_(botao) {}
    void setEnabled(bool habilitado) override { botao_.setEnabled(habilitado); }
    void setCaption(const QString& legenda) override { botao_.setText(legenda); }
    bool setFocus() override;

private:
    QAbstractButton& botao_;
};

} // namespace rodaleque::janela
