#pragma once

#include <platform/Relogio.h>

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace rodaleque::registro {

enum class Tipo {
    Abertura,
    Sorteio,
    SorteioRecuperado,
    Contagem,
    Ocorrencia,
    Continuacao,
    ArquivoRefeito,
    Concluida,
    Encerrada,
    Outro, // a kind this version does not know: kept, and chained like any other
};

// One entry of a record as read back.
struct Entrada {
    int linha = 0; // counted from 1
    Tipo tipo = Tipo::Outro;
    QByteArray nomeDoTipo;
    std::vector<std::pair<QByteArray, QString>> campos; // in order, unescaped; not the code
    platform::DataHoraLocal data;
    // Of a draw: its position and number. Every entry: the count of participants in force
    // once it is taken into account.
    int32_t posicao = 0;
    int32_t numero = 0;
    int32_t participantes = 0;
    QByteArray texto; // what the code covers
    QByteArray codigo;

    bool ehSorteio() const { return tipo == Tipo::Sorteio || tipo == Tipo::SorteioRecuperado; }
    // The field's value, or nullptr if the entry has no such field.
    const QString* campo(QByteArrayView chave) const;
    // The field's value; empty if the entry has none.
    QString valor(QByteArrayView chave) const {
        const QString* v = campo(chave);
        return v ? *v : QString();
    }
};

// What keeps a record from being read further: the first line that is cut off, is not an entry,
// does not chain to the one before, or does not follow from the entries before it.
struct Problema {
    enum class Tipo {
        Nenhum,
        Vazio,            // no entry at all
        LinhaCortada,     // the last line has no end
        EntradaInvalida,  // not an entry of this format
        CodigoNaoConfere, // the code is not the one its text and the previous code give
        ForaDeSequencia,  // a whole, chained entry that cannot follow the ones before it
    };
    Tipo tipo = Tipo::Nenhum;
    int linha = 0;
    QString detalhe; // what is wrong, in Portuguese, for the report
};

// A record read back: its entries up to the first problem, each checked.
struct LeituraDoRegistro {
    std::vector<Entrada> entradas;
    Problema problema;
    qsizetype bytesBons = 0; // the bytes of those entries, from the start

    bool integro() const { return problema.tipo == Problema::Tipo::Nenhum; }
    const Entrada* abertura() const { return entradas.empty() ? nullptr : &entradas.front(); }
    std::vector<const Entrada*> sorteios() const;
    // The results file it speaks of: the one named at its opening, or the last it moved to.
    QString arquivo() const;
    // The count of participants in force after its last entry.
    int32_t participantes() const { return entradas.empty() ? 0 : entradas.back().participantes; }
    bool encerrada() const { return !entradas.empty() && entradas.back().tipo == Tipo::Encerrada; }
    // The series' verification code: the last entry's code.
    QByteArray codigo() const { return entradas.empty() ? QByteArray() : entradas.back().codigo; }
};

LeituraDoRegistro lerRegistro(const QByteArray& conteudo);

} // namespace rodaleque::registro
