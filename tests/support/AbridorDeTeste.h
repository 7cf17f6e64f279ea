#pragma once

#include <platform/Abridor.h>

#include <QStringList>

namespace rodaleque::teste {

struct AbridorDeTeste : platform::AbridorDeArquivos {
    bool abrir(const QString& caminho) override {
        abertos.append(caminho);
        return true;
    }
    bool abrirDocumento(const QString& caminho) override {
        documentos.append(caminho);
        return abreDocumentos;
    }
    QStringList abertos;
    QStringList documentos;
    bool abreDocumentos = true;
};

} // namespace rodaleque::teste
