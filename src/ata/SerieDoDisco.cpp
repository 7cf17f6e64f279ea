#include "SerieDoDisco.h"

#include <engine/EstadoSorteio.h>
#include <registro/Formato.h>
#include <registro/LeituraDaSerie.h>
#include <registro/LeituraDoRegistro.h>
#include <registro/Verificacao.h>

#include <QCryptographicHash>

namespace rodaleque::ata {

namespace {

using registro::Entrada;
using registro::Tipo;

QDateTime momento(const platform::DataHoraLocal& d) {
    return QDateTime(QDate(d.ano, d.mes, d.dia), QTime(d.hora, d.minuto, d.segundo),
                     Qt::OffsetFromUTC, d.deslocamentoUtc * 60);
}

QString motivoDaMudanca(const QString& motivo) {
    if (motivo == u"nome-ocupado")
        return QStringLiteral("o nome do arquivo estava ocupado");
    if (motivo == u"registro-trocado")
        return QStringLiteral("o registro foi apagado ou trocado");
    return QStringLiteral("o arquivo de resultados foi apagado ou trocado");
}

// What the minutes tell of an entry that is neither a draw nor a change of N; nothing for the
// entries they tell elsewhere.
QString ocorrencia(const Entrada& e) {
    switch (e.tipo) {
    case Tipo::Ocorrencia: return e.valor("texto");
    case Tipo::Continuacao:
        return QStringLiteral("O programa foi interrompido; ao ser aberto de novo, continuou a "
                              "série a partir do ") +
               e.valor("posicao") + QStringLiteral("º número.");
    case Tipo::ArquivoRefeito:
        return QStringLiteral("Como ") + motivoDaMudanca(e.valor("motivo")) +
               QStringLiteral(", a série foi gravada de novo, inteira, no arquivo ") +
               e.valor("novo") + QStringLiteral(" (antes ") + e.valor("anterior") +
               QStringLiteral(").");
    case Tipo::SorteioRecuperado:
        return QStringLiteral("O ") + e.valor("posicao") +
               QStringLiteral("º número, já gravado no arquivo de resultados quando o programa "
                              "foi interrompido, foi acrescentado ao registro.");
    case Tipo::Concluida: return QStringLiteral("Todos os números foram sorteados.");
    case Tipo::Encerrada:
        return e.valor("motivo") == u"reinicio"
                   ? QStringLiteral("A série foi encerrada com o reinício do sorteio.")
                   : QStringLiteral("A série foi encerrada com o fechamento do programa.");
    default: return {};
    }
}

void lerEntradas(const registro::LeituraDoRegistro& r, Serie& s) {
    const Entrada& abertura = r.entradas.front();
    const QString programa = abertura.valor("programa");
    const qsizetype espaco = programa.lastIndexOf(u' ');
    s.programa = espaco > 0 ? programa.left(espaco) : programa;
    s.versao = espaco > 0 ? programa.mid(espaco + 1) : QString();
    s.sha256DoPrograma = abertura.valor("executavel");
    s.numeroDaSerie = abertura.valor("serie").toInt();
    s.participantes = r.participantes();
    s.primeiraEntrada = momento(abertura.data);
    s.ultimaEntrada = momento(r.entradas.back().data);
    for (const Entrada& e : r.entradas) {
        if (e.ehSorteio())
            s.sorteados.push_back({e.posicao, e.numero, e.participantes, momento(e.data),
                                   registro::codigoCurto(e.codigo)});
        if (e.tipo == Tipo::Contagem)
            s.mudancas.push_back({momento(e.data), e.valor("de").toInt(), e.valor("para").toInt()});
        if (const QString texto = ocorrencia(e); !texto.isEmpty())
            s.ocorrencias.push_back({momento(e.data), texto});
    }
    s.codigoDeVerificacao = QString::fromLatin1(r.codigo());
    s.codigoCurto = registro::codigoCurto(r.codigo());
}

// A results file from before records: its numbers only.
std::optional<QString> lerSemRegistro(const QByteArray& resultados, Serie& s) {
    const SerieLida lida = lerSerie(resultados, maximoDeParticipantes);
    if (lida.linhaErrada > 0)
        return QStringLiteral("A linha %1 do arquivo de resultados não é um número sorteado: "
                              "não há como fazer a ata desta série.")
            .arg(lida.linhaErrada);
    s.comRegistro = false;
    int32_t posicao = 0;
    for (int32_t n : lida.numeros)
        s.sorteados.push_back({++posicao, n, 0, std::nullopt, QString()});
    return std::nullopt;
}

} // namespace

SerieLidaParaAta lerSerieParaAta(platform::Arquivos& arquivos, const QString& caminho) {
    using Resultado = registro::Verificacao::Resultado;
    const registro::SerieVerificada lida = registro::lerEVerificar(arquivos, caminho);
    const registro::Verificacao& v = lida.verificacao;
    SerieLidaParaAta paraAta{std::nullopt, QString(), v.arquivo};
    if (v.resultado == Resultado::Alterada || v.resultado == Resultado::Ilegivel) {
        paraAta.motivo = QStringLiteral("Não é possível gerar a ata desta série.\n\n") + registro::relatorio(v);
        return paraAta;
    }
    Serie s;
    s.arquivoDeResultados = registro::nomeDoArquivo(v.arquivo);
    s.sha256DoArquivo = QString::fromLatin1(
        QCryptographicHash::hash(lida.resultados, QCryptographicHash::Sha256).toHex());
    if (v.resultado == Resultado::Intacta) {
        lerEntradas(registro::lerRegistro(lida.registro), s);
    } else if (const std::optional<QString> erro = lerSemRegistro(lida.resultados, s)) {
        paraAta.motivo = *erro;
        return paraAta;
    }
    paraAta.serie = std::move(s);
    return paraAta;
}

} // namespace rodaleque::ata
