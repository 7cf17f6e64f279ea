#pragma once

#include "Aleatorio.h"
#include "ArquivoResultados.h"
#include "Controles.h"
#include "EstadoSorteio.h"
#include "RegistroDoPainel.h"

#include <platform/Dialogos.h>
#include <platform/Relogio.h>

namespace rodaleque {

// What the engine works with: the window's controls and the platform's services.
struct Ambiente {
    Controles& controles;
    Aleatorio& aleatorio;
    platform::Relogio& relogio;
    platform::Dialogos& dialogos;
    ArquivoResultados& arquivo;
};

// The draw state of the main window and the engine's handlers on it.
class MotorSorteio {
public:
    explicit MotorSorteio(Ambiente ambiente) : ambiente_(ambiente) {}

    EstadoSorteio& estado() { return estado_; }
    const EstadoSorteio& estado() const { return estado_; }
    const RegistroDoPainel& registro() const { return registro_; }

    // Clears the state and the window for a new series; does nothing while a series runs.
    void NovaSerie();

    // Draws one number not drawn before in the series.
    void cmdSorteio_Click();

private:
    friend class Sorteio;

    void prepararNome();
    bool limparBolas();

    Ambiente ambiente_;
    EstadoSorteio estado_;
    RegistroDoPainel registro_;
};

} // namespace rodaleque
