#include "MotorSorteio.h"

#include <algorithm>

namespace rodaleque {

MotorSorteio::VistaDoPublico MotorSorteio::vistaDoPublico(int32_t maximo) const {
    VistaDoPublico v;
    v.serie = estado_.nSerie;
    v.participantes = estado_.nParticipantes;
    // Numbers drawn but not on file yet are the panel's last entries.
    v.sorteados = registro_.quantos() - int32_t(naoGravados_.size());
    v.ultimos = registro_.entre(std::max(0, v.sorteados - maximo), v.sorteados);
    if (naoGravados_.empty())
        v.codigoCurto = ambiente_.registroDaSerie.codigoCurto();
    v.todosSorteados = naoGravados_.empty() && estado_.nParticipantes > 0 &&
                       registro_.sorteadosAte(estado_.nParticipantes) >= estado_.nParticipantes;
    return v;
}

} // namespace rodaleque
