#pragma once

#include "DadosDaAta.h"
#include "MemoriaDoFormulario.h"

#include <platform/Abridor.h>
#include <platform/Arquivos.h>
#include <platform/Dialogos.h>

#include <QString>

class QWidget;

namespace rodaleque::ata {

// The minutes' commands: the form, the series read from its files on disk, the PDF written
// beside the results file behind a progress box that can cancel it, and the PDF shown.
class ComandosDaAta {
public:
    ComandosDaAta(QWidget& janela, platform::Arquivos& arquivos, platform::Dialogos& dialogos,
                  platform::AbridorDeArquivos& abridor, QString arquivoDeMemoria)
        : janela_(janela), arquivos_(arquivos), dialogos_(dialogos), abridor_(abridor),
          memoria_(std::move(arquivoDeMemoria)) {}

    // "Gerar ata do sorteio…": the series whose results file is `arquivo`.
    void daSerie(const QString& arquivo);
    // "Gerar ata de outra série…": a results file the operator picks, from `pasta` on.
    void deOutraSerie(const QString& pasta);

    // What the form held when the last minutes were made in this run; empty before.
    const Formulario& ultimoFormulario() const { return ultimo_; }

    // The minutes' file of a results file: ".txt" replaced by "-ata.pdf".
    static QString caminhoDaAta(const QString& arquivoDeResultados);

private:
    void gerar(const QString& arquivo);

    QWidget& janela_;
    platform::Arquivos& arquivos_;
    platform::Dialogos& dialogos_;
    platform::AbridorDeArquivos& abridor_;
    MemoriaDoFormulario memoria_;
    Formulario ultimo_;
};

} // namespace rodaleque::ata
