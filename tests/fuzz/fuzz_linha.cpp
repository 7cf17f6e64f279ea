// The results file's lines: every number recorded is its digits and CR LF, and the file reads
// back as the numbers in the order they were recorded, in any locale; read back as a series to
// continue, it holds just the numbers such a series could have drawn.
//
// Input: locale byte, then the numbers, one per line; those that are not whole numbers in
// 0..2147483647 are skipped.
#include "Entrada.h"
#include "Exigir.h"

#include "support/PlataformaDeTeste.h"

#include <engine/ArquivoResultados.h>
#include <engine/EstadoSorteio.h>
#include <registro/LeituraDaSerie.h>

#include <algorithm>

#include <limits>
#include <vector>

using namespace rodaleque;

namespace {

// The numbers of the file's lines, or nothing for a line that is not digits + CR LF.
std::optional<std::vector<int64_t>> lerDeVolta(const QByteArray& conteudo) {
    std::vector<int64_t> numeros;
    qsizetype inicio = 0;
    while (inicio < conteudo.size()) {
        const qsizetype fim = conteudo.indexOf("\r\n", inicio);
        if (fim <= inicio || fim - inicio > 10)
            return std::nullopt;
        int64_t v = 0;
        for (qsizetype i = inicio; i < fim; ++i) {
            if (conteudo[i] < '0' || conteudo[i] > '9')
                return std::nullopt;
            v = v * 10 + (conteudo[i] - '0');
        }
        if (conteudo[inicio] == '0' && fim - inicio > 1)
            return std::nullopt; // digits of a number have no leading zero
        numeros.push_back(v);
        inicio = fim + 2;
    }
    return numeros;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    fuzz::Entrada entrada(dados, tamanho);
    teste::ArquivosEmMemoria arquivos;
    teste::RelogioFixo relogio;
    teste::PastaFixa pasta{QStringLiteral("/eventos")};
    ArquivoResultados arquivo(arquivos, relogio, pasta, QStringLiteral("/"));
    int32_t serie = 1;
    QString caminho;
    EXIGIR(arquivo.nomear(serie, caminho), caminho);

    std::vector<int64_t> gravados;
    while (!entrada.acabou() && gravados.size() < 64) {
        bool ok = false;
        const long long v = entrada.campoEmBytes().toLongLong(&ok);
        if (!ok || v < 0 || v > std::numeric_limits<int32_t>::max())
            continue;
        const ArquivoResultados::Gravacao esperada = gravados.empty()
                                                         ? ArquivoResultados::Gravacao::Criado
                                                         : ArquivoResultados::Gravacao::Acrescentado;
        EXIGIR(arquivo.gravar(caminho, {static_cast<int32_t>(v)}) == esperada, QString::number(v));
        gravados.push_back(v);
    }
    const QByteArray conteudo = arquivos.conteudo.value(caminho);
    const QString detalhe = QString::fromLatin1(conteudo.toPercentEncoding());
    const std::optional<std::vector<int64_t>> lidos = lerDeVolta(conteudo);
    EXIGIR(lidos.has_value(), detalhe);
    EXIGIR(*lidos == gravados, detalhe);

    // Read back as a series of 99999 to continue, the file gives its numbers up to the first
    // line that no draw of that series writes: outside 1..99999, or drawn before.
    std::vector<int32_t> daSerie;
    int linhaErrada = 0;
    for (const int64_t v : gravados) {
        if (v < 1 || v > maximoDeParticipantes ||
            std::find(daSerie.begin(), daSerie.end(), v) != daSerie.end()) {
            linhaErrada = static_cast<int>(daSerie.size()) + 1;
            break;
        }
        daSerie.push_back(static_cast<int32_t>(v));
    }
    const SerieLida comoSerie = lerSerie(conteudo, maximoDeParticipantes);
    EXIGIR(comoSerie.numeros == daSerie && comoSerie.linhaErrada == linhaErrada, detalhe);
    return 0;
}
