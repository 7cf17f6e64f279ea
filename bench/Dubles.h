#pragma once

#include <platform/Arquivos.h>
#include <platform/Dialogos.h>

namespace rodaleque::bench {

// For measuring the draw alone: appends that cost nothing, boxes that nobody answers.
struct ArquivosDescartados : platform::Arquivos {
    bool nomeOcupado(const QString&) override { return false; }
    Criacao criarDuravel(const QString&, const QByteArray&) override { return Criacao::Gravado; }
    bool acrescentarDuravel(const QString&, const QByteArray&) override { return true; }
};

struct DialogosMudos : platform::Dialogos {
    int caixaDeMensagem(const QString&, int) override { return RespostaOk; }
    QString caixaDeEntrada(const QString&) override { return {}; }
};

} // namespace rodaleque::bench
