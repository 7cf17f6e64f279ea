#pragma once

#include "support/AbridorDeTeste.h"
#include "support/PlataformaDeTeste.h"

#include <mainwindow/frm1.h>

#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace rodaleque::teste {

// The window system's calls noted, and done to the window as a window system does them: a
// fixed border that still lets the window grow to a maximise, and moves.
struct JanelasComoUmSistema : JanelasDeTeste {
    void BordaFixa(QWidget& janela, QSize tamanho) override {
        JanelasDeTeste::BordaFixa(janela, tamanho);
        janela.setMinimumSize(tamanho);
        janela.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    void moverJanela(QWidget& janela, QPoint canto, QMargins moldura) override {
        JanelasDeTeste::moverJanela(janela, canto, moldura);
        janela.move(canto);
    }
};

// The real window on the real generator and a real results folder, with a clock that
// moves at every reading and dialogs answered from a script.
struct JanelaDeTeste {
    JanelaDeTeste() {
        relogio.passoPorLeitura = 0.0004f;
        janela = std::make_unique<janela::frm1>(
            janela::Plataforma{relogio, arquivos, dialogos, abridor, gerador, entropia,
                               pastaDeResultados, QStringLiteral("/"), janelas, instancia,
                               registroDaSerie(), [] { return QByteArrayLiteral("programa"); }});
    }

    // Started and on screen, as the operator finds it.
    bool abrir() {
        if (!janela->Form_Load())
            return false;
        janela->show();
        return QTest::qWaitForWindowExposed(janela.get());
    }

    // The operator gives the participant count through the button.
    void informarParticipantes(const QString& resposta) {
        dialogos.respostasEntrada << resposta;
        controle<QAbstractButton>("cmdX")->click();
    }

    // The record of the running series, in the test's own folder.
    QString registroDaSerie() const {
        return pasta.filePath(QStringLiteral("dados/serie-em-andamento.txt"));
    }

    template <typename T>
    T* controle(const char* nome) const {
        return janela->findChild<T*>(QString::fromLatin1(nome));
    }

    QTemporaryDir pasta;
    PastaFixa pastaDeResultados{pasta.path()};
    RelogioFixo relogio;
    platform::ArquivosDoSistema arquivos;
    DialogosRoteirizados dialogos;
    AbridorDeTeste abridor;
    GeradorPcg gerador;
    EntropiaRoteirizada entropia;
    JanelasComoUmSistema janelas;
    InstanciaDeTeste instancia;
    std::unique_ptr<janela::frm1> janela;
};

} // namespace rodaleque::teste
