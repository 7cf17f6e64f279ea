#pragma once

#include "LeituraDoRegistro.h"

#include <platform/Arquivos.h>

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace rodaleque::registro {

// A results file's record lies beside it, named like it with ".txt" replaced by "-registro.txt".
QString caminhoDoRegistro(const QString& arquivoDeResultados);
// The results file of a path that names either it or its record.
QString caminhoDosResultados(const QString& arquivoOuRegistro);
// The last part of a path, whichever separator it uses.
QString nomeDoArquivo(const QString& caminho);
// What comes before that last part, its separator included.
QString pastaDoArquivo(const QString& caminho);

// A results file checked against its record.
struct Verificacao {
    enum class Resultado {
        Intacta,     // every number as the record has it, and the record whole and chained
        Alterada,    // they differ: see diferenca
        SemRegistro, // the results file has no record beside it
        Ilegivel,    // a file could not be read
    };
    enum class Diferenca {
        Nenhuma,
        NoRegistro,        // the record itself, at problema
        OutraSerie,        // a record of another results file (outroArquivo)
        LinhaInvalida,     // a line of the results file that is not a number of this series
        NumeroAlterado,    // another number at linha than the record's draw there
        NumeroFaltando,    // the record's draw at linha is not in the file
        NumeroAMais,       // a number at linha that the record does not have
        NumeroForaDeOrdem, // the number at linha was drawn at another position
    };

    Resultado resultado = Resultado::Ilegivel;
    Diferenca diferenca = Diferenca::Nenhuma;
    QString arquivo;  // the results file
    QString registro; // its record
    QString ilegivel; // the file that could not be read

    Problema problema;           // of the record, for NoRegistro
    QString outroArquivo;        // for OutraSerie
    int linha = 0;               // of the results file, counted from 1
    int32_t numero = 0;          // what the results file holds there
    int32_t esperado = 0;        // what the record has drawn there
    int32_t posicaoDoNumero = 0; // for NumeroForaDeOrdem: where the record has `numero`
    int32_t faltando = 0;        // for NumeroFaltando at the end: how many draws are missing
    QString textoDaLinha;        // for LinhaInvalida: the line as it stands

    // The record, as far as it was read.
    int32_t sorteados = 0;
    platform::DataHoraLocal primeiro, ultimo; // of the first and last draw
    QByteArray codigo;                        // the verification code: the last entry's
};

// The results file's bytes against its record's; `nomeDosResultados` is the results file's
// name, which the record must speak of.
Verificacao verificar(const QByteArray& resultados, const QByteArray& registro,
                      const QString& nomeDosResultados);
// Reads the results file at the path (or the one of the record at the path) and its record.
Verificacao verificarArquivo(platform::Arquivos& arquivos, const QString& caminho);

// The same check, with the bytes it was made on, for whoever goes on to use them: what they
// hold is exactly what was checked, however the files change afterwards.
struct SerieVerificada {
    Verificacao verificacao;
    QByteArray resultados; // when it could be read
    QByteArray registro;   // when the series has one and it could be read
};
SerieVerificada lerEVerificar(platform::Arquivos& arquivos, const QString& caminho);

// The outcome in Portuguese, for the operator and for the console.
QString relatorio(const Verificacao& v);
// 0 intact, 1 not, 2 when a file could not be read or there is no record.
int codigoDeSaida(const Verificacao& v);

} // namespace rodaleque::registro
