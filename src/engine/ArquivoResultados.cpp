#include "ArquivoResultados.h"

#include "Checked.h"
#include "Numeros.h"

namespace rodaleque {

using numeros::text;

ArquivoResultados::ArquivoResultados(platform::Arquivos& arquivos, platform::Relogio& relogio,
                                     platform::PastaDeResultados& pasta, QString separador)
    : arquivos_(arquivos), relogio_(relogio), pasta_(pasta), separador_(std::move(separador)) {}

QString ArquivoResultados::pastaComSeparador() {
    const QString pasta = pasta_.pasta();
    return pasta.endsWith(separador_) ? pasta : pasta + separador_;
}

QString ArquivoResultados::caminho(const QString& pastaComSeparador, int32_t nSerie) {
    QString nome = pastaComSeparador + QStringLiteral("sn.") + text(nSerie) + u'[';
    nome += text(relogio_.agora().dia) + u'-';
    nome += text(relogio_.agora().mes) + u']';
    nome += text(relogio_.agora().hora) + u'h';
    nome += text(relogio_.agora().minuto) + QStringLiteral("min");
    nome += text(relogio_.agora().segundo) + QStringLiteral(".txt");
    return nome;
}

bool ArquivoResultados::nomear(int32_t& nSerie, QString& arquivo) {
    criado_.clear(); // a new name is claimed by its first line
    const QString pasta = pastaComSeparador();
    arquivo = caminho(pasta, nSerie);
    while (arquivos_.nomeOcupado(arquivo)) {
        if (!assign(nSerie, checkedAdd(nSerie, 1)))
            return false;
        arquivo = caminho(pasta, nSerie);
    }
    return true;
}

namespace {

// Digits only, so the system's single-byte code page is plain ASCII; CR LF everywhere.
QByteArray linhaDe(int32_t n) { return text(n).toLatin1() + "\r\n"; }

} // namespace

ArquivoResultados::Gravacao ArquivoResultados::gravar(const QString& arquivo,
                                                      const std::vector<int32_t>& numeros) {
    using Acrescimo = platform::Arquivos::Acrescimo;
    using Criacao = platform::Arquivos::Criacao;
    QByteArray linhas;
    for (const int32_t n : numeros)
        linhas += linhaDe(n);
    if (arquivo == criado_) {
        switch (arquivos_.acrescentarDuravel(arquivo, identidade_, linhas)) {
        case Acrescimo::Gravado: return Gravacao::Acrescentado;
        case Acrescimo::Trocado: return Gravacao::Trocado;
        case Acrescimo::Falhou: return Gravacao::Falhou;
        }
    }
    platform::Identidade criado;
    switch (arquivos_.criarDuravel(arquivo, linhas, criado)) {
    case Criacao::Gravado: retomar(arquivo, criado); return Gravacao::Criado;
    case Criacao::NomeOcupado: return Gravacao::NomeOcupado;
    case Criacao::Falhou: break;
    }
    return Gravacao::Falhou;
}

void ArquivoResultados::retomar(const QString& arquivo, const platform::Identidade& identidade) {
    criado_ = arquivo;
    identidade_ = identidade;
}

std::optional<platform::Identidade> ArquivoResultados::identidade(const QString& arquivo) const {
    if (arquivo.isEmpty() || arquivo != criado_)
        return std::nullopt;
    return identidade_;
}

std::optional<SerieLida> ArquivoResultados::lerSerie(const QString& arquivo,
                                                     const platform::Identidade& identidade,
                                                     int32_t nParticipantes) {
    if (arquivos_.identidade(arquivo) != identidade)
        return std::nullopt;
    const std::optional<QByteArray> conteudo = arquivos_.ler(arquivo);
    if (!conteudo)
        return std::nullopt;
    return rodaleque::lerSerie(*conteudo, nParticipantes);
}

} // namespace rodaleque
