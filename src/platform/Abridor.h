#pragma once

#include <QString>

namespace rodaleque::platform {

// Shows a file to the user: a text file in the desktop's editor, a document (a PDF) in the
// application the desktop gives its kind.
class AbridorDeArquivos {
public:
    virtual ~AbridorDeArquivos() = default;

    // Starts the editor on the file without waiting for it; true when the start succeeded.
    virtual bool abrir(const QString& caminho) = 0;

    // Asks the desktop to show the document in its own viewer, without waiting; true when the
    // desktop took the request.
    virtual bool abrirDocumento(const QString& caminho) = 0;
};

// The editor and the viewers this system gives.
class AbridorDoSistema final : public AbridorDeArquivos {
public:
    bool abrir(const QString& caminho) override;
    bool abrirDocumento(const QString& caminho) override;
};

} // namespace rodaleque::platform
