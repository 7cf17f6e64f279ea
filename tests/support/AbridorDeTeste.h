#pragma once

#include <platform/Abridor.h>

#include <QStringList>

namespace rodaleque::teste {

struct AbridorDeTeste : platform::AbridorDeArquivos {
    bool abrir(const QString& caminho) override {
        abertos.append(caminho);
        return true;
    }
    QStringList abertos;
};

} // namespace rodaleque::teste
