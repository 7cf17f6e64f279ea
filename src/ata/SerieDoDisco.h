#pragma once

#include "DadosDaAta.h"

#include <platform/Arquivos.h>

#include <QString>

#include <optional>

namespace rodaleque::ata {

// A series for its minutes, as its files on disk tell it, never as a window holds it; or, when
// there can be no minutes (files that differ, a file that cannot be read), why, in Portuguese.
struct SerieLidaParaAta {
    std::optional<Serie> serie;
    QString motivo;
    QString arquivoDeResultados; // the path of the results file, whichever file was given
};

// `caminho` names a results file or its record.
SerieLidaParaAta lerSerieParaAta(platform::Arquivos& arquivos, const QString& caminho);

} // namespace rodaleque::ata
