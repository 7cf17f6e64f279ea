#include "platform/SistemaDeJanelas.h"

namespace rodaleque::platform {

// Windows has one window system, always there, and its own way to the foreground.
bool SistemaDeJanelas::escolher() { return true; }
void SistemaDeJanelas::aberto() {}
bool SistemaDeJanelas::waylandNativo() { return false; }
QByteArray SistemaDeJanelas::fichaDeAtivacao() { return {}; }

} // namespace rodaleque::platform
