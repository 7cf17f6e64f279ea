// What the engine's handlers put into the series' record: its opening, the draws, the counts
// raised, the operator's notes and the series' end.
#include "MotorSorteio.h"

#include <registro/Verificacao.h>

namespace rodaleque {

void MotorSorteio::abrirRegistro() {
    RegistroDaSerie& r = ambiente_.registroDaSerie;
    if (!r.aberto())
        r.abrir(estado_.nSerie, registro::nomeDoArquivo(estado_.Arquivo), estado_.nParticipantes);
}

void MotorSorteio::registrarSorteio(int32_t n) {
    RegistroDaSerie& r = ambiente_.registroDaSerie;
    abrirRegistro();
    const int32_t sorteados = ambiente_.controles.lstN().listCount();
    r.sorteio(sorteados, n, estado_.nParticipantes);
    if (registro_.sorteadosAte(estado_.nParticipantes) >= estado_.nParticipantes)
        r.concluida(sorteados);
    mostrarCodigo();
}

void MotorSorteio::mostrarCodigo() {
    ambiente_.controles.lblCodigo().setCaption(QStringLiteral("Código de verificação: ") +
                                               ambiente_.registroDaSerie.codigoCurto());
}

void MotorSorteio::registrarOcorrencia(const QString& texto) {
    abrirRegistro();
    ambiente_.registroDaSerie.ocorrencia(texto.left(maximoDaOcorrencia));
    if (ambiente_.controles.lstN().listCount() == 0) {
        ambiente_.dialogos.caixaDeMensagem(
            QStringLiteral("A ocorrência foi registrada. Ela será gravada no registro da série "
                           "junto com o primeiro número sorteado."),
            platform::Dialogos::OkInformacao);
        return;
    }
    if (!gravarSerie().registro)
        avisarRegistroNaoGravado(QStringLiteral("a ocorrência"));
}

void MotorSorteio::esquecerSerie(Encerramento como) {
    if (!iniciado_)
        return;
    RegistroDaSerie& r = ambiente_.registroDaSerie;
    if (r.aberto() && ambiente_.controles.lstN().listCount() > 0) {
        r.encerrada(como == Encerramento::Reinicio ? "reinicio" : "fechamento");
        if (!gravarSerie().registro)
            avisarRegistroNaoGravado(QStringLiteral("o encerramento da série"));
    }
    ambiente_.emAndamento.apagar();
}

} // namespace rodaleque
