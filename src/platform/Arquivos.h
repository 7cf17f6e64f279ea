#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace rodaleque::platform {

// What a file is, whatever name it goes by: the volume it lies on and its number there (device
// and inode; on Windows, volume serial number and file index, read from an open handle).
struct Identidade {
    uint64_t volume = 0;
    uint64_t indice = 0;
    friend bool operator==(const Identidade&, const Identidade&) = default;
};

// The files the program keeps: the series' results files, which it claims and appends to,
// and the small record of the running series, which it replaces whole.
class Arquivos {
public:
    enum class Criacao {
        Gravado,     // the file is new, holds the bytes, and is on the device
        NomeOcupado, // something already stands at the path; nothing was written
        Falhou,      // the file could not be made; nothing is left behind
    };
    enum class Acrescimo {
        Gravado, // appended, and on the device
        Trocado, // the file is gone, or another one stands at the path; nothing was written
        Falhou,  // the append failed; the file is as it was
    };

    virtual ~Arquivos() = default;

    // True when anything (a file, a folder, a device...) already stands at this path.
    virtual bool nomeOcupado(const QString& caminho) = 0;

    // Makes the file with these bytes only if nothing stands at the path yet, in one step that
    // no other process can come between: the claim of a series on its file. Written, flushed
    // and synced, and its folder synced, before this returns Gravado, with the new file's
    // identity in `criado`.
    virtual Criacao criarDuravel(const QString& caminho, const QByteArray& bytes,
                                 Identidade& criado) = 0;

    // Appends the bytes to the file at the path only if it is still the file `arquivo`, and
    // `tamanho` bytes long when one is given: the path is opened without ever creating
    // anything, and the open file is the one checked; a file of another length was changed by
    // someone else, and counts as another file. Gravado once the bytes are written, flushed and
    // synced. On any failure the file is left exactly as it was before (cut back to its old
    // length).
    static constexpr qint64 qualquerTamanho = -1;
    virtual Acrescimo acrescentarDuravel(const QString& caminho, const Identidade& arquivo,
                                         const QByteArray& bytes,
                                         qint64 tamanho = qualquerTamanho) = 0;

    // The identity of the regular file at the path; nothing if there is none, or it is
    // something else (a folder, a device).
    virtual std::optional<Identidade> identidade(const QString& caminho) = 0;

    // The whole content of the regular file at the path; nothing if it cannot be read.
    virtual std::optional<QByteArray> ler(const QString& caminho) = 0;

    // Puts these bytes at the path in one step: whoever reads it afterwards, even after a
    // crash or a power cut, finds the old content whole or the new content whole. Written to
    // a new file beside it, synced, renamed over the path, and the folder synced; the folder
    // is made first if it is missing.
    virtual bool substituirDuravel(const QString& caminho, const QByteArray& bytes) = 0;

    // Removes the file at the path, durably; true when nothing stands there afterwards.
    virtual bool remover(const QString& caminho) = 0;
};

// The real file system of this machine.
class ArquivosDoSistema final : public Arquivos {
public:
    bool nomeOcupado(const QString& caminho) override;
    Criacao criarDuravel(const QString& caminho, const QByteArray& bytes,
                         Identidade& criado) override;
    Acrescimo acrescentarDuravel(const QString& caminho, const Identidade& arquivo,
                                 const QByteArray& bytes,
                                 qint64 tamanho = qualquerTamanho) override;
    std::optional<Identidade> identidade(const QString& caminho) override;
    std::optional<QByteArray> ler(const QString& caminho) override;
    bool substituirDuravel(const QString& caminho, const QByteArray& bytes) override;
    bool remover(const QString& caminho) override;
};

} // namespace rodaleque::platform
