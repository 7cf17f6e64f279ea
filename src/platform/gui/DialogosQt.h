#pragma once

#include "platform/Dialogos.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace rodaleque::platform {

// The boxes drawn with Qt Widgets, owned by the main window and titled with the product name.
class DialogosQt final : public Dialogos {
public:
    DialogosQt(QWidget* janela, QString titulo);

    // The boxes belong to the main window, which is made after them.
    void definirJanela(QWidget* janela) { janela_ = janela; }

    int caixaDeMensagem(const QString& prompt, int botoes) override;
    QString caixaDeEntrada(const QString& prompt, int comprimentoMaximo = 0) override;
    QString escolherArquivo(const QString& titulo, const QString& pasta) override;

private:
    // A guarded pointer, so that a box asked for while the window is going away still opens.
    QPointer<QWidget> janela_;
    QString titulo_;
};

} // namespace rodaleque::platform
