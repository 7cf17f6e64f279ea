#include "ComandosDaAta.h"

#include "ComposicaoDaAta.h"
#include "DialogoDaAta.h"
#include "EscritorDaAta.h"
#include "SerieDoDisco.h"

#include <QProgressDialog>

namespace rodaleque::ata {

QString ComandosDaAta::caminhoDaAta(const QString& arquivoDeResultados) {
    QString base = arquivoDeResultados;
    if (base.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QStringLiteral("-ata.pdf");
}

void ComandosDaAta::daSerie(const QString& arquivo) {
    if (arquivo.isEmpty() || !arquivos_.nomeOcupado(arquivo)) {
        dialogos_.caixaDeMensagem(QStringLiteral("Nenhum número foi sorteado nesta série ainda: "
                                                 "não há ata a gerar."),
                                  platform::Dialogos::OkInformacao);
        return;
    }
    gerar(arquivo);
}

void ComandosDaAta::deOutraSerie(const QString& pasta) {
    const QString escolhido =
        dialogos_.escolherArquivo(QStringLiteral("Gerar ata de outra série"), pasta);
    if (!escolhido.isEmpty())
        gerar(escolhido);
}

void ComandosDaAta::gerar(const QString& arquivo) {
    const SerieLidaParaAta lida = lerSerieParaAta(arquivos_, arquivo);
    if (!lida.serie) {
        dialogos_.caixaDeMensagem(lida.motivo, platform::Dialogos::OkAviso);
        return;
    }
    Formulario lembrado = memoria_.lembrado();
    lembrado.objeto = ultimo_.objeto;
    DialogoDaAta dialogo(lembrado, &janela_);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const Formulario formulario = dialogo.formulario();
    ultimo_ = formulario;
    memoria_.lembrar(formulario);

    const QString pdf = caminhoDaAta(lida.arquivoDeResultados);
    // Large series take seconds: the box shows after a moment, and cancelling leaves no file.
    QProgressDialog progresso(QStringLiteral("Gerando a ata do sorteio…"),
                              QStringLiteral("Cancelar"), 0, 1, &janela_);
    progresso.setWindowTitle(QStringLiteral("Gerar ata do sorteio"));
    progresso.setWindowModality(Qt::WindowModal);
    progresso.setMinimumDuration(500);
    const ResultadoDaEscrita r =
        escreverPdf(compor(formulario, *lida.serie), pdf, [&](int pagina, int paginas) {
            progresso.setMaximum(paginas);
            progresso.setValue(pagina);
            return !progresso.wasCanceled();
        });
    progresso.reset();
    if (r == ResultadoDaEscrita::Cancelado)
        return;
    if (r == ResultadoDaEscrita::Falhou) {
        dialogos_.caixaDeMensagem(QStringLiteral("Não foi possível gravar a ata em:\n") + pdf,
                                  platform::Dialogos::OkAviso);
        return;
    }
    if (!abridor_.abrirDocumento(pdf))
        dialogos_.caixaDeMensagem(QStringLiteral("A ata foi gravada em:\n") + pdf,
                                  platform::Dialogos::OkInformacao);
}

} // namespace rodaleque::ata
