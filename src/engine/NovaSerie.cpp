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

// The series' file gets what it lacks: a claim, the whole series so far; an append, every
// number not on file yet (one whose write failed goes in with the next). A file taken away
// moves the series on to a new one, which gets the whole series; the operator is told once
// the numbers are safe, or the write has failed.
bool MotorSorteio::gravarNoArquivo(int32_t n) {
    naoGravados_.push_back(n);
    QString perdido;
    const bool gravado = gravarOQueFalta(perdido);
    if (!perdido.isEmpty())
        ambiente_.dialogos.caixaDeMensagem(
            QStringLiteral("O arquivo de resultados desta série não foi encontrado ou foi "
                           "substituído:\n") +
                perdido +
                QStringLiteral("\n\nOs números desta série serão gravados em um novo arquivo."),
            platform::Dialogos::OkInformacao);
    return gravado;
}

bool MotorSorteio::gravarOQueFalta(QString& perdido) {
    using Gravacao = ArquivoResultados::Gravacao;
    while (true) {
        const bool reivindicado = ambiente_.arquivo.identidade(estado_.Arquivo).has_value();
        switch (ambiente_.arquivo.gravar(estado_.Arquivo,
                                         reivindicado ? naoGravados_ : registro_.emOrdem())) {
        case Gravacao::Criado:
            guardarSerie();
            [[fallthrough]];
        case Gravacao::Acrescentado:
            naoGravados_.clear();
            return true;
        case Gravacao::Falhou:
            return false;
        case Gravacao::Trocado:
            perdido = estado_.Arquivo;
            [[fallthrough]];
        case Gravacao::NomeOcupado:
            if (!avancarSerie())
                return false;
            ambiente_.controles.txtEnder().setText(prefixoDoArquivo::gravando() + estado_.Arquivo);
            break;
        }
    }
}

bool MotorSorteio::avancarSerie() {
    if (!assign(estado_.nSerie, checkedAdd(estado_.nSerie, 1)) ||
        !ambiente_.arquivo.nomear(estado_.nSerie, estado_.Arquivo))
        return false;
    mostrarSerie();
    return true;
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
