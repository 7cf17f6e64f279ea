// A series kept on record while it runs, and taken up again after the program stopped
// without ending it.
#include "MotorSorteio.h"
#include "Numeros.h"
#include "PainelFormato.h"

#include <registro/Verificacao.h>

#include <iterator>

namespace rodaleque {

using numeros::text;

void MotorSorteio::aplicarContagem(int32_t n) {
    Controles& c = ambiente_.controles;
    const int32_t antes = estado_.nParticipantes;
    if (antes == 0)
        ambiente_.registroDaSerie.conhecerExecutavel();
    estado_.nParticipantes = n;
    if (contagens_.empty() || contagens_.back().participantes != n)
        contagens_.push_back({c.lstN().listCount(), n});
    if (n == maximoDeParticipantes)
        c.cmdX().setEnabled(false);
    c.cmdX().setCaption(QStringLiteral("&Inserir mais participantes"));
    c.cmdSorteio().setEnabled(true);
    estado_.nSorteados = c.lstN().listCount();
    estado_.Giro2 = n;
    for (Temporizador* t : {&c.sorter(), &c.sorter2(), &c.sorter3(), &c.sorter4(), &c.Timer1()})
        t->setEnabled(true);
    c.txtBar().setText(QString());
    c.txtPart().setText(text(n));
    c.cmdSorteio().setFocus();
    guardarSerie();
    // A raise once the record has opened goes into it; before, its opening will say the count.
    if (antes != 0 && n != antes && ambiente_.registroDaSerie.aberto()) {
        ambiente_.registroDaSerie.contagem(antes, n);
        if (!gravarSerie().registro)
            avisarRegistroNaoGravado(QStringLiteral("a nova contagem de participantes"));
    }
}

void MotorSorteio::guardarSerie() {
    ambiente_.emAndamento.guardar({estado_.nSerie, estado_.nParticipantes, estado_.Arquivo,
                                   ambiente_.arquivo.identidade(estado_.Arquivo), contagens_,
                                   ambiente_.registroDaSerie.identidade(caminhoDoRegistro())});
}

// Whatever the record or the file holds, the program starts: at worst as if there were none.
// The record stays until the operator has answered, in case the program stops meanwhile.
void MotorSorteio::retomarSerieInterrompida() {
    const SerieEmAndamento::Leitura leitura = ambiente_.emAndamento.ler();
    if (leitura.estado == SerieEmAndamento::Estado::Nenhuma)
        return;
    if (!oferecerContinuacao(leitura))
        ambiente_.emAndamento.apagar();
}

bool MotorSorteio::oferecerContinuacao(const SerieEmAndamento::Leitura& leitura) {
    platform::Dialogos& dialogos = ambiente_.dialogos;
    const auto avisar = [&](const QString& texto) {
        dialogos.caixaDeMensagem(texto + QStringLiteral("\n\nUma nova série será iniciada."),
                                 platform::Dialogos::OkInformacao);
    };
    const SerieInterrompida& s = leitura.serie;
    if (leitura.estado == SerieEmAndamento::Estado::Ilegivel) {
        avisar(QStringLiteral("O registro da série interrompida não pôde ser lido:\n") +
               ambiente_.emAndamento.caminho());
        return false;
    }
    if (!s.identidade)
        return false; // the program stopped before the first draw: nothing to go on with
    const std::optional<SerieLida> lida =
        ambiente_.arquivo.lerSerie(s.arquivo, *s.identidade, s.participantes);
    if (!lida) {
        avisar(QStringLiteral("O arquivo de resultados da série interrompida não foi encontrado "
                              "ou foi substituído:\n") +
               s.arquivo);
        return false;
    }
    if (lida->linhaErrada != 0) {
        avisar(QStringLiteral("A série interrompida não pode ser continuada: a linha ") +
               text(lida->linhaErrada) + QStringLiteral(" do arquivo\n") + s.arquivo +
               QStringLiteral("\nnão é um número sorteado desta série. O arquivo não foi alterado."));
        return false;
    }
    if (lida->numeros.empty()) {
        avisar(QStringLiteral("O arquivo de resultados da série interrompida está vazio:\n") +
               s.arquivo);
        return false;
    }
    const std::optional<RegistroLido> registro = lerRegistroInterrompido(s, lida->numeros, avisar);
    if (!registro)
        return false;
    const int resposta = dialogos.caixaDeMensagem(
        QStringLiteral("A série ") + text(s.serie) + QStringLiteral(" foi interrompida com ") +
            text(static_cast<int32_t>(lida->numeros.size())) +
            QStringLiteral(" números sorteados de ") + text(s.participantes) +
            QStringLiteral(".\nArquivo: ") + s.arquivo +
            QStringLiteral("\n\nDeseja continuar essa série?"),
        platform::Dialogos::SimNaoPergunta);
    if (resposta != platform::Dialogos::RespostaSim)
        return false;
    continuarSerie(s, lida->numeros, *registro);
    return true;
}

// The series goes on in its own record, which must hold together and agree with the results
// file: the same draws, in order, but for those the file got and the record had not yet when
// the program stopped. A record that was ended needs nothing more, and the series stays ended.
std::optional<MotorSorteio::RegistroLido> MotorSorteio::lerRegistroInterrompido(
    const SerieInterrompida& serie, const std::vector<int32_t>& numeros,
    const std::function<void(const QString&)>& avisar) {
    RegistroLido r;
    r.caminho = registro::caminhoDoRegistro(serie.arquivo);
    const std::optional<QByteArray> conteudo =
        serie.identidadeDoRegistro ? ambiente_.registroDaSerie.ler(r.caminho, *serie.identidadeDoRegistro)
                                   : std::nullopt;
    if (!conteudo) {
        avisar(QStringLiteral("O registro da série interrompida não foi encontrado ou foi "
                              "substituído:\n") +
               r.caminho);
        return std::nullopt;
    }
    r.identidade = *serie.identidadeDoRegistro;
    r.conteudo = *conteudo;
    r.leitura = registro::lerRegistro(r.conteudo);
    if (r.leitura.encerrada())
        return std::nullopt;
    const registro::Problema& problema = r.leitura.problema;
    if (!r.leitura.integro() && problema.tipo != registro::Problema::Tipo::LinhaCortada) {
        avisar(QStringLiteral("O registro da série interrompida não confere na linha %1 (%2):\n")
                   .arg(problema.linha)
                   .arg(problema.detalhe) +
               r.caminho + QStringLiteral("\nOs arquivos não foram alterados."));
        return std::nullopt;
    }
    const std::vector<const registro::Entrada*> sorteios = r.leitura.sorteios();
    bool conferem = r.leitura.abertura() && sorteios.size() <= numeros.size() &&
                    r.leitura.arquivo() == registro::nomeDoArquivo(serie.arquivo) &&
                    r.leitura.participantes() <= serie.participantes;
    for (std::size_t i = 0; conferem && i < sorteios.size(); ++i)
        conferem = sorteios[i]->numero == numeros[i];
    if (!conferem) {
        avisar(QStringLiteral("O arquivo de resultados e o registro da série interrompida não "
                              "conferem:\n") +
               serie.arquivo + u'\n' + r.caminho + QStringLiteral("\nOs arquivos não foram alterados."));
        return std::nullopt;
    }
    return r;
}

// As if the program had never stopped: the panel as the draws left it, then the count
// accepted again, which also keeps the series on record once more.
void MotorSorteio::continuarSerie(const SerieInterrompida& serie,
                                  const std::vector<int32_t>& numeros, const RegistroLido& registro) {
    Controles& c = ambiente_.controles;
    estado_.nSerie = serie.serie;
    estado_.Arquivo = serie.arquivo;
    ambiente_.arquivo.retomar(serie.arquivo, *serie.identidade, numeros);
    mostrarSerie();
    c.txtEnder().setText(prefixoDoArquivo::gravando() + serie.arquivo);

    // Each entry as the count it was drawn under shows it; the columns, as the last draw left them.
    ListaDeResultados& lstN = c.lstN();
    auto contagem = serie.contagens.begin();
    FormatoDoPainel formato{};
    for (const int32_t n : numeros) {
        const int32_t indice = lstN.listCount();
        while (std::next(contagem) != serie.contagens.end() && std::next(contagem)->entradas <= indice)
            ++contagem;
        formato = formatoDoPainel(contagem->participantes);
        lstN.addItem(textoDaEntrada(n, formato));
        registro_.registrar(n, indice);
    }
    lstN.setColumns(formato.colunas);
    (void)lstN.setListIndex(lstN.listCount() - 1);
    contagens_ = serie.contagens;
    c.txtX().setText(text(numeros.back()));
    c.lblN().setCaption(QStringLiteral("Números sorteados: ") +
                        text(static_cast<int32_t>(numeros.size())));
    retomarRegistro(serie, numeros, registro);
    aplicarContagem(serie.participantes);
    if (registro_.sorteadosAte(serie.participantes) >= serie.participantes) {
        c.cmdSorteio().setEnabled(false);
        c.txtBar().setText(QStringLiteral("Todos os números já foram sorteados"));
        c.Timer1().setEnabled(false);
    }
    if (!gravarSerie().registro)
        avisarRegistroNaoGravado(QStringLiteral("a continuação da série"));
}

// The record takes up where it stopped: the count and the draws it lacked, then a word that
// the series was interrupted and goes on, with the position of its next draw.
void MotorSorteio::retomarRegistro(const SerieInterrompida& serie,
                                   const std::vector<int32_t>& numeros, const RegistroLido& lido) {
    RegistroDaSerie& r = ambiente_.registroDaSerie;
    const bool cortada = r.retomar(lido.caminho, lido.identidade, lido.conteudo, lido.leitura);
    if (lido.leitura.participantes() < serie.participantes)
        r.contagem(lido.leitura.participantes(), serie.participantes);
    const std::size_t noRegistro = lido.leitura.sorteios().size();
    for (std::size_t i = noRegistro; i < numeros.size(); ++i)
        r.sorteioRecuperado(static_cast<int32_t>(i + 1), numeros[i], serie.participantes);
    if (numeros.size() > noRegistro && registro_.sorteadosAte(serie.participantes) >= serie.participantes)
        r.concluida(static_cast<int32_t>(numeros.size()));
    r.continuacao(static_cast<int32_t>(numeros.size()) + 1, cortada);
    mostrarCodigo();
}

} // namespace rodaleque
