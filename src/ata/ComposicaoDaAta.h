#pragma once

#include "DadosDaAta.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace rodaleque::ata {

// One piece of the minutes, in reading order; the page layout decides where each falls.
struct Bloco {
    enum class Tipo {
        Titulo,          // centred, bold
        Secao,           // a section's heading
        Paragrafo,       // justified text
        Dado,            // a label and a value such as a code, left-aligned, broken anywhere
        CabecalhoDaTabela,
        LinhaDaTabela,   // one drawn number: its columns
        Assinatura,      // a line to sign on, the name and the role under it
    };
    Tipo tipo;
    QStringList textos; // one text; a table's columns; a signature's name and role
};

// The minutes of a series: heading, opening, method, results in draw order, occurrences,
// closing and signatures.
struct Composicao {
    std::vector<Bloco> blocos;
    QString rodape; // besides the page number, on every page: the series' short code
};

Composicao compor(const Formulario& formulario, const Serie& serie);

} // namespace rodaleque::ata
