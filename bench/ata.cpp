// The minutes of a whole series, made from its files on disk as "Gerar ata do sorteio…" makes
// them: the files read and checked, the document composed, the PDF written. Series of 100 and
// of 99999 draws (a note every 1000) are put on disk first; each one's minutes are then made in
// a process of their own, so that its peak resident memory is the minutes' alone.
#include "Medidas.h"
#include "SerieNoDisco.h"

#include <ata/ComposicaoDaAta.h>
#include <ata/ComandosDaAta.h>
#include <ata/EscritorDaAta.h>
#include <ata/SerieDoDisco.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace rodaleque;

namespace {

// The minutes of the series whose results file is `arquivo`, beside it; one line of figures.
int fazerAta(const QString& arquivo) {
    const ata::Formulario formulario{
        QStringLiteral("Prefeitura Municipal de Exemplo"),
        QStringLiteral("unidades habitacionais do Residencial Esperança"),
        QStringLiteral("auditório da Câmara Municipal"), QStringLiteral("Maria da Silva"),
        {QStringLiteral("João Souza"), QStringLiteral("Ana Lima")}, QStringLiteral("Edital nº 12/2026")};
    platform::ArquivosDoSistema disco;
    QElapsedTimer relogio;
    relogio.start();
    const ata::SerieLidaParaAta lida = ata::lerSerieParaAta(disco, arquivo);
    if (!lida.serie) {
        std::printf("no minutes: %s\n", qPrintable(lida.motivo));
        return 1;
    }
    const double lidaMs = relogio.nsecsElapsed() / 1e6;
    const ata::Composicao composicao = ata::compor(formulario, *lida.serie);
    const double compostaMs = relogio.nsecsElapsed() / 1e6;
    int paginas = 0;
    const QString pdf = ata::ComandosDaAta::caminhoDaAta(lida.arquivoDeResultados);
    const ata::ResultadoDaEscrita r = ata::escreverPdf(composicao, pdf, [&](int, int total) {
        paginas = total;
        return true;
    });
    const double totalMs = relogio.nsecsElapsed() / 1e6;
    std::printf("%7zu %9.2f %9.0f %9.0f %9.0f %7d %9.1f %9.1f  %s\n", lida.serie->sorteados.size(),
                totalMs / 1000, lidaMs, compostaMs - lidaMs, totalMs - compostaMs, paginas,
                QFileInfo(pdf).size() / 1048576.0, bench::picoDeMemoriaMiB(),
                r == ata::ResultadoDaEscrita::Gravado ? "written" : "NOT WRITTEN");
    return r == ata::ResultadoDaEscrita::Gravado ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--ata") == 0)
        return fazerAta(QString::fromLocal8Bit(argv[2]));

    std::printf("load average (1, 5, 15 min): %s\n", qPrintable(bench::cargaDaMaquina()));
    std::printf("%7s %9s %9s %9s %9s %7s %9s %9s\n", "draws", "s", "read ms", "compose", "write",
                "pages", "PDF MiB", "peak MiB");
    int falhas = 0;
    for (const int32_t n : {100, 99999}) {
        QTemporaryDir pasta;
        const bench::SerieNoDisco serie = bench::gravarSerieNoDisco(n, pasta.path(), 20261209);
        if (serie.arquivo.isEmpty())
            return 1;
        std::fflush(stdout); // before the child's line
        QProcess ata;
        ata.setProcessChannelMode(QProcess::ForwardedChannels);
        ata.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--ata"), serie.arquivo});
        falhas += !ata.waitForFinished(-1) || ata.exitCode() != 0;
    }
    std::printf("load average (1, 5, 15 min): %s\n", qPrintable(bench::cargaDaMaquina()));
    return falhas == 0 ? 0 : 1;
}
