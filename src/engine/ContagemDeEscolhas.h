#pragma once

#include "Checked.h"
#include "Controles.h"

#include <QString>

#include <vector>

namespace rodaleque {

// The counts of txtEstat during one draw. Nobody sees the counters while a draw runs, so
// they are counted here and written to the boxes once at its end; a draw of a hundred
// thousand attempts then costs no more per attempt than one of ten.
class ContagemDeEscolhas {
public:
    explicit ContagemDeEscolhas(Controles& controles);

    // Counts one more choice of method k; false (nothing counted) when there is no box k.
    bool contar(int k);

    // The text box i holds now, read as a number; fails when there is no box i or its text
    // is not a number (an empty box).
    Checked<double> numero(int i) const;

    // Writes the counts that changed to their boxes.
    void escrever();

private:
    Controles& controles_;
    std::vector<QString> textos_;   // as the boxes held them when the draw began
    std::vector<double> valores_;
    std::vector<bool> alterados_;
};

} // namespace rodaleque
