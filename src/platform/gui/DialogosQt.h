#pragma once

#include "platform/Dialogos.h"
#include "platform/Janelas.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace rodaleque::platform {

// The boxes drawn with Qt Widgets, owned by the main window and titled with the product name.
// Given the window system's calls, they open centred on the screen, as the About window does,
// rather than wherever the window manager puts a box over its owner.
class DialogosQt final : public Dialogos {
public:
    DialogosQt(QWidget* janela, QString titulo, Janelas* janelas = nullptr);

    // The boxes belong to the main window, which is made after them.
    void definirJanela(QWidget* janela) { janela_ = janela; }

    int caixaDeMensagem(const QString& prompt, int botoes) override;
    QString caixaDeEntrada(const QString& prompt, int comprimentoMaximo = 0) override;
    QString escolherArquivo(const QString& titulo, const QString& pasta) override;

private:
    // A guarded pointer, so that a box asked for while the window is going away still opens.
    QPointer<QWidget> janela_;
    QString titulo_;
    Janelas* janelas_;
};

} // namespace rodaleque::platform
