#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace rodaleque::ata {

// What the operator writes in the form: who drew, what, where.
struct Formulario {
    QString orgao;       // Órgão ou entidade
    QString objeto;      // what is drawn
    QString local;
    QString responsavel; // who conducted the draw
    QStringList presentes;
    QString referencia;  // edital or other reference; may be empty
};

// One number drawn, as the series' files hold it. Time and code are missing only for a series
// from before records were kept.
struct Sorteado {
    int32_t posicao = 0;
    int32_t numero = 0;
    int32_t participantes = 0; // N in force when it was drawn
    std::optional<QDateTime> momento;
    QString codigoCurto;
};

// Something that happened along the way: a note, an interruption, a file written again.
struct Ocorrencia {
    QDateTime momento;
    QString texto;
};

// A change of N during the series.
struct MudancaDeContagem {
    QDateTime momento;
    int32_t de = 0;
    int32_t para = 0;
};

// A series as its files on disk tell it.
struct Serie {
    QString programa;
    QString versao;
    QString sha256DoPrograma;
    int32_t numeroDaSerie = 0;
    int32_t participantes = 0; // N at the end
    std::optional<QDateTime> primeiraEntrada;
    std::optional<QDateTime> ultimaEntrada;
    std::vector<MudancaDeContagem> mudancas;
    std::vector<Sorteado> sorteados;
    std::vector<Ocorrencia> ocorrencias;
    QString arquivoDeResultados; // its name
    QString sha256DoArquivo;
    QString codigoDeVerificacao;
    QString codigoCurto;
    bool comRegistro = true; // false: a results file from before records were kept
};

} // namespace rodaleque::ata
