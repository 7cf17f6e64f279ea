#pragma once

#include "ControlesEmMemoria.h"
#include "PlataformaDeTeste.h"

#include <engine/MotorSorteio.h>

#include <memory>

namespace rodaleque::teste {

// The engine on in-memory controls, a fixed clock and files in memory, set up as the
// start-up leaves it: series 1, counters and selector at 1, the first series prepared.
// With a scripted generator a test chooses every random value; otherwise PCG32 runs.
// The entropy source gives the bits a test scripts, then fails.
struct MotorDeTeste {
    struct Opcoes {
        bool roteirizado = true;
        std::deque<uint64_t> entropia;
        platform::Arquivos* disco = nullptr; // files in memory unless given
        QString pasta = QStringLiteral("/eventos");
        QString registroDaSerie = QStringLiteral("/dados/serie-em-andamento.txt");
        std::deque<int> respostasNaPartida; // to what the start-up may ask
    };
    static Opcoes comGeradorReal() {
        Opcoes o;
        o.roteirizado = false;
        return o;
    }

    MotorDeTeste() : MotorDeTeste(Opcoes{}) {}
    explicit MotorDeTeste(Opcoes opcoes)
        : gerador(opcoes.roteirizado ? static_cast<Gerador&>(roteiro) : pcg),
          aleatorio(gerador, relogio, entropia),
          pasta(std::move(opcoes.pasta)),
          arquivo(opcoes.disco ? *opcoes.disco : arquivos, relogio, pasta, QStringLiteral("/")),
          emAndamento(opcoes.disco ? *opcoes.disco : arquivos, std::move(opcoes.registroDaSerie)),
          registroDaSerie(opcoes.disco ? *opcoes.disco : arquivos, relogio, entropia,
                          {QStringLiteral("Rodaleque 1.0.98"), [] { return QByteArrayLiteral("programa"); }}),
          motor(Ambiente{controles, aleatorio, relogio, dialogos, arquivo, emAndamento,
                         registroDaSerie}) {
        entropia.valores = std::move(opcoes.entropia);
        dialogos.respostasMensagem = std::move(opcoes.respostasNaPartida);
        motor.iniciar();
    }

    EstadoSorteio& estado() { return motor.estado(); }

    // A new series of n under way, as the count command's engine side starts it; and draws.
    void comecar(int32_t n) {
        motor.NovaSerie();
        motor.aplicarContagem(n);
    }
    void sortear(int vezes) {
        for (int i = 0; i < vezes; ++i)
            motor.cmdSorteio_Click();
    }

    // What the participant-count command does when it accepts n.
    void aceitarParticipantes(int32_t n) {
        motor.NovaSerie();
        estado().nParticipantes = n;
        controles.cmdSorteio_.setEnabled(true);
        estado().nSorteados = controles.lista.listCount();
        estado().Giro2 = n;
    }

    ControlesEmMemoria controles;
    RelogioFixo relogio;
    GeradorRoteirizado roteiro;
    GeradorPcg pcg;
    Gerador& gerador;
    EntropiaRoteirizada entropia;
    Aleatorio aleatorio;
    ArquivosEmMemoria arquivos;
    PastaFixa pasta;
    DialogosRoteirizados dialogos;
    ArquivoResultados arquivo;
    SerieEmAndamento emAndamento;
    RegistroDaSerie registroDaSerie;
    MotorSorteio motor;
};

} // namespace rodaleque::teste
