#include "Verificacao.h"

#include "LeituraDaSerie.h"

#include <engine/EstadoSorteio.h>

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace rodaleque::registro {

namespace {

const QString sufixoDoRegistro = QStringLiteral("-registro.txt");

// Far beyond what a series writes (99999 lines of at most 7 bytes; a record of some 15 MiB),
// so that no file given to the check can take all the memory.
constexpr qint64 maiorArquivoDeResultados = qint64(1) << 20;
constexpr qint64 maiorRegistro = qint64(1) << 28;

std::optional<QByteArray> lerAte(platform::Arquivos& arquivos, const QString& caminho,
                                 qint64 limite) {
    if (QFileInfo(caminho).size() > limite)
        return std::nullopt;
    return arquivos.ler(caminho);
}

using Numeros = std::vector<int32_t>;

// Whether the numbers from `a` on are those of the draws from `b` on, all of them.
bool iguaisDesde(const Numeros& numeros, qsizetype a, const std::vector<const Entrada*>& sorteios,
                 qsizetype b) {
    if (numeros.size() - a != sorteios.size() - b)
        return false;
    for (; a < qsizetype(numeros.size()); ++a, ++b)
        if (numeros[a] != sorteios[b]->numero)
            return false;
    return true;
}

// The `linha`-th line of the results file (from 1), without its end.
QString linhaDoArquivo(const QByteArray& resultados, int linha) {
    qsizetype inicio = 0;
    for (int i = 1; i < linha; ++i)
        inicio = resultados.indexOf("\r\n", inicio) + 2;
    qsizetype fim = resultados.indexOf('\n', inicio);
    if (fim < 0)
        fim = resultados.size();
    return QString::fromUtf8(resultados.mid(inicio, fim - inicio)).remove(u'\r');
}

// The first place where the file's numbers leave the record's draws.
void compararNumeros(Verificacao& v, const QByteArray& resultados,
                     const LeituraDoRegistro& leitura) {
    using D = Verificacao::Diferenca;
    const std::vector<const Entrada*> sorteios = leitura.sorteios();
    const SerieLida lida = lerSerie(resultados, maximoDeParticipantes);
    const Numeros& numeros = lida.numeros;
    const qsizetype comuns = std::min(numeros.size(), sorteios.size());
    qsizetype i = 0;
    while (i < comuns && numeros[i] == sorteios[i]->numero)
        ++i;
    v.linha = static_cast<int>(i) + 1;
    if (i < qsizetype(sorteios.size()))
        v.esperado = sorteios[i]->numero;
    if (i < comuns) {
        v.numero = numeros[i];
        const auto noRegistro =
            std::find_if(sorteios.begin(), sorteios.end(),
                         [&](const Entrada* e) { return e->numero == v.numero; });
        if (noRegistro == sorteios.end()) {
            v.diferenca =
                iguaisDesde(numeros, i + 1, sorteios, i) ? D::NumeroAMais : D::NumeroAlterado;
        } else if (iguaisDesde(numeros, i, sorteios, i + 1)) {
            v.diferenca = D::NumeroFaltando;
        } else {
            v.diferenca = D::NumeroForaDeOrdem;
            v.posicaoDoNumero = (*noRegistro)->posicao;
        }
    } else if (numeros.size() > sorteios.size()) {
        v.diferenca = D::NumeroAMais;
        v.numero = numeros[i];
    } else if (lida.linhaErrada != 0) {
        v.diferenca = D::LinhaInvalida;
        v.textoDaLinha = linhaDoArquivo(resultados, lida.linhaErrada);
    } else if (numeros.size() < sorteios.size()) {
        v.diferenca = D::NumeroFaltando;
        v.faltando = static_cast<int32_t>(sorteios.size() - numeros.size());
    } else {
        v.resultado = Verificacao::Resultado::Intacta;
        v.linha = 0;
    }
}

} // namespace

QString caminhoDoRegistro(const QString& arquivoDeResultados) {
    QString caminho = arquivoDeResultados;
    if (caminho.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        caminho.chop(4);
    return caminho + sufixoDoRegistro;
}

QString caminhoDosResultados(const QString& arquivoOuRegistro) {
    if (!arquivoOuRegistro.endsWith(sufixoDoRegistro, Qt::CaseInsensitive))
        return arquivoOuRegistro;
    return arquivoOuRegistro.chopped(sufixoDoRegistro.size()) + QStringLiteral(".txt");
}

QString nomeDoArquivo(const QString& caminho) {
    const qsizetype barra = std::max(caminho.lastIndexOf(u'/'), caminho.lastIndexOf(u'\\'));
    return caminho.mid(barra + 1);
}

QString pastaDoArquivo(const QString& caminho) {
    return caminho.left(caminho.size() - nomeDoArquivo(caminho).size());
}

Verificacao verificar(const QByteArray& resultados, const QByteArray& registro,
                      const QString& nomeDosResultados) {
    Verificacao v;
    v.resultado = Verificacao::Resultado::Alterada;
    const LeituraDoRegistro leitura = lerRegistro(registro);
    const std::vector<const Entrada*> sorteios = leitura.sorteios();
    v.sorteados = static_cast<int32_t>(sorteios.size());
    if (!sorteios.empty()) {
        v.primeiro = sorteios.front()->data;
        v.ultimo = sorteios.back()->data;
    }
    v.codigo = leitura.codigo();
    if (!leitura.integro()) {
        v.diferenca = Verificacao::Diferenca::NoRegistro;
        v.problema = leitura.problema;
        return v;
    }
    if (leitura.arquivo() != nomeDosResultados) {
        v.diferenca = Verificacao::Diferenca::OutraSerie;
        v.outroArquivo = leitura.arquivo();
        return v;
    }
    compararNumeros(v, resultados, leitura);
    return v;
}

Verificacao verificarArquivo(platform::Arquivos& arquivos, const QString& caminho) {
    return lerEVerificar(arquivos, caminho).verificacao;
}

SerieVerificada lerEVerificar(platform::Arquivos& arquivos, const QString& caminho) {
    // A link given by an auditor leads to the file it names, whose record lies beside it.
    const QString real = QDir::toNativeSeparators(QFileInfo(caminho).canonicalFilePath());
    const QString arquivo = caminhoDosResultados(real.isEmpty() ? caminho : real);
    SerieVerificada lida;
    Verificacao& v = lida.verificacao;
    v.arquivo = arquivo;
    v.registro = caminhoDoRegistro(arquivo);
    const std::optional<QByteArray> resultados =
        lerAte(arquivos, arquivo, maiorArquivoDeResultados);
    if (!resultados) {
        v.ilegivel = arquivo;
        return lida;
    }
    lida.resultados = *resultados;
    if (!arquivos.nomeOcupado(v.registro)) {
        v.resultado = Verificacao::Resultado::SemRegistro;
        return lida;
    }
    const std::optional<QByteArray> registro = lerAte(arquivos, v.registro, maiorRegistro);
    if (!registro) {
        v.ilegivel = v.registro;
        return lida;
    }
    lida.registro = *registro;
    v = verificar(lida.resultados, lida.registro, nomeDoArquivo(arquivo));
    v.arquivo = arquivo;
    v.registro = caminhoDoRegistro(arquivo);
    return lida;
}

int codigoDeSaida(const Verificacao& v) {
    switch (v.resultado) {
    case Verificacao::Resultado::Intacta:
        return 0;
    case Verificacao::Resultado::Alterada:
        return 1;
    case Verificacao::Resultado::SemRegistro:
    case Verificacao::Resultado::Ilegivel:
        break;
    }
    return 2;
}

} // namespace rodaleque::registro
