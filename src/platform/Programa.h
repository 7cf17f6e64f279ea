#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

namespace rodaleque::platform {

// Where the program lives, and how this platform writes a path.
struct Programa {
    // The folder that holds the executable, as the platform reports it.
    static QString pasta();
    // The bytes of the executable this process runs, as it was started: what the record of a
    // series names by its hash. Nothing if it cannot be read.
    static std::optional<QByteArray> lerExecutavel();
    // The folder separator of this platform: "/" here, "\\" on Windows.
    static QString separador();
    // The user's own folder for the program's data, not made here: Rodaleque in the
    // platform's per-user application data ($XDG_DATA_HOME, %LOCALAPPDATA%).
    static QString pastaDeDados();
    // The user's own folder for the program's settings, not made here: rodaleque in
    // $XDG_CONFIG_HOME; on Windows the data folder, where Windows programs keep both.
    static QString pastaDeConfiguracao();
};

// The folder that receives the results files, asked again at every series set-up.
class PastaDeResultados {
public:
    virtual ~PastaDeResultados() = default;
    virtual QString pasta() = 0;
};

// The program's own folder while it can be written there (a copied, portable program);
// otherwise, as when installed, the folder Rodaleque in the user's documents, made if needed.
class PastaDeResultadosDoSistema final : public PastaDeResultados {
public:
    // The folder the program runs from, unless a test names another.
    explicit PastaDeResultadosDoSistema(QString pastaDoPrograma = Programa::pasta())
        : pastaDoPrograma_(std::move(pastaDoPrograma)) {}
    QString pasta() override;

private:
    QString pastaDoPrograma_;
};

} // namespace rodaleque::platform
