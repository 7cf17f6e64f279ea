// The record of a series, whatever it holds. Read as a record, any bytes verify against the file
// of their draws exactly when the reader finds them whole. Written by a series the input drives
// (draws and notes of any text), a record reads back entry for entry, each note as typed, and the
// series verifies intact; with any one byte of either file changed, it never does.
//
// Input: locale byte, N (2 to 200), then one step per line: a line starting with "n" is a note
// of the rest of the line (a "\" before "n", "t" or "r" stands for the control character), any
// other a draw of the first free number from the line's value on. All the bytes after the
// locale's are also read as a record.
#include "Entrada.h"
#include "Exigir.h"

#include "support/PainelDeTeste.h"

#include <engine/Numeros.h>
#include <registro/LeituraDoRegistro.h>
#include <registro/Verificacao.h>

using namespace rodaleque;
using registro::Verificacao;

namespace {

QString nota(QByteArray campo) {
    campo.replace("\\n", "\n").replace("\\t", "\t").replace("\\r", "\r");
    return QString::fromUtf8(campo.mid(1));
}

QByteArray arquivoDosSorteios(const registro::LeituraDoRegistro& l) {
    QByteArray linhas;
    for (const registro::Entrada* e : l.sorteios())
        linhas += QByteArray::number(e->numero) + "\r\n";
    return linhas;
}

// Any bytes as a record: whole exactly when they verify against the file of their own draws.
void comoRegistro(const QByteArray& bytes) {
    const registro::LeituraDoRegistro l = registro::lerRegistro(bytes);
    const Verificacao v = registro::verificar(arquivoDosSorteios(l), bytes, l.arquivo());
    EXIGIR((v.resultado == Verificacao::Resultado::Intacta) == l.integro(), registro::relatorio(v));
    EXIGIR(l.bytesBons <= bytes.size(), QString::number(l.bytesBons));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    fuzz::Entrada entrada(dados, tamanho);
    comoRegistro(entrada.crus());
    const int32_t n = entrada.inteiro(2, 200, 10);

    teste::PainelDeTeste t;
    t.informarParticipantes(numeros::text(n));
    QStringList notas;
    std::vector<int> sorteados;
    while (!entrada.acabou() && notas.size() + sorteados.size() < 40) {
        const QByteArray campo = entrada.campoEmBytes();
        if (campo.startsWith('n')) {
            t.dialogos.respostasEntrada << nota(campo);
            t.painel.registrarOcorrencia();
            if (!nota(campo).trimmed().isEmpty())
                notas << nota(campo).left(MotorSorteio::maximoDaOcorrencia);
        } else if (static_cast<int32_t>(sorteados.size()) < n) {
            int v = static_cast<int>(qHash(campo) % uint(n)) + 1;
            while (std::find(sorteados.begin(), sorteados.end(), v) != sorteados.end())
                v = v % n + 1;
            sorteados.push_back(v);
            t.sortearNumeros({v});
        }
    }
    if (sorteados.empty())
        return 0; // nothing drawn: no file yet
    const QString arquivo = t.estado().Arquivo;
    const QString caminhoDoRegistro = registro::caminhoDoRegistro(arquivo);
    const QByteArray registro = t.arquivos.conteudo.value(caminhoDoRegistro);
    const QByteArray resultados = t.arquivos.conteudo.value(arquivo);
    const Verificacao v = registro::verificarArquivo(t.arquivos, arquivo);
    EXIGIR(v.resultado == Verificacao::Resultado::Intacta, registro::relatorio(v));
    const registro::LeituraDoRegistro l = registro::lerRegistro(registro);
    EXIGIR(registro.count('\n') == qsizetype(l.entradas.size()), QString::fromUtf8(registro));
    QStringList lidas;
    for (const registro::Entrada& e : l.entradas)
        if (e.tipo == registro::Tipo::Ocorrencia)
            lidas << e.valor("texto");
    EXIGIR(lidas == notas, lidas.join(u'|') + QStringLiteral(" != ") + notas.join(u'|'));
    EXIGIR(static_cast<qsizetype>(l.sorteios().size()) == static_cast<qsizetype>(sorteados.size()),
           QString::fromUtf8(registro));

    // One byte changed, anywhere in either file.
    const qsizetype total = registro.size() + resultados.size();
    const qsizetype onde = static_cast<qsizetype>(qHash(entrada.crus()) % size_t(total));
    QByteArray& alvo = t.arquivos.conteudo[onde < registro.size() ? caminhoDoRegistro : arquivo];
    const qsizetype i = onde < registro.size() ? onde : onde - registro.size();
    alvo[i] = static_cast<char>(alvo[i] ^ (1 + tamanho % 255));
    const Verificacao mudada = registro::verificarArquivo(t.arquivos, arquivo);
    EXIGIR(mudada.resultado == Verificacao::Resultado::Alterada,
           QStringLiteral("byte %1 changed, yet: ").arg(onde) + registro::relatorio(mudada));
    return 0;
}
