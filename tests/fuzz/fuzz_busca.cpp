// The search box, whatever is typed: the answer selects the entry of the number it rounds to,
// says that number was not drawn, or is refused with "Número inválido"; a number outside 1..N
// is never looked up.
//
// Input: locale byte, N, a line feed, the numbers drawn (separated by commas), a line feed,
// the answer.
#include "Entrada.h"
#include "Exigir.h"

#include "support/PainelDeTeste.h"

#include <engine/Numeros.h>

#include <vector>

using namespace rodaleque;

namespace {

std::vector<int> numerosASortear(const QByteArray& campo, int32_t n) {
    std::vector<int> numeros;
    for (const QByteArray& parte : campo.split(',')) {
        bool ok = false;
        const int v = parte.toInt(&ok);
        if (ok && v >= 1 && v <= n && std::find(numeros.begin(), numeros.end(), v) == numeros.end())
            numeros.push_back(v);
        if (numeros.size() == 8)
            break;
    }
    return numeros;
}

int posicaoNoPainel(const QStringList& entradas, int32_t numero) {
    for (int i = 0; i < entradas.size(); ++i) {
        if (entradas[i].toInt() == numero)
            return i;
    }
    return -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    fuzz::Entrada entrada(dados, tamanho);
    const int32_t n = entrada.inteiro(2, 99999, 100);
    const std::vector<int> sorteados = numerosASortear(entrada.campoEmBytes(), n);
    const QString resposta = entrada.resto();

    teste::PainelDeTeste t;
    t.informarParticipantes(numeros::text(n));
    EXIGIR(t.estado().nParticipantes == n, QString::number(n));
    t.sortearNumeros(sorteados);
    const QStringList& entradas = t.controles.lista.itens;
    EXIGIR(entradas.size() == static_cast<qsizetype>(sorteados.size()), QString::number(n));

    const qsizetype perguntasAntes = t.dialogos.perguntas.size();
    const int selecaoAntes = t.controles.lista.indice;
    t.dialogos.respostasEntrada.append(resposta);
    t.painel.cmdLocalizar_Click();
    const QStringList& mensagens = t.dialogos.mensagens;
    const QString detalhe = u'"' + resposta + QStringLiteral("\" among N = ") + QString::number(n) +
                            QStringLiteral(": ") + mensagens.join(u'|');

    if (entradas.isEmpty()) {
        EXIGIR(t.dialogos.perguntas.size() == perguntasAntes && mensagens.isEmpty(), detalhe);
        return 0;
    }
    if (resposta.isEmpty()) {
        EXIGIR(mensagens.isEmpty() && t.controles.lista.indice == selecaoAntes, detalhe);
        return 0;
    }
    const Checked<int32_t> procurado = numeros::number(resposta).then(numeros::roundTo32);
    if (!procurado.ok() || *procurado < 1 || *procurado > n) {
        EXIGIR(mensagens == QStringList{QStringLiteral("Número inválido")}, detalhe);
        EXIGIR(t.controles.lista.indice == selecaoAntes, detalhe);
        return 0;
    }
    const int posicao = posicaoNoPainel(entradas, *procurado);
    if (posicao >= 0) {
        EXIGIR(mensagens.isEmpty() && t.controles.lista.indice == posicao, detalhe);
    } else {
        EXIGIR(mensagens == QStringList{QStringLiteral("O número ") + numeros::text(*procurado) +
                                        QStringLiteral(" não foi sorteado")},
               detalhe);
        EXIGIR(t.controles.lista.indice == entradas.size() - 1, detalhe);
    }
    return 0;
}
