#pragma once

#include <QFont>

// The typeface of the minutes, carried inside the program so that a PDF made on any machine
// looks and prints the same: Liberation Sans, whose glyphs go into the PDF.
namespace rodaleque::ata::fontes {

QFont texto(double pontos);
QFont negrito(double pontos);

} // namespace rodaleque::ata::fontes
