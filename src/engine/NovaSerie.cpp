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

bool MotorSorteio::gravarNoArquivo(int32_t n) {
    using Gravacao = ArquivoResultados::Gravacao;
    Controles& c = ambiente_.controles;
    while (true) {
        switch (ambiente_.arquivo.gravar(estado_.Arquivo, n)) {
        case Gravacao::Acrescentado:
            return true;
        case Gravacao::Criado:
            guardarSerie();
            return true;
        case Gravacao::Falhou:
            return false;
        case Gravacao::Trocado:
            return regravarSerie();
        case Gravacao::NomeOcupado:
            if (!avancarSerie())
                return false;
            c.txtEnder().setText(prefixoDoArquivo::gravando() + estado_.Arquivo);
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

bool MotorSorteio::regravarSerie() {
    using Gravacao = ArquivoResultados::Gravacao;
    ambiente_.dialogos.caixaDeMensagem(
        QStringLiteral("O arquivo de resultados desta série não foi encontrado ou foi "
                       "substituído:\n") +
            estado_.Arquivo +
            QStringLiteral("\n\nOs números desta série serão gravados em um novo arquivo."),
        platform::Dialogos::OkInformacao);
    const std::vector<int32_t> numeros = registro_.emOrdem();
    while (avancarSerie()) {
        ambiente_.controles.txtEnder().setText(prefixoDoArquivo::gravando() + estado_.Arquivo);
        switch (ambiente_.arquivo.recomecar(estado_.Arquivo, numeros)) {
        case Gravacao::Criado:
            guardarSerie();
            return true;
        case Gravacao::NomeOcupado:
            break;
        default:
            return false;
        }
    }
    return false;
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
