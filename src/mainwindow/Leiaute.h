#pragma once

#include <QPointF>
#include <QSizeF>

// Where the panel and the window go, in twips. The divisions are in single precision and the
// results are neither made whole nor clamped: a screen smaller than the panel gives negative
// offsets.
namespace rodaleque::janela::leiaute {

// Maximised: centred across, one third of the free height from the top, from the screen's
// whole size (not the window's inner area).
inline QPointF painelMaximizado(QSizeF tela, QSizeF painel) {
    return {float(tela.width() - painel.width()) / 2.0f,
            float(tela.height() - painel.height()) / 3.0f};
}

// Not maximised: the window centred on the screen, by its outer size.
inline QPointF janelaCentrada(QSizeF tela, QSizeF janela) {
    return {float(tela.width() - janela.width()) / 2.0f,
            float(tela.height() - janela.height()) / 2.0f};
}

// The client area as built.
inline constexpr int larguraDaJanela = 10785;
inline constexpr int alturaDaJanela = 7200;
// The panel keeps its size in every state; only its place changes.
inline constexpr int larguraDoPainel = 10755;
inline constexpr int alturaDoPainel = 7155;
inline constexpr int margemDoPainel = 30;

} // namespace rodaleque::janela::leiaute
