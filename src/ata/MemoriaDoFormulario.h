#pragma once

#include "DadosDaAta.h"

#include <QString>

namespace rodaleque::ata {

// What the form remembers for the next minutes, in a settings file of the user's: everything
// but the object, which is each draw's own. With no file named, nothing is remembered.
class MemoriaDoFormulario {
public:
    explicit MemoriaDoFormulario(QString arquivo) : arquivo_(std::move(arquivo)) {}

    Formulario lembrado() const;
    // False when the file cannot be written; the minutes are made all the same.
    bool lembrar(const Formulario& formulario) const;

private:
    QString arquivo_;
};

} // namespace rodaleque::ata
