#pragma once

#include "ArquivoDaSerie.h"

#include <registro/LeituraDaSerie.h>

#include <platform/Arquivos.h>
#include <platform/Programa.h>
#include <platform/Relogio.h>

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace rodaleque {

// What txtEnder shows in front of the series' path.
namespace prefixoDoArquivo {
inline QString aGravar() { return QStringLiteral("Arquivo a ser gravado: "); }
inline QString gravando() { return QStringLiteral("Gravando em: "); }
inline QString falha() { return QStringLiteral("Falha ao gravar em: "); }
} // namespace prefixoDoArquivo

// The series' results file: one drawn number per line, appended as it is drawn. It is the
// lasting copy of a public draw, and only ever the series' own: the series claims it with
// its first line, and every later line goes only into that very file, never into whatever
// else may stand at its path by then.
class ArquivoResultados {
public:
    using Gravacao = ArquivoDaSerie::Gravacao;

    ArquivoResultados(platform::Arquivos& arquivos, platform::Relogio& relogio,
                      platform::PastaDeResultados& pasta, QString separador);

    // The path for series nSerie, from separate readings of the clock:
    // <folder><sep>sn.<series>[<day>-<month>]<hour>h<minute>min<second>.txt
    QString caminho(int32_t nSerie) { return caminho(pastaComSeparador(), nSerie); }

    // Names the file of a new series. A name that is already taken would mix two series in
    // one record, so the series number goes up until the name is free; earlier files are
    // never touched. False, with the last name tried in arquivo, if nSerie would overflow.
    bool nomear(int32_t& nSerie, QString& arquivo);

    // Writes the lines of these numbers, on the device before this returns: the first write
    // of a series claims its file with them, every later one appends them to the file claimed.
    Gravacao gravar(const QString& arquivo, const std::vector<int32_t>& numeros);

    // The series' file as claimed, holding these numbers, for a series that goes on after the
    // program stopped.
    void retomar(const QString& arquivo, const platform::Identidade& identidade,
                 const std::vector<int32_t>& numeros);

    // What the series' file is, once claimed.
    std::optional<platform::Identidade> identidade(const QString& arquivo) const {
        return arquivo_.identidade(arquivo);
    }

    // A series' file read back, if it is still the file the series claimed; nothing if not.
    std::optional<SerieLida> lerSerie(const QString& arquivo,
                                      const platform::Identidade& identidade,
                                      int32_t nParticipantes);

private:
    // The folder is asked for at each set-up: it may have become writable, or stopped being so.
    QString pastaComSeparador();
    QString caminho(const QString& pastaComSeparador, int32_t nSerie);

    platform::Arquivos& arquivos_;
    platform::Relogio& relogio_;
    platform::PastaDeResultados& pasta_;
    QString separador_;
    ArquivoDaSerie arquivo_; // the last file this program claimed
};

} // namespace rodaleque
