#include "MotorSorteio.h"
#include "Numeros.h"

namespace rodaleque {

namespace {
constexpr int64_t corDeBolaApagada = 0x404040;
}

void MotorSorteio::NovaSerie() {
    if (estado_.nParticipantes > 0)
        return; // a count raised during a running series keeps its file, panel and draws
    Controles& c = ambiente_.controles;

    // A failure while naming the file goes on with the captions below; a missing file of
    // the new name is the usual case, not a failure.
    prepararNome();

    mostrarSerie();
    c.txtEnder().setText(prefixoDoArquivo::aGravar() + estado_.Arquivo);
    estado_.nParticipantes = 0;
    c.lstN().clear();
    registro_.limpar();
    naoGravados_.clear();
    contagens_.clear();
    ambiente_.registroDaSerie.esquecer();
    c.lblCodigo().setCaption(QString());
    c.sorter().setEnabled(false);
    c.sorter2().setEnabled(false);
    c.sorter3().setEnabled(false);
    c.sorter4().setEnabled(false);
    c.txtBar().setText(QString());
    c.txtX().setText(QString());
    // From here on a failure ends the set-up at once.
    if (!limparBolas())
        return;
    for (int i = 0; i < c.txtEstatCount(); ++i) {
        CaixaDeTexto* contador = c.txtEstat(i);
        if (!contador)
            return;
        contador->setText(QString());
    }
    c.cmdSorteio().setEnabled(false);
    c.lblPos().setCaption(QStringLiteral("Painel vazio!"));
    c.lblN().setCaption(QStringLiteral("Números Sorteados: 0"));
}

void MotorSorteio::prepararNome() {
    Controles& c = ambiente_.controles;
    c.cmdX().setCaption(QStringLiteral("&Inserir nº de participantes"));
    c.cmdX().setEnabled(true);
    c.txtPart().setText(QString());
    estado_.nSorteados = 0;
    ambiente_.arquivo.nomear(estado_.nSerie, estado_.Arquivo);
}

void MotorSorteio::mostrarSerie() {
    ambiente_.controles.lblSnum().setCaption(QStringLiteral("Sorteio Número: ") +
                                             numeros::text(estado_.nSerie));
}

bool MotorSorteio::limparBolas() {
    Controles& c = ambiente_.controles;
    for (int i = 0; i < c.txtGloboCount(); ++i) {
        Bola* bola = c.txtGlobo(i);
        if (!bola)
            return false;
        bola->setText(QString());
        if (!bola->setBackColor(corDeBolaApagada))
            return false;
    }
    return true;
}

} // namespace rodaleque
