#pragma once

#include <QString>

namespace rodaleque::platform {

// Where a console program's text goes: its standard output or its standard error.
enum class Saida { Padrao, Erros };

// Writes the text whole, in the form this platform's terminals and pipes take (UTF-8 here; on
// Windows the console's own wide characters, or UTF-8 with CR LF into a pipe or a file). False
// if it could not be written.
bool escrever(Saida saida, const QString& texto);

} // namespace rodaleque::platform
