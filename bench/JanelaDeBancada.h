#pragma once

#include "support/AbridorDeTeste.h"
#include "support/PlataformaDeTeste.h"

#include <engine/Numeros.h>
#include <mainwindow/frm1.h>

#include <QTemporaryDir>

#include <cmath>

namespace rodaleque::bench {

// The real window for the benchmarks that draw through it: results files in a temporary
// folder and the record of the running series in another, as the program keeps them, through
// the Arquivos given; a clock standing at 1000 s and a generator that a benchmark scripts, so
// that every draw succeeds at its first attempt.
struct JanelaDeBancada {
    explicit JanelaDeBancada(platform::Arquivos& arquivos)
        : janela({relogio, arquivos, dialogos, abridor, gerador, entropia, pastaDeResultados,
                  QStringLiteral("/"), janelas, instancia,
                  dados.filePath(QStringLiteral("serie")), &platform::Programa::lerExecutavel}) {
        relogio.segundos = 1000.0f;
        static_cast<void>(janela.Form_Load()); // no other copy runs: the test instance says so
    }

    void informarParticipantes(int32_t n) {
        dialogos.respostasEntrada << numeros::text(n);
        janela.painel().cmdX_Click();
    }

    // Scripts one attempt that picks method 1 with a value that gives the number n: the clock
    // stands at 1000 s and Giro1 is kept so large that the selector's second step overflows.
    void roteirizar(int32_t n) {
        EstadoSorteio& e = janela.motor().estado();
        const int32_t total = e.nParticipantes;
        e.Giro1 = 2147000000; // the spinning timers bring it back between draws
        const int m = ((1 - e.Seletor) % 9 + 9) % 9;
        gerador.valores.push_back(0.5f);
        gerador.valores.push_back(static_cast<float>((m + 0.4) / 1000.0));
        float r = static_cast<float>((n - 0.5) / total);
        while (static_cast<int32_t>(double(r) * total) + 1 < n)
            r = std::nextafter(r, 1.0f);
        while (static_cast<int32_t>(double(r) * total) + 1 > n)
            r = std::nextafter(r, 0.0f);
        gerador.valores.push_back(r);
    }

    QTemporaryDir pasta;
    QTemporaryDir dados;
    teste::PastaFixa pastaDeResultados{pasta.path()};
    teste::RelogioFixo relogio;
    teste::DialogosRoteirizados dialogos;
    teste::AbridorDeTeste abridor;
    teste::GeradorRoteirizado gerador;
    teste::EntropiaRoteirizada entropia;
    teste::JanelasDeTeste janelas;
    teste::InstanciaDeTeste instancia;
    janela::frm1 janela;
};

} // namespace rodaleque::bench
