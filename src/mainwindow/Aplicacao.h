#pragma once

#include <functional>

namespace rodaleque::janela {

class frm1;

// The whole program on the platform's real services: the window, its start-up and the event
// loop; returns the exit status. `aoMostrar` runs once the window is on screen (a benchmark
// measures the real program through it).
int executar(int argc, char** argv, const std::function<void(frm1&)>& aoMostrar = {});

} // namespace rodaleque::janela
