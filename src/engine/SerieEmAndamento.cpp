#include "SerieEmAndamento.h"

#include "EstadoSorteio.h"

#include <QByteArrayList>
#include <QList>

namespace rodaleque {

namespace {

// Line by line, a word and its value; the path goes percent-encoded, so that no name a
// folder may have can break a line.
const QByteArray cabecalho = QByteArrayLiteral("Rodaleque: serie em andamento 1");

QByteArray valor(const QList<QByteArray>& linhas, const QByteArray& chave) {
    for (const QByteArray& linha : linhas)
        if (linha.startsWith(chave + '='))
            return linha.mid(chave.size() + 1);
    return {};
}

std::optional<uint64_t> natural(const QByteArray& texto) {
    bool ok = false;
    const uint64_t v = texto.toULongLong(&ok);
    if (!ok || texto.isEmpty() || texto.front() == '+' || texto.front() == '-')
        return std::nullopt;
    return v;
}

// "entries:count,..." in order, the counts within bounds and never falling, the last one N.
std::optional<std::vector<ContagemDaSerie>> contagensDe(const QByteArray& texto, int32_t n) {
    std::vector<ContagemDaSerie> contagens;
    for (const QByteArray& par : texto.split(',')) {
        const QList<QByteArray> partes = par.split(':');
        const auto entradas = natural(partes.value(0));
        const auto participantes = natural(partes.value(1));
        if (partes.size() != 2 || !entradas || !participantes || *entradas > INT32_MAX ||
            *participantes < minimoDeParticipantes || *participantes > maximoDeParticipantes)
            return std::nullopt;
        const ContagemDaSerie c{static_cast<int32_t>(*entradas), static_cast<int32_t>(*participantes)};
        if (!contagens.empty() && (c.entradas < contagens.back().entradas ||
                                   c.participantes < contagens.back().participantes))
            return std::nullopt;
        contagens.push_back(c);
    }
    if (contagens.back().participantes != n)
        return std::nullopt;
    return contagens;
}

} // namespace

bool SerieEmAndamento::guardar(const SerieInterrompida& serie) {
    if (caminho_.isEmpty())
        return false;
    QByteArray texto = cabecalho + '\n';
    texto += "serie=" + QByteArray::number(serie.serie) + '\n';
    texto += "participantes=" + QByteArray::number(serie.participantes) + '\n';
    const auto identidade = [&](const QByteArray& prefixo, const std::optional<platform::Identidade>& i) {
        if (i) {
            texto += prefixo + "volume=" + QByteArray::number(i->volume) + '\n';
            texto += prefixo + "indice=" + QByteArray::number(i->indice) + '\n';
        }
    };
    identidade("", serie.identidade);
    identidade("registro-", serie.identidadeDoRegistro);
    QByteArrayList contagens;
    for (const ContagemDaSerie& c : serie.contagens)
        contagens << QByteArray::number(c.entradas) + ':' + QByteArray::number(c.participantes);
    texto += "contagens=" + contagens.join(',') + '\n';
    texto += "arquivo=" + serie.arquivo.toUtf8().toPercentEncoding() + '\n';
    return arquivos_.substituirDuravel(caminho_, texto);
}

void SerieEmAndamento::apagar() {
    if (!caminho_.isEmpty())
        arquivos_.remover(caminho_);
}

SerieEmAndamento::Leitura SerieEmAndamento::ler() {
    Leitura leitura;
    if (caminho_.isEmpty() || !arquivos_.nomeOcupado(caminho_))
        return leitura;
    leitura.estado = Estado::Ilegivel;
    const std::optional<QByteArray> texto = arquivos_.ler(caminho_);
    if (!texto)
        return leitura;
    const QList<QByteArray> linhas = texto->split('\n');
    const auto serie = natural(valor(linhas, "serie"));
    const auto participantes = natural(valor(linhas, "participantes"));
    const QString arquivo = QString::fromUtf8(QByteArray::fromPercentEncoding(valor(linhas, "arquivo")));
    const auto volume = natural(valor(linhas, "volume"));
    const auto indice = natural(valor(linhas, "indice"));
    const auto volumeDoRegistro = natural(valor(linhas, "registro-volume"));
    const auto indiceDoRegistro = natural(valor(linhas, "registro-indice"));
    if (linhas.value(0) != cabecalho || !serie || *serie < 1 || *serie > INT32_MAX ||
        !participantes || *participantes < minimoDeParticipantes ||
        *participantes > maximoDeParticipantes || arquivo.isEmpty() ||
        volume.has_value() != indice.has_value() ||
        volumeDoRegistro.has_value() != indiceDoRegistro.has_value())
        return leitura;
    leitura.serie.serie = static_cast<int32_t>(*serie);
    leitura.serie.participantes = static_cast<int32_t>(*participantes);
    leitura.serie.arquivo = arquivo;
    if (volume)
        leitura.serie.identidade = platform::Identidade{*volume, *indice};
    if (volumeDoRegistro)
        leitura.serie.identidadeDoRegistro = platform::Identidade{*volumeDoRegistro, *indiceDoRegistro};
    const auto contagens = contagensDe(valor(linhas, "contagens"), leitura.serie.participantes);
    if (!contagens)
        return leitura;
    leitura.serie.contagens = *contagens;
    leitura.estado = Estado::Lida;
    return leitura;
}

} // namespace rodaleque
