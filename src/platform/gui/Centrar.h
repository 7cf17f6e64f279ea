#pragma once

#include "platform/Janelas.h"

class QScreen;
class QWidget;

namespace rodaleque::platform {

// Puts the window, frame and all, in the middle of the screen: its outer size, not its client
// area, is what is centred. Before the window is shown, the frame it will get is asked for.
void centrarNaTela(Janelas& janelas, QWidget& janela, const QScreen& tela);

} // namespace rodaleque::platform
