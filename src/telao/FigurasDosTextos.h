#pragma once

#include "DiagramaDoTelao.h"

#include <QHash>
#include <QPixmap>
#include <QString>

class QPainter;

namespace rodaleque::telao {

// Paints the texts of the audience screen. Glyphs this large are beyond Qt's glyph cache and
// are filled from their outlines at every paint, which on a 4K screen takes longer than a frame.
// A draw changes few texts (the number, its line, one cell of the history or the board), so
// each other text is drawn once into a picture and copied from it while it stays on screen, at
// its baseline rounded to whole pixels. The number, new at every draw, is drawn directly.
class FigurasDosTextos {
public:
    void pintar(QPainter& p, const Diagrama& diagrama);

private:
    // The pictures of the texts last painted: none of another screen's is kept.
    QHash<QString, QPixmap> figuras_;
};

} // namespace rodaleque::telao
