#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cmath>
#include <cstdint>

// The window is laid out in twips, 15 to a pixel at 96 dots per inch; Qt's device-independent
// pixels are those pixels, and Qt's own scaling serves larger screens.
namespace rodaleque::janela {

constexpr int pixels(int twips) { return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15); }

// Positions that the program computes in single precision (the panel's place, the rain's
// columns) are not whole twips; they go to the nearest pixel.
inline int pixelsDe(double twips) { return int(std::lround(twips / 15.0)); }

inline QRect retangulo(int esquerda, int topo, int largura, int altura) {
    return QRect(pixels(esquerda), pixels(topo), pixels(largura), pixels(altura));
}

// A colour value &H00BBGGRR; &H8000000x are the system's colours.
inline QColor cor(int64_t valor) {
    constexpr int64_t textoDaJanela = 0x80000008;
    constexpr int64_t faceDeBotao = 0x8000000F;
    if (valor == textoDaJanela)
        return Qt::black;
    if (valor == faceDeBotao)
        return QColor(240, 240, 240);
    return QColor(int(valor & 0xFF), int((valor >> 8) & 0xFF), int((valor >> 16) & 0xFF));
}

inline int64_t valorDaCor(const QColor& c) {
    return c.red() + 256 * int64_t(c.green()) + 65536 * int64_t(c.blue());
}

// The Windows faces are not on Linux: both map to a metric-compatible sans-serif face.
inline QFont fonte(double pontos, bool negrito = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}
inline QFont fontePadrao() { return fonte(8.25); }

} // namespace rodaleque::janela
