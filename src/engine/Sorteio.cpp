#include "Sorteio.h"

#include "Numeros.h"
#include "PainelFormato.h"

namespace rodaleque {

using namespace numeros;

void MotorSorteio::cmdSorteio_Click() { Sorteio(*this).executar(); }

Sorteio::Sorteio(MotorSorteio& motor)
    : motor_(motor), estado_(motor.estado_), controles_(motor.ambiente_.controles),
      aleatorio_(motor.ambiente_.aleatorio), contagem_(controles_),
      metodos_(aleatorio_, motor.ambiente_.relogio, estado_, contagem_) {}

void Sorteio::executar() {
    aleatorio_.misturarEntropia();
    controles_.txtBar().setText(QString());
    controles_.cmdSorteio().setEnabled(false);
    // Asked of the numbers themselves, not of the entry count: a panel whose entries are not
    // all within 1..N would otherwise send the attempts looking for a number that is not there.
    if (motor_.registro_.sorteadosAte(estado_.nParticipantes) >= estado_.nParticipantes) {
        controles_.txtBar().setText(QStringLiteral("Todos os números já foram sorteados"));
        controles_.Timer1().setEnabled(false);
        return;
    }
    // The panel stays hidden and nothing repaints until the draw ends, so the dashes and the
    // counts are written once, after the last attempt.
    controles_.lstN().setVisible(false);
    bool sorteado = false;
    while (!sorteado && tentativas_ < motor_.limiteDeTentativas)
        sorteado = tentar();
    contagem_.escrever();
    if (!sorteado) {
        interromper();
        return;
    }
    controles_.txtBar().setText(QString(tentativas_, u'-'));
    gravar();
}

void Sorteio::interromper() {
    controles_.txtBar().setText(QStringLiteral("Sorteio interrompido: nenhum número foi sorteado"));
    motor_.ambiente_.dialogos.caixaDeMensagem(
        QStringLiteral("O sorteio não encontrou um número livre e foi interrompido.\n"
                       "Nenhum número foi sorteado nem gravado. Sorteie novamente."),
        platform::Dialogos::OkInformacao);
    reabrir();
}

void Sorteio::reabrir() {
    controles_.lstN().setVisible(true);
    controles_.cmdSorteio().setEnabled(true);
    controles_.cmdSorteio().setFocus();
}

bool Sorteio::tentar() {
    ++tentativas_;
    misturarSeletor();
    const int k = estado_.Seletor;
    if (k == 0) {
        mexerContadores();
        contagem_.contar(0);
        return false;
    }
    executarMetodo(k);
    contagem_.contar(k); // negative choices have no box and are not counted
    if (nSorteado_ <= 0 || nSorteado_ > estado_.nParticipantes)
        return false;
    if (repetido()) {
        registrarRepeticao();
        return false;
    }
    return true;
}

void Sorteio::misturarSeletor() {
    aleatorio_.Semear(aleatorio_.SegundosDoDia());
    const double segundos = aleatorio_.SegundosDoDia();
    const float p = aleatorio_.Proximo(aleatorio_.Proximo());
    assign(estado_.Seletor, mod(floorTo32(segundos * p + estado_.Seletor), 9));
    // Overflows once Giro1 has grown large: the selector then keeps the value above.
    assign(estado_.Seletor,
           mod(floorTo32(double(aleatorio_.SegundosDoDia()) * estado_.Giro1 * estado_.Seletor), 9));
}

// A candidate beyond 32 bits (a range grown with Giro1) cannot be N or below: the step fails.
void Sorteio::executarMetodo(int k) {
    if (const std::optional<uint64_t> m = metodos_.faixa(k))
        if (const std::optional<uint64_t> candidato = aleatorio_.inteiroAte(*m))
            assign(nSorteado_, Checked<uint64_t>(*candidato));
}

void Sorteio::mexerContadores() {
    for (int passo = 0; passo < 26; ++passo) {
        aleatorio_.Semear(aleatorio_.SegundosDoDia());
        assign(estado_.Giro1,
               roundTo32(aleatorio_.Proximo(aleatorio_.Proximo()) * N() + 1 + estado_.Giro1));
        aleatorio_.Semear(aleatorio_.SegundosDoDia());
        assign(estado_.Giro2,
               roundTo32(aleatorio_.Proximo(aleatorio_.Proximo()) * N() + 1 + estado_.Giro2));
    }
}

// The panel walk compares the candidate with every entry; the register holds the same
// numbers, so one look-up gives its answer.
bool Sorteio::repetido() { return motor_.registro_.contem(nSorteado_); }

void Sorteio::registrarRepeticao() {
    ++nRepete_;
    switch (nRepete_) {
    case 3: estado_.Seletor = 5; break;
    case 10: estado_.Seletor = 2; break;
    case 12: estado_.Seletor = 8; break;
    case 14: estado_.Seletor = 3; break;
    default:
        if (nRepete_ > 15)
            nRepete_ = 0;
        break;
    }
    assign(estado_.Giro1, checkedAdd(estado_.Giro1, nSorteado_));
}

void Sorteio::gravar() {
    ListaDeResultados& lstN = controles_.lstN();
    const FormatoDoPainel formato = formatoDoPainel(estado_.nParticipantes);
    lstN.setColumns(formato.colunas);
    lstN.addItem(textoDaEntrada(nSorteado_, formato));
    motor_.registro_.registrar(nSorteado_, lstN.listCount() - 1);
    controles_.txtX().setText(text(nSorteado_));
    (void)lstN.setListIndex(lstN.listCount() - 1);
    estado_.nSorteados = lstN.listCount();
    controles_.lblN().setCaption(QStringLiteral("Números sorteados: ") + text(estado_.nSorteados));
    controles_.txtEnder().setText(prefixoDoArquivo::gravando() + estado_.Arquivo);
    motor_.registrarSorteio(nSorteado_);
    const MotorSorteio::Gravado gravado = motor_.gravarNoArquivo(nSorteado_);
    if (!gravado.resultados) {
        // The number stays drawn; the operator must know at once that it is not on record.
        motor_.ambiente_.dialogos.caixaDeMensagem(
            QStringLiteral("Não foi possível gravar o número sorteado no arquivo:\n") +
                estado_.Arquivo,
            platform::Dialogos::OkInformacao);
        controles_.txtEnder().setText(prefixoDoArquivo::falha() + estado_.Arquivo);
    } else if (!gravado.registro) {
        // On file but not in the record: the two would differ, and the operator must know.
        motor_.avisarRegistroNaoGravado(QStringLiteral("o número sorteado"));
        controles_.txtEnder().setText(prefixoDoArquivo::falha() + motor_.caminhoDoRegistro());
    }
    reabrir();
}

} // namespace rodaleque
