#include "Painel.h"

#include <engine/Numeros.h>

namespace rodaleque {

using namespace numeros;

void Painel::cmdLocalizar_Click() {
    focarSorteio();
    if (nadaSorteado())
        return;
    const QString resposta =
        dialogos_.caixaDeEntrada(QStringLiteral("Digite o resultado que deseja buscar no painel"));
    if (resposta.isEmpty())
        return;
    int32_t n = 0;
    assign(n, number(resposta).then(roundTo32));
    if (n > motor_.estado().nParticipantes || n < 1) {
        avisar(QStringLiteral("Número inválido"));
        return;
    }
    // The panel is walked entry by entry until the number; the register knows where the
    // walk stops, and the entries it passes on the way are never seen.
    ListaDeResultados& lstN = controles_.lstN();
    const int32_t posicao = motor_.registro().posicao(n);
    if (posicao >= 0) {
        (void)lstN.setListIndex(posicao);
        return;
    }
    (void)lstN.setListIndex(lstN.listCount() - 1);
    avisar(QStringLiteral("O número ") + text(n) + QStringLiteral(" não foi sorteado"));
}

void Painel::lstN_Click() {
    controles_.lblPos().setCaption(QStringLiteral("Posição selecionada: ") +
                                   text(controles_.lstN().listIndex() + 1));
}

} // namespace rodaleque
