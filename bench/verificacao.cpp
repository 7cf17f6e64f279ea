// What the record costs: a draw's entry made, chained and kept, outside its durable write; and
// how long the check of a whole series takes: 99999 of 99999 drawn (each at its first attempt)
// with a note every 1000 draws, its results file and record put on disk, then checked from disk
// as rodaleque-verificar does, several times.
#include "Dubles.h"
#include "Medidas.h"
#include "SerieNoDisco.h"

#include <platform/Arquivos.h>
#include <registro/Verificacao.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <numeric>
#include <random>

using namespace rodaleque;

int main() {
    const int32_t n = 99999;
    teste::PainelDeTeste t;
    t.informarParticipantes(QString::number(n));
    std::vector<int> ordem(n);
    std::iota(ordem.begin(), ordem.end(), 1);
    std::shuffle(ordem.begin(), ordem.end(), std::mt19937(20261209));

    bench::ArquivosDescartados descartados;
    RegistroDaSerie entradas(descartados, t.relogio, t.entropia, {QStringLiteral("bench"), {}});
    entradas.abrir(1, QStringLiteral("sn.1[9-12]11h20min0.txt"), n);
    QElapsedTimer relogio;
    relogio.start();
    for (int32_t i = 1; i <= n; ++i)
        entradas.sorteio(i, ordem[i - 1], n);
    std::printf("a draw's entry in the record, made, chained and kept: %.2f us\n",
                relogio.nsecsElapsed() / 1e3 / n);

    QTemporaryDir pasta;
    const bench::SerieNoDisco serie = bench::gravarSerieNoDisco(n, pasta.path(), 20261209);
    if (serie.arquivo.isEmpty())
        return 1;
    const QString& arquivo = serie.arquivo;
    std::printf("series of %d drawn in memory in %.1f s\n", n, serie.segundos);
    for (const QString& f : {arquivo, registro::caminhoDoRegistro(arquivo)})
        std::printf("%s: %.1f MiB\n", qPrintable(f), QFileInfo(f).size() / 1048576.0);

    platform::ArquivosDoSistema disco;
    std::vector<double> ms;
    registro::Verificacao v;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer relogio;
        relogio.start();
        v = registro::verificarArquivo(disco, arquivo);
        ms.push_back(relogio.nsecsElapsed() / 1e6);
    }
    std::printf("check of %d draws from disk: %.0f ms median, %.0f ms worst of %zu; %s\n",
                v.sorteados, bench::mediana(ms), *std::max_element(ms.begin(), ms.end()), ms.size(),
                v.resultado == registro::Verificacao::Resultado::Intacta ? "intact" : "NOT INTACT");
    std::printf("peak resident memory: %.1f MiB\n", bench::picoDeMemoriaMiB());
    return v.resultado == registro::Verificacao::Resultado::Intacta ? 0 : 1;
}
