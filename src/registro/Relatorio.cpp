// What a verification says, in Portuguese: to the operator in a message box, and to an auditor
// on the console.
#include "Formato.h"
#include "Verificacao.h"

namespace rodaleque::registro {

namespace {

QString dataHora(const platform::DataHoraLocal& d) {
    return QStringLiteral("%1/%2/%3 %4:%5:%6")
        .arg(d.dia, 2, 10, QLatin1Char('0'))
        .arg(d.mes, 2, 10, QLatin1Char('0'))
        .arg(d.ano)
        .arg(d.hora, 2, 10, QLatin1Char('0'))
        .arg(d.minuto, 2, 10, QLatin1Char('0'))
        .arg(d.segundo, 2, 10, QLatin1Char('0'));
}

QString linhaDoArquivo(const Verificacao& v) {
    return QStringLiteral("Linha %1 do arquivo de resultados: ").arg(v.linha);
}

QString diferenca(const Verificacao& v) {
    using D = Verificacao::Diferenca;
    const QString sorteio =
        QStringLiteral("o registro tem o número %1 (sorteio %2)").arg(v.esperado).arg(v.linha);
    switch (v.diferenca) {
    case D::NoRegistro:
        return QStringLiteral("Linha %1 do registro: %2.")
            .arg(v.problema.linha)
            .arg(v.problema.detalhe);
    case D::OutraSerie:
        return QStringLiteral("O registro é de outra série: ele registra o arquivo %1.")
            .arg(v.outroArquivo);
    case D::LinhaInvalida:
        return QStringLiteral("Linha %1 do arquivo de resultados: «%2» não é um número desta série "
                              "como o programa o grava%3.")
            .arg(v.linha)
            .arg(v.textoDaLinha.left(40))
            .arg(v.esperado != 0 ? QStringLiteral("; ") + sorteio : QString());
    case D::NumeroAlterado:
        return linhaDoArquivo(v) +
               QStringLiteral("o número %1 foi alterado; %2.").arg(v.numero).arg(sorteio);
    case D::NumeroFaltando:
        if (v.faltando > 1)
            return QStringLiteral("O arquivo de resultados termina na linha %1: faltam os números "
                                  "de %2 sorteios, do sorteio %3 (número %4) em diante.")
                .arg(v.linha - 1)
                .arg(v.faltando)
                .arg(v.linha)
                .arg(v.esperado);
        return linhaDoArquivo(v) +
               QStringLiteral("falta o número %1 (sorteio %2).").arg(v.esperado).arg(v.linha);
    case D::NumeroAMais:
        return linhaDoArquivo(v) +
               QStringLiteral("o número %1 está a mais: não consta do registro.").arg(v.numero);
    case D::NumeroForaDeOrdem:
        return linhaDoArquivo(v) + QStringLiteral("o número %1 está fora de ordem: foi o sorteio "
                                                  "%2; %3.")
                                       .arg(v.numero)
                                       .arg(v.posicaoDoNumero)
                                       .arg(sorteio);
    case D::Nenhuma:
        break;
    }
    return QString();
}

} // namespace

QString relatorio(const Verificacao& v) {
    using R = Verificacao::Resultado;
    switch (v.resultado) {
    case R::Ilegivel:
        return QStringLiteral("Não foi possível ler o arquivo:\n%1\n").arg(v.ilegivel);
    case R::SemRegistro:
        return QStringLiteral(
                   "O arquivo de resultados não tem registro:\n%1\n\n"
                   "O registro %2 não foi encontrado ao lado dele. O arquivo foi gravado "
                   "por uma versão anterior do programa, que não fazia registro, ou o "
                   "registro foi apagado ou movido. Sem ele, a série não pode ser "
                   "verificada.\n")
            .arg(v.arquivo, nomeDoArquivo(v.registro));
    case R::Alterada:
        return QStringLiteral(
                   "A SÉRIE NÃO CONFERE COM O SEU REGISTRO.\n\nArquivo: %1\nRegistro: %2\n\n%3\n")
            .arg(v.arquivo, v.registro, diferenca(v));
    case R::Intacta:
        break;
    }
    QString texto =
        QStringLiteral("Série íntegra: o arquivo de resultados confere com o seu registro.\n\n"
                       "Arquivo: %1\nRegistro: %2\n\nNúmeros sorteados: %3\n")
            .arg(v.arquivo, v.registro)
            .arg(v.sorteados);
    if (v.sorteados > 0)
        texto += QStringLiteral("Primeiro sorteio: %1\nÚltimo sorteio: %2\n")
                     .arg(dataHora(v.primeiro), dataHora(v.ultimo));
    texto +=
        QStringLiteral("\nCódigo de verificação:\n%1\n\nConfira se este é o código anunciado no "
                       "fim do sorteio ou impresso na ata (ele começa por %2): um arquivo e um "
                       "registro refeitos juntos dariam outro código.\n")
            .arg(QString::fromLatin1(v.codigo), codigoCurto(v.codigo));
    return texto;
}

} // namespace rodaleque::registro
