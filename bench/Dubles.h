#pragma once

#include <platform/Arquivos.h>
#include <platform/Dialogos.h>

#include <QElapsedTimer>
#include <QHash>

#include <optional>
#include <type_traits>

namespace rodaleque::bench {

// For measuring the draw alone: files that cost nothing, boxes that nobody answers. Only which
// file each name holds is kept, so that an append goes where it would on a disk; the appended
// numbers are dropped, and a file that held them cannot be read back.
struct ArquivosDescartados : platform::Arquivos {
    bool nomeOcupado(const QString& caminho) override { return arquivos.contains(caminho); }
    Criacao criarDuravel(const QString& caminho, const QByteArray& bytes,
                         platform::Identidade& criado) override {
        if (arquivos.contains(caminho))
            return Criacao::NomeOcupado;
        criado = novo(caminho, std::nullopt);
        arquivos[caminho].tamanho = bytes.size();
        return Criacao::Gravado;
    }
    Acrescimo acrescentarDuravel(const QString& caminho, const platform::Identidade& arquivo,
                                 const QByteArray& bytes, qint64 tamanho) override {
        const auto it = arquivos.find(caminho);
        if (it == arquivos.end() || it->identidade != arquivo ||
            (tamanho != qualquerTamanho && it->tamanho != tamanho))
            return Acrescimo::Trocado;
        it->conteudo.reset();
        it->tamanho += bytes.size();
        return Acrescimo::Gravado;
    }
    std::optional<platform::Identidade> identidade(const QString& caminho) override {
        const auto it = arquivos.constFind(caminho);
        return it == arquivos.cend() ? std::nullopt : std::optional(it->identidade);
    }
    std::optional<QByteArray> ler(const QString& caminho) override {
        const auto it = arquivos.constFind(caminho);
        return it == arquivos.cend() ? std::nullopt : it->conteudo;
    }
    bool substituirDuravel(const QString& caminho, const QByteArray& bytes) override {
        novo(caminho, bytes);
        return true;
    }
    bool remover(const QString& caminho) override {
        arquivos.remove(caminho);
        return true;
    }

    struct Arquivo {
        platform::Identidade identidade;
        std::optional<QByteArray> conteudo; // nothing once numbers were dropped
        qint64 tamanho = 0;
    };
    QHash<QString, Arquivo> arquivos;

private:
    // Every file made gets a number no other one had, as a disk's files do.
    platform::Identidade novo(const QString& caminho, std::optional<QByteArray> conteudo) {
        const platform::Identidade identidade{0, ++feitos_};
        arquivos.insert(caminho, {identidade, std::move(conteudo)});
        return identidade;
    }
    uint64_t feitos_ = 0;
};

// The real files, with the time spent in the durable writes noted.
struct ArquivosCronometrados final : platform::Arquivos {
    template <typename F> std::invoke_result_t<F> cronometrar(F&& gravar) {
        QElapsedTimer t;
        t.start();
        const auto resultado = gravar();
        ms += t.nsecsElapsed() / 1e6;
        ++escritas;
        return resultado;
    }
    bool nomeOcupado(const QString& caminho) override { return real.nomeOcupado(caminho); }
    Criacao criarDuravel(const QString& caminho, const QByteArray& bytes,
                         platform::Identidade& criado) override {
        return cronometrar([&] { return real.criarDuravel(caminho, bytes, criado); });
    }
    Acrescimo acrescentarDuravel(const QString& caminho, const platform::Identidade& arquivo,
                                 const QByteArray& bytes, qint64 tamanho) override {
        return cronometrar([&] { return real.acrescentarDuravel(caminho, arquivo, bytes, tamanho); });
    }
    std::optional<platform::Identidade> identidade(const QString& caminho) override {
        return real.identidade(caminho);
    }
    std::optional<QByteArray> ler(const QString& caminho) override { return real.ler(caminho); }
    bool substituirDuravel(const QString& caminho, const QByteArray& bytes) override {
        return cronometrar([&] { return real.substituirDuravel(caminho, bytes); });
    }
    bool remover(const QString& caminho) override {
        return cronometrar([&] { return real.remover(caminho); });
    }
    platform::ArquivosDoSistema real;
    double ms = 0;
    int64_t escritas = 0;
};

struct DialogosMudos : platform::Dialogos {
    int caixaDeMensagem(const QString&, int) override { return RespostaOk; }
    QString caixaDeEntrada(const QString&, int) override { return {}; }
    QString escolherArquivo(const QString&, const QString&) override { return {}; }
};

} // namespace rodaleque::bench
