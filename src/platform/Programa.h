#pragma once

#include <QString>

namespace rodaleque::platform {

// Where the program lives, and how this platform writes a path.
struct Programa {
    // The folder that holds the executable, as the platform reports it.
    static QString pasta();
    // The folder separator of this platform: "/" here, "\\" on Windows.
    static QString separador();
};

} // namespace rodaleque::platform
