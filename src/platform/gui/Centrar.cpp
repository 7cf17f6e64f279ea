#include "platform/gui/Centrar.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace rodaleque::platform {

void centrarNaTela(Janelas& janelas, QWidget& janela, const QScreen& tela) {
    const QMargins moldura = janelas.moldura(janela);
    const QRect centrada = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                               janela.size().grownBy(moldura), tela.geometry());
    janelas.moverJanela(janela, centrada.topLeft(), moldura);
}

} // namespace rodaleque::platform
