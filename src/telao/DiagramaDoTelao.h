#pragma once

#include "QuadroDoTelao.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

namespace rodaleque::telao {

// A text placed on the screen: its ink (the glyphs' own outline) fills `tinta` as closely as the
// font allows, centred in `area`.
struct Texto {
    QString texto;
    QFont fonte;
    QColor cor;
    QRectF area;
    QRectF tinta; // where the glyphs stand
    QPointF base; // where the text is drawn from (its baseline's start)
};

struct Retangulo {
    QRectF area;
    QColor cor;
};

// Everything the audience screen shows for a state of the series at a size: worked out in full
// before anything is painted, so that the sizes can be checked without a screen.
struct Diagrama {
    std::vector<Retangulo> fundos;
    std::vector<Texto> textos;
    // The last number drawn, among the texts; absent before the first draw.
    std::optional<std::size_t> numero;
};

Diagrama diagramar(const Quadro& quadro, const QSizeF& tamanho);

// The board of all numbers is shown instead of the history up to this N.
constexpr int32_t maximoDoQuadroDeNumeros = 100;

} // namespace rodaleque::telao
