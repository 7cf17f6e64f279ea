#pragma once

#include <platform/Arquivos.h>

#include <QByteArray>
#include <QString>

#include <optional>

namespace rodaleque {

// One of a series' files, only ever the series' own: the series claims it with its first
// write, and every later write goes only into that very file, as long as this program left it,
// never into whatever else may stand at its path by then.
class ArquivoDaSerie {
public:
    enum class Gravacao {
        Criado, // the file was claimed with the bytes
        Acrescentado,
        NomeOcupado, // something took the name before the claim; nothing was written
        Trocado,     // the series' file is gone, changed, or another stands at its path; nothing written
        Falhou,
    };

    explicit ArquivoDaSerie(platform::Arquivos& arquivos) : arquivos_(arquivos) {}

    // The bytes, on the device before this returns: a path not claimed yet is claimed with
    // them, the path claimed is appended to.
    Gravacao gravar(const QString& caminho, const QByteArray& bytes);

    // The file as claimed, `tamanho` bytes long, for a series that goes on after the program
    // stopped.
    void retomar(const QString& caminho, const platform::Identidade& identidade, qint64 tamanho);
    // A new path to claim: nothing is claimed until it is written.
    void esquecer() { criado_.clear(); }

    // What the file at the path is, once claimed; nothing if the path is not the one claimed.
    std::optional<platform::Identidade> identidade(const QString& caminho) const;

private:
    platform::Arquivos& arquivos_;
    QString criado_; // the path claimed, what stands there, and how long it is
    platform::Identidade identidade_;
    qint64 tamanho_ = 0;
};

// The content of the file at the path, if it is still the file `identidade` names.
std::optional<QByteArray> lerSeForOMesmo(platform::Arquivos& arquivos, const QString& caminho,
                                         const platform::Identidade& identidade);

} // namespace rodaleque
