#include "Painel.h"

#include <registro/Verificacao.h>

namespace rodaleque {

void Painel::registrarOcorrencia() {
    if (motor_.estado().nParticipantes == 0) {
        avisar(QStringLiteral("Nenhuma série em andamento: informe o número de participantes "
                              "antes de registrar uma ocorrência."));
        return;
    }
    const QString texto = dialogos_.caixaDeEntrada(
        QStringLiteral("Descreva a ocorrência para o registro da série (até %1 caracteres):")
            .arg(MotorSorteio::maximoDaOcorrencia),
        MotorSorteio::maximoDaOcorrencia);
    focarSorteio();
    if (texto.trimmed().isEmpty())
        return;
    motor_.registrarOcorrencia(texto);
}

void Painel::verificarSerie() {
    const QString escolhido = dialogos_.escolherArquivo(
        QStringLiteral("Verificar série"), registro::pastaDoArquivo(motor_.estado().Arquivo));
    focarSorteio();
    if (escolhido.isEmpty())
        return;
    const registro::Verificacao v = registro::verificarArquivo(arquivos_, escolhido);
    dialogos_.caixaDeMensagem(registro::relatorio(v),
                              v.resultado == registro::Verificacao::Resultado::Intacta
                                  ? platform::Dialogos::OkInformacao
                                  : platform::Dialogos::OkAviso);
}

} // namespace rodaleque
