#pragma once

#include "ArquivoDaSerie.h"

#include <platform/Arquivos.h>
#include <platform/Entropia.h>
#include <platform/Relogio.h>
#include <registro/Formato.h>
#include <registro/LeituraDoRegistro.h>

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace rodaleque {

// The record of the running series: entry after entry, each with the time it was made and a
// code chained to the one before. The whole record stays in memory, so that it can be written
// again whole into a new file; on disk it lies beside the results file, claimed with its first
// write as that file is, and appended to only while it is the same file.
class RegistroDaSerie {
public:
    using Gravacao = ArquivoDaSerie::Gravacao;

    // What the opening entry says of the program: its name and version, and the SHA-256 of
    // its executable, asked for when the first record opens.
    struct Programa {
        QString nomeEVersao;
        std::function<std::optional<QByteArray>()> lerExecutavel;
    };

    RegistroDaSerie(platform::Arquivos& arquivos, platform::Relogio& relogio,
                    platform::Entropia& entropia, Programa programa);

    bool aberto() const { return !ultimoCodigo_.isEmpty(); }
    // The executable's SHA-256, worked out once, ahead of the first opening: a series begins
    // with the operator typing its count, where a pause goes unseen, not with its first draw.
    void conhecerExecutavel() { static_cast<void>(executavel()); }
    // A new record, opened by its first entry, chained from a session id of the system's
    // entropy: the series' number, its results file's name and the count in force.
    void abrir(int32_t serie, const QString& arquivo, int32_t participantes);
    // Nothing kept: the series is over, or a new one starts.
    void esquecer();

    void sorteio(int32_t posicao, int32_t numero, int32_t participantes);
    // A draw on the results file that the record lacked when the series was taken up again.
    void sorteioRecuperado(int32_t posicao, int32_t numero, int32_t participantes);
    void contagem(int32_t de, int32_t para);
    void ocorrencia(const QString& texto);
    // The series taken up again after an interruption, with the position of its next draw.
    void continuacao(int32_t posicao, bool linhaCortadaDescartada);
    void arquivoRefeito(const char* motivo, const QString& anterior, const QString& novo);
    void concluida(int32_t sorteados);
    void encerrada(const char* motivo);

    // The last draw's code as people read it out, "AB12-CD34"; empty before the first draw.
    QString codigoCurto() const {
        return codigoDoSorteio_.isEmpty() ? QString() : registro::codigoCurto(codigoDoSorteio_);
    }

    // What the file at the path lacks, on the device before this returns: a path not claimed
    // yet gets the whole record, the path claimed the entries not on file yet.
    Gravacao gravar(const QString& caminho);
    bool emDia() const { return gravados_ == conteudo_.size(); }
    std::optional<platform::Identidade> identidade(const QString& caminho) const {
        return arquivo_.identidade(caminho);
    }

    // The record at the path, if it is still the file `identidade` names.
    std::optional<QByteArray> ler(const QString& caminho, const platform::Identidade& identidade) {
        return lerSeForOMesmo(arquivos_, caminho, identidade);
    }

    // Goes on with the record read back from the file at the path, which is the file
    // `identidade` names: its whole entries, a last line cut short taken away from the file.
    // True if such a line was there.
    bool retomar(const QString& caminho, const platform::Identidade& identidade,
                 const QByteArray& conteudo, const registro::LeituraDoRegistro& leitura);

private:
    void sorteio(const char* tipo, int32_t posicao, int32_t numero, int32_t participantes);
    void acrescentar(const registro::Texto& texto);
    registro::Texto entrada(const char* tipo);
    QByteArray sessao();
    QByteArray executavel();

    platform::Arquivos& arquivos_;
    platform::Relogio& relogio_;
    platform::Entropia& entropia_;
    Programa programa_;
    std::optional<QByteArray> executavel_; // its SHA-256, once asked for
    ArquivoDaSerie arquivo_;

    QByteArray conteudo_;        // every line of the record
    qsizetype gravados_ = 0;     // of which this many bytes are on the file claimed
    QByteArray ultimoCodigo_;    // the code the next entry chains from
    QByteArray codigoDoSorteio_; // the last draw's
};

} // namespace rodaleque
