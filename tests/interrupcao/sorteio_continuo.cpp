// Draws without end on the real engine, clock, generator, entropy and results files, for the
// test that kills it at random moments. Each number is printed with its file only once its
// append has returned, so every line on stdout is a number that must be on disk.
//
//   sorteio_continuo <folder> <N>
//
// A series that has drawn all N is followed by the next one, as the operator would start it.
// A series that a kill interrupted is continued at the next start, as the operator would
// answer the question; its record lies in the folder's "dados".
#include "support/AbridorDeTeste.h"
#include "support/ControlesEmMemoria.h"
#include "support/PlataformaDeTeste.h"

#include <engine/MotorSorteio.h>
#include <engine/Numeros.h>
#include <panel/ContagemDeParticipantes.h>
#include <panel/Painel.h>
#include <platform/Arquivos.h>
#include <platform/Entropia.h>
#include <platform/Programa.h>
#include <platform/Relogio.h>

#include <QFile>

#include <cstdio>

using namespace rodaleque;

namespace {

struct Programa {
    explicit Programa(const QString& pasta)
        : pastaDeResultados(pasta),
          emAndamento(arquivos, pasta + QStringLiteral("/dados/serie-em-andamento.txt")) {
        dialogos.respostasMensagem.push_back(platform::Dialogos::RespostaSim);
        motor.iniciar();
        dialogos.respostasMensagem.clear();
        perguntas = dialogos.mensagens;
        dialogos.mensagens.clear();
    }

    // The operator gives the count through its button.
    bool informarParticipantes(int32_t n) {
        dialogos.respostasEntrada.append(numeros::text(n));
        painel.cmdX_Click();
        return motor.estado().nParticipantes == n && dialogos.mensagens.isEmpty();
    }

    // "&Reiniciar", answered yes.
    void novaSerie() {
        dialogos.respostasMensagem.push_back(platform::Dialogos::RespostaSim);
        painel.cmdR_Click();
        dialogos.mensagens.clear();
    }

    // One press of "&Sortear!"; true when it drew a number and its append succeeded.
    bool sortear() {
        const int antes = controles.lista.listCount();
        motor.cmdSorteio_Click();
        return dialogos.mensagens.isEmpty() && controles.lista.listCount() == antes + 1 &&
               controles.txtEnder_.valor == prefixoDoArquivo::gravando() + motor.estado().Arquivo;
    }

    platform::RelogioDoSistema relogio;
    platform::ArquivosDoSistema arquivos;
    GeradorPcg gerador;
    platform::EntropiaDoSistema entropia;
    Aleatorio aleatorio{gerador, relogio, entropia};
    teste::ControlesEmMemoria controles;
    teste::DialogosRoteirizados dialogos;
    teste::AbridorDeTeste abridor;
    teste::PastaFixa pastaDeResultados;
    ArquivoResultados arquivo{arquivos, relogio, pastaDeResultados, QStringLiteral("/")};
    SerieEmAndamento emAndamento;
    RegistroDaSerie registroDaSerie{arquivos, relogio, entropia,
                                    {QStringLiteral("sorteio_continuo"), &platform::Programa::lerExecutavel}};
    MotorSorteio motor{Ambiente{controles, aleatorio, relogio, dialogos, arquivo, emAndamento,
                                registroDaSerie}};
    QStringList perguntas; // what the start-up asked or said
    Painel painel{motor, controles, dialogos, abridor, arquivos};
};

} // namespace

int main(int argc, char** argv) {
    const int32_t n = argc == 3 ? QByteArray(argv[2]).toInt() : 0;
    if (n < minimoDeParticipantes || n > maximoDeParticipantes) {
        std::fprintf(stderr, "uso: %s <pasta> <N de 2 a 99999>\n", argv[0]);
        return 2;
    }
    Programa programa(QString::fromLocal8Bit(argv[1]));
    const EstadoSorteio& estado = programa.motor.estado();
    // Only the question of a series to continue, answered yes, and only for this N.
    const bool continuada = estado.nParticipantes != 0;
    if (programa.perguntas.size() > (continuada ? 1 : 0) || (continuada && estado.nParticipantes != n)) {
        std::fprintf(stderr, "a partida disse: %s\n", qPrintable(programa.perguntas.join(u'|')));
        return 1;
    }
    if (!continuada && !programa.informarParticipantes(n)) {
        std::fprintf(stderr, "a contagem %d foi recusada\n", n);
        return 1;
    }
    while (true) {
        if (estado.nSorteados == n) {
            programa.novaSerie();
            if (!programa.informarParticipantes(n))
                return 1;
        }
        if (!programa.sortear()) {
            std::fprintf(stderr, "o sorteio falhou: %s\n",
                         qPrintable(programa.controles.txtEnder_.valor));
            return 1;
        }
        const QByteArray linha = programa.controles.txtX_.valor.toLatin1() + '\t' +
                                 QFile::encodeName(estado.Arquivo) + '\n';
        std::fwrite(linha.constData(), 1, static_cast<size_t>(linha.size()), stdout);
        std::fflush(stdout);
    }
}
