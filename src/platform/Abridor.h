#pragma once

#include <QString>

namespace rodaleque::platform {

// Shows a text file to the user in the desktop's editor.
class AbridorDeArquivos {
public:
    virtual ~AbridorDeArquivos() = default;

    // Starts the editor on the file without waiting for it; true when the start succeeded.
    virtual bool abrir(const QString& caminho) = 0;
};

// The editor this system gives text files.
class AbridorDoSistema final : public AbridorDeArquivos {
public:
    bool abrir(const QString& caminho) override;
};

} // namespace rodaleque::platform
