#pragma once

#include "ComposicaoDaAta.h"

#include <QString>

#include <functional>

namespace rodaleque::ata {

// Told, page by page, how far the writing has got; answering false stops it.
using Progresso = std::function<bool(int pagina, int paginas)>;

enum class ResultadoDaEscrita { Gravado, Cancelado, Falhou };

// Writes the minutes as a PDF at `caminho`: A4, its fonts embedded, every page with its number
// of all and the footer. The file appears whole or not at all: a cancelled or failed writing
// leaves nothing behind, not even an older file's place taken.
ResultadoDaEscrita escreverPdf(const Composicao& composicao, const QString& caminho,
                               const Progresso& progresso = {});

} // namespace rodaleque::ata
