#pragma once

#include <QByteArray>
#include <QString>

namespace rodaleque::platform {

// The files the program keeps: it only ever asks whether a name is taken and appends records.
class Arquivos {
public:
    enum class Criacao {
        Gravado,     // the file is new, holds the bytes, and is on the device
        NomeOcupado, // something already stands at the path; nothing was written
        Falhou,      // the file could not be made; nothing is left behind
    };

    virtual ~Arquivos() = default;

    // True when anything (a file, a folder, a device...) already stands at this path.
    virtual bool nomeOcupado(const QString& caminho) = 0;

    // Makes the file with these bytes only if nothing stands at the path yet, in one step that
    // no other process can come between: the claim of a series on its file. Durable as below.
    virtual Criacao criarDuravel(const QString& caminho, const QByteArray& bytes) = 0;

    // Appends the bytes so that they are on the device before this returns true: written,
    // flushed and synced, and the folder synced too when the append created the file. On any
    // failure the file is left exactly as it was before (cut back to its old length, or removed
    // again if this append created it) and the result is false.
    virtual bool acrescentarDuravel(const QString& caminho, const QByteArray& bytes) = 0;
};

// The real file system of this machine.
class ArquivosDoSistema final : public Arquivos {
public:
    bool nomeOcupado(const QString& caminho) override;
    Criacao criarDuravel(const QString& caminho, const QByteArray& bytes) override;
    bool acrescentarDuravel(const QString& caminho, const QByteArray& bytes) override;
};

} // namespace rodaleque::platform
