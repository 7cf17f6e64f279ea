// rodaleque-verificar ARQUIVO: checks a series' results file against its record, for people
// who were not at the draw. Portuguese on the standard output; exit 0 when the series is intact,
// 1 when it is not, 2 when a file cannot be read or the results file has no record.
#include <platform/Arquivos.h>
#include <platform/Saida.h>
#include <registro/Verificacao.h>

#include <QCoreApplication>
#include <QStringList>

using namespace rodaleque;

int main(int argc, char** argv) {
    // Only for the arguments as the system gives them, names in any alphabet included.
    const QCoreApplication aplicacao(argc, argv);
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() != 2 || argumentos[1].isEmpty()) {
        platform::escrever(platform::Saida::Erros,
                           QStringLiteral("Uso: rodaleque-verificar ARQUIVO\n\n"
                                          "Confere o arquivo de resultados de uma série do "
                                          "Rodaleque (ou o seu registro) com o registro da série.\n"
                                          "Saída: 0 série íntegra; 1 série alterada; 2 arquivo "
                                          "ilegível ou sem registro.\n"));
        return 2;
    }
    platform::ArquivosDoSistema arquivos;
    const registro::Verificacao v = registro::verificarArquivo(arquivos, argumentos[1]);
    platform::escrever(platform::Saida::Padrao, registro::relatorio(v));
    return registro::codigoDeSaida(v);
}
