#pragma once

#include <QFont>

// The typeface of what the program makes for others to read, the minutes and the audience
// screen: Liberation Sans, carried inside the program, so that a PDF or a projected number looks
// the same from any machine (and a PDF carries its glyphs).
namespace rodaleque::fontes {

QFont texto(double pontos);
QFont negrito(double pontos);

} // namespace rodaleque::fontes
