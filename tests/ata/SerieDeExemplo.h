#pragma once

#include <ata/DadosDaAta.h>

namespace rodaleque::teste {

// A series as a record would give it: n numbers drawn one a minute from 11:20 on, the count
// raised once, two occurrences.
inline ata::Serie serieDeExemplo(int32_t sorteios, int32_t participantes = 500) {
    ata::Serie s;
    s.programa = QStringLiteral("Rodaleque");
    s.versao = QStringLiteral("1.0.98");
    s.sha256DoPrograma = QString(64, u'a');
    s.numeroDaSerie = 1;
    s.participantes = participantes;
    const QDateTime inicio(QDate(2026, 12, 9), QTime(11, 20));
    s.primeiraEntrada = inicio;
    s.mudancas.push_back({inicio.addSecs(30), participantes / 2, participantes});
    for (int32_t i = 1; i <= sorteios; ++i) {
        const int32_t numero = int32_t((int64_t(i) * 7919) % participantes) + 1;
        s.sorteados.push_back({i, numero, participantes, inicio.addSecs(60 * i),
                               QStringLiteral("%1-%2").arg(i, 4, 16, QLatin1Char('0')).arg(numero, 4, 10, QLatin1Char('0')).toUpper()});
    }
    s.ocorrencias.push_back({inicio.addSecs(90), QStringLiteral("Ganhador do número 12 ausente")});
    s.ocorrencias.push_back({inicio.addSecs(150), QStringLiteral("Queda de energia; a série continuou")});
    s.ultimaEntrada = inicio.addSecs(60 * sorteios + 60);
    s.arquivoDeResultados = QStringLiteral("sn.1[9-12]11h20min0.txt");
    s.sha256DoArquivo = QString(64, u'b');
    s.codigoDeVerificacao = QStringLiteral("c0ffee") + QString(58, u'1');
    s.codigoCurto = QStringLiteral("C0FF-EE11");
    return s;
}

inline ata::Formulario formularioDeExemplo() {
    return {QStringLiteral("Prefeitura Municipal de Exemplo"),
            QStringLiteral("unidades habitacionais do Residencial Esperança"),
            QStringLiteral("auditório da Câmara Municipal"), QStringLiteral("Maria da Silva"),
            {QStringLiteral("João Souza"), QStringLiteral("Ana Lima")},
            QStringLiteral("Edital nº 12/2026")};
}

} // namespace rodaleque::teste
