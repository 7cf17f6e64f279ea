#include "RegistroDaSerie.h"

#include <QCryptographicHash>

namespace rodaleque {

using registro::Texto;
namespace tipo = registro::tipo;

RegistroDaSerie::RegistroDaSerie(platform::Arquivos& arquivos, platform::Relogio& relogio,
                                 platform::Entropia& entropia, Programa programa)
    : arquivos_(arquivos), relogio_(relogio), entropia_(entropia), programa_(std::move(programa)),
      arquivo_(arquivos) {}

// 128 bits nobody can know in advance, so that no two records share a chain and none can be
// worked out before its series. A source that fails (only ever early in a boot) leaves zeros:
// the chain then rests on the opening entry's own time, and the session id shows it.
QByteArray RegistroDaSerie::sessao() {
    QByteArray bits;
    for (int i = 0; i < 2; ++i)
        bits += QByteArray::number(entropia_.ler64().value_or(0), 16).rightJustified(16, '0');
    return bits;
}

QByteArray RegistroDaSerie::executavel() {
    if (!executavel_) {
        const std::optional<QByteArray> bytes =
            programa_.lerExecutavel ? programa_.lerExecutavel() : std::nullopt;
        executavel_ = bytes ? QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256).toHex()
                            : QByteArrayLiteral("indisponivel");
    }
    return *executavel_;
}

void RegistroDaSerie::abrir(int32_t serie, const QString& arquivo, int32_t participantes) {
    esquecer();
    ultimoCodigo_ = sessao();
    Texto abertura(tipo::abertura);
    abertura.data(relogio_.agora(), true)
        .campo("formato", registro::versaoDoFormato)
        .campo("programa", programa_.nomeEVersao)
        .campo("executavel", QString::fromLatin1(executavel()))
        .campo("serie", serie)
        .campo("arquivo", arquivo)
        .campo("participantes", participantes)
        .campo("sessao", QString::fromLatin1(ultimoCodigo_));
    acrescentar(abertura);
}

void RegistroDaSerie::esquecer() {
    conteudo_.clear();
    gravados_ = 0;
    ultimoCodigo_.clear();
    codigoDoSorteio_.clear();
    arquivo_.esquecer();
}

Texto RegistroDaSerie::entrada(const char* tipo) {
    Texto texto(tipo);
    texto.data(relogio_.agora());
    return texto;
}

void RegistroDaSerie::acrescentar(const Texto& texto) {
    ultimoCodigo_ = registro::encadear(ultimoCodigo_, texto.texto());
    conteudo_ += registro::linha(texto.texto(), ultimoCodigo_);
}

void RegistroDaSerie::sorteio(int32_t posicao, int32_t numero, int32_t participantes) {
    sorteio(tipo::sorteio, posicao, numero, participantes);
}

void RegistroDaSerie::sorteioRecuperado(int32_t posicao, int32_t numero, int32_t participantes) {
    sorteio(tipo::sorteioRecuperado, posicao, numero, participantes);
}

void RegistroDaSerie::sorteio(const char* tipo, int32_t posicao, int32_t numero,
                              int32_t participantes) {
    acrescentar(entrada(tipo)
                    .campo("posicao", posicao)
                    .campo("numero", numero)
                    .campo("participantes", participantes));
    codigoDoSorteio_ = ultimoCodigo_;
}

void RegistroDaSerie::contagem(int32_t de, int32_t para) {
    acrescentar(entrada(tipo::contagem).campo("de", de).campo("para", para));
}

void RegistroDaSerie::ocorrencia(const QString& texto) {
    acrescentar(entrada(tipo::ocorrencia).campo("texto", texto));
}

void RegistroDaSerie::continuacao(int32_t posicao, bool linhaCortadaDescartada) {
    Texto texto = entrada(tipo::continuacao);
    texto.campo("posicao", posicao);
    if (linhaCortadaDescartada)
        texto.campo("linha-cortada", QStringLiteral("descartada"));
    acrescentar(texto);
}

void RegistroDaSerie::arquivoRefeito(const char* motivo, const QString& anterior,
                                     const QString& novo) {
    acrescentar(entrada(tipo::arquivoRefeito)
                    .campo("motivo", QString::fromLatin1(motivo))
                    .campo("anterior", anterior)
                    .campo("novo", novo));
}

void RegistroDaSerie::concluida(int32_t sorteados) {
    acrescentar(entrada(tipo::concluida).campo("sorteados", sorteados));
}

void RegistroDaSerie::encerrada(const char* motivo) {
    acrescentar(entrada(tipo::encerrada).campo("motivo", QString::fromLatin1(motivo)));
}

RegistroDaSerie::Gravacao RegistroDaSerie::gravar(const QString& caminho) {
    const bool reivindicado = arquivo_.identidade(caminho).has_value();
    const Gravacao g =
        arquivo_.gravar(caminho, reivindicado ? conteudo_.sliced(gravados_) : conteudo_);
    if (g == Gravacao::Criado || g == Gravacao::Acrescentado)
        gravados_ = conteudo_.size();
    return g;
}

bool RegistroDaSerie::retomar(const QString& caminho, const platform::Identidade& identidade,
                              const QByteArray& conteudo,
                              const registro::LeituraDoRegistro& leitura) {
    esquecer();
    conteudo_ = conteudo.left(leitura.bytesBons);
    gravados_ = conteudo_.size();
    ultimoCodigo_ = leitura.codigo();
    const std::vector<const registro::Entrada*> sorteios = leitura.sorteios();
    if (!sorteios.empty())
        codigoDoSorteio_ = sorteios.back()->codigo;
    const bool cortada = conteudo.size() > conteudo_.size();
    if (!cortada) {
        arquivo_.retomar(caminho, identidade, conteudo_.size());
        return false;
    }
    // The line cut short was never acknowledged: the file goes on from the last whole entry.
    // If it cannot be put back so, the record stays unclaimed, and its next write finds the
    // name taken and moves the series to a new pair of files, as any name taken does.
    if (arquivos_.substituirDuravel(caminho, conteudo_))
        if (const std::optional<platform::Identidade> nova = arquivos_.identidade(caminho))
            arquivo_.retomar(caminho, *nova, conteudo_.size());
    return true;
}

} // namespace rodaleque
