#include "ArquivoDaSerie.h"

namespace rodaleque {

ArquivoDaSerie::Gravacao ArquivoDaSerie::gravar(const QString& caminho, const QByteArray& bytes) {
    using Acrescimo = platform::Arquivos::Acrescimo;
    using Criacao = platform::Arquivos::Criacao;
    if (caminho == criado_) {
        switch (arquivos_.acrescentarDuravel(caminho, identidade_, bytes, tamanho_)) {
        case Acrescimo::Gravado:
            tamanho_ += bytes.size();
            return Gravacao::Acrescentado;
        case Acrescimo::Trocado:
            return Gravacao::Trocado;
        case Acrescimo::Falhou:
            return Gravacao::Falhou;
        }
    }
    platform::Identidade criado;
    switch (arquivos_.criarDuravel(caminho, bytes, criado)) {
    case Criacao::Gravado:
        retomar(caminho, criado, bytes.size());
        return Gravacao::Criado;
    case Criacao::NomeOcupado:
        return Gravacao::NomeOcupado;
    case Criacao::Falhou:
        break;
    }
    return Gravacao::Falhou;
}

void ArquivoDaSerie::retomar(const QString& caminho, const platform::Identidade& identidade,
                             qint64 tamanho) {
    criado_ = caminho;
    identidade_ = identidade;
    tamanho_ = tamanho;
}

std::optional<platform::Identidade> ArquivoDaSerie::identidade(const QString& caminho) const {
    if (caminho.isEmpty() || caminho != criado_)
        return std::nullopt;
    return identidade_;
}

std::optional<QByteArray> lerSeForOMesmo(platform::Arquivos& arquivos, const QString& caminho,
                                         const platform::Identidade& identidade) {
    if (arquivos.identidade(caminho) != identidade)
        return std::nullopt;
    return arquivos.ler(caminho);
}

} // namespace rodaleque
