#pragma once

#include "support/PainelDeTeste.h"

#include <registro/Verificacao.h>

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace rodaleque::bench {

// A whole series as the program leaves it on disk: n of n drawn through the panel, each number
// at its first attempt in a shuffled order, the operator's note every 1000 draws; its results
// file and its record, as the engine wrote them in memory, then put into `pasta`.
struct SerieNoDisco {
    QString arquivo;     // the results file; empty when it could not be written
    double segundos = 0; // drawing it in memory
};

inline SerieNoDisco gravarSerieNoDisco(int32_t n, const QString& pasta, uint32_t semente) {
    teste::PainelDeTeste t;
    t.informarParticipantes(QString::number(n));
    std::vector<int> ordem(n);
    std::iota(ordem.begin(), ordem.end(), 1);
    std::shuffle(ordem.begin(), ordem.end(), std::mt19937(semente));

    QElapsedTimer relogio;
    relogio.start();
    for (int32_t i = 0; i < n; i += 1000) {
        t.sortearNumeros(std::vector<int>(ordem.begin() + i, ordem.begin() + std::min(n, i + 1000)));
        t.dialogos.respostasEntrada << QStringLiteral("Nota %1: ganhador ausente").arg(i);
        t.painel.registrarOcorrencia();
    }
    SerieNoDisco serie{pasta + u'/' + registro::nomeDoArquivo(t.estado().Arquivo),
                       relogio.elapsed() / 1000.0};
    for (const auto& [caminho, destino] :
         {std::pair{t.estado().Arquivo, serie.arquivo},
          {registro::caminhoDoRegistro(t.estado().Arquivo), registro::caminhoDoRegistro(serie.arquivo)}}) {
        QFile f(destino);
        if (!f.open(QIODevice::WriteOnly) || f.write(t.arquivos.conteudo[caminho]) < 0)
            return {};
    }
    return serie;
}

} // namespace rodaleque::bench
