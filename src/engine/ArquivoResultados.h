#pragma once

#include <platform/Arquivos.h>
#include <platform/Programa.h>
#include <platform/Relogio.h>

#include <QString>

#include <cstdint>

namespace rodaleque {

// What txtEnder shows in front of the series' path.
namespace prefixoDoArquivo {
inline QString aGravar() { return QStringLiteral("Arquivo a ser gravado: "); }
inline QString gravando() { return QStringLiteral("Gravando em: "); }
inline QString falha() { return QStringLiteral("Falha ao gravar em: "); }
} // namespace prefixoDoArquivo

// The series' results file: one drawn number per line, appended as it is drawn. It is the
// lasting copy of a public draw; the program writes it and never reads it back.
class ArquivoResultados {
public:
    ArquivoResultados(platform::Arquivos& arquivos, platform::Relogio& relogio,
                      platform::PastaDeResultados& pasta, QString separador);

    // The path for series nSerie, from separate readings of the clock:
    // <folder><sep>sn.<series>[<day>-<month>]<hour>h<minute>min<second>.txt
    QString caminho(int32_t nSerie) { return caminho(pastaComSeparador(), nSerie); }

    // Names the file of a new series. A name that is already taken would mix two series in
    // one record, so the series number goes up until the name is free; earlier files are
    // never touched. False, with the last name tried in arquivo, if nSerie would overflow.
    bool nomear(int32_t& nSerie, QString& arquivo);

    // Appends the line of n, on the device before this returns. The first line of a series
    // claims its file: if something took the name since the set-up (another copy, in the same
    // second), nothing is written and the result says so; a series never writes into a file
    // it did not create.
    platform::Arquivos::Criacao gravar(const QString& arquivo, int32_t n);

private:
    // The folder is asked for at each set-up: it may have become writable, or stopped being so.
    QString pastaComSeparador();
    QString caminho(const QString& pastaComSeparador, int32_t nSerie);

    platform::Arquivos& arquivos_;
    platform::Relogio& relogio_;
    platform::PastaDeResultados& pasta_;
    QString separador_;
    QString criado_; // the last file this program created
};

} // namespace rodaleque
