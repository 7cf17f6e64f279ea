#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace rodaleque::bench {

// With two monitors, the operator's is the smaller one and the audience's, the projector, the
// other: the benchmarks put the main window there, wherever the window manager placed it.
inline void levarParaATelaDoOperador(QWidget& janela) {
    const QList<QScreen*> telas = QGuiApplication::screens();
    QScreen* menor = *std::min_element(telas.begin(), telas.end(), [](QScreen* a, QScreen* b) {
        return a->size().width() * a->size().height() < b->size().width() * b->size().height();
    });
    if (janela.screen() == menor)
        return;
    const bool maximizada = janela.isMaximized();
    janela.showNormal();
    janela.move(menor->availableGeometry().topLeft());
    if (maximizada)
        janela.showMaximized();
}

} // namespace rodaleque::bench
