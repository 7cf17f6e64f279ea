#include "MotorSorteio.h"

namespace rodaleque {

void MotorSorteio::iniciar() {
    ambiente_.aleatorio.semearComEntropia();
    estado_.ConfirmaSaida = 1;
    estado_.nSerie = 1;
    NovaSerie();
    estado_.Giro1 = 1;
    estado_.Giro2 = 1;
    estado_.Seletor = 1;
    estado_.BolaCor = 0;
    estado_.CorR = 30;
    estado_.CorG = 205;
    estado_.CorB = 0;
    iniciado_ = true;
    retomarSerieInterrompida();
}

} // namespace rodaleque
