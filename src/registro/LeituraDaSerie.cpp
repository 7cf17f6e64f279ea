#include "LeituraDaSerie.h"

#include <QSet>

namespace rodaleque {

namespace {

// The number a line holds, or 0 for anything a draw does not write: no sign, no leading zero,
// no spaces, never more digits than N has.
int32_t numeroDaLinha(QByteArrayView linha, int32_t nParticipantes) {
    if (linha.isEmpty() || linha.size() > 5 || linha.front() == '0')
        return 0;
    int32_t n = 0;
    for (const char c : linha) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n <= nParticipantes ? n : 0;
}

} // namespace

SerieLida lerSerie(const QByteArray& conteudo, int32_t nParticipantes) {
    SerieLida lida;
    QSet<int32_t> vistos;
    qsizetype inicio = 0;
    while (inicio < conteudo.size()) {
        const int linha = static_cast<int>(lida.numeros.size()) + 1;
        const qsizetype fim = conteudo.indexOf("\r\n", inicio);
        const int32_t n =
            fim < 0 ? 0 : numeroDaLinha(QByteArrayView(conteudo).sliced(inicio, fim - inicio),
                                        nParticipantes);
        if (n == 0 || vistos.contains(n)) {
            lida.linhaErrada = linha;
            return lida;
        }
        vistos.insert(n);
        lida.numeros.push_back(n);
        inicio = fim + 2;
    }
    return lida;
}

} // namespace rodaleque
