#include "ContagemDeParticipantes.h"
#include "Painel.h"

#include <engine/Numeros.h>

namespace rodaleque {

using namespace numeros;

void Painel::avisar(const QString& texto) {
    dialogos_.caixaDeMensagem(texto, platform::Dialogos::OkInformacao);
}

void Painel::cmdX_Click() {
    const QString resposta = dialogos_.caixaDeEntrada(
        QStringLiteral("Digite o Nº de participantes (Número máximo: 99999)"));
    if (resposta.isEmpty())
        return;
    EstadoSorteio& e = motor_.estado();
    const Checked<int32_t> n = contagemAceita(resposta, e.nParticipantes);
    if (!n.ok()) {
        avisar(QStringLiteral("Valor Inválido"));
        return;
    }

    motor_.NovaSerie(); // a new series only when none runs: raising N keeps file and panel
    motor_.aplicarContagem(*n);
}

void Painel::cmdR_Click() {
    controles_.cmdX().setFocus();
    if (nadaSorteado())
        return;
    const int resposta = dialogos_.caixaDeMensagem(
        QStringLiteral("Deseja começar outra série de sorteios?"),
        platform::Dialogos::SimNaoPergunta);
    if (resposta != platform::Dialogos::RespostaSim)
        return;
    motor_.esquecerSerie(MotorSorteio::Encerramento::Reinicio);
    EstadoSorteio& e = motor_.estado();
    assign(e.nSerie, checkedAdd(e.nSerie, 1));
    e.nParticipantes = 0;
    motor_.NovaSerie();
}

void Painel::Command1_Click() {
    focarSorteio();
    if (nadaSorteado())
        return;
    abridor_.abrir(motor_.estado().Arquivo); // a failed start shows nothing
}

} // namespace rodaleque
