#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace rodaleque::platform {

// One running copy of the program per user. The first copy holds a claim for as long as it
// runs; a later copy sees it, hands the running copy its window title and what its launcher
// gave it to bring a window forward with, and ends.
class InstanciaUnica {
public:
    using AoSerChamada = std::function<void(const QString& titulo, const QByteArray& ficha)>;

    virtual ~InstanciaUnica() = default;

    // True when another copy of this program already runs for this user. Otherwise this copy
    // now holds the claim, and a claim left by a copy that crashed does not count.
    virtual bool outraCopiaRodando() = 0;

    // In a later copy: brings the running copy's window titled `titulo` to the front, restored
    // to its normal size and position (FindWindowA, ShowWindow 9, SetForegroundWindow). Returns
    // within about a second, whether or not the running copy answered.
    virtual void chamarPrimeiraCopia(const QString& titulo) = 0;

    // In the copy that holds the claim: where the platform does not restore the window itself,
    // `f` runs on the window thread with the title that a later copy looks for and the startup
    // id or activation token that copy was started with (empty if none).
    virtual void aoSerChamada(AoSerChamada f) = 0;
};

// The claim of this platform, keyed by the user and the program, not by its version.
std::unique_ptr<InstanciaUnica> criarInstanciaUnica(const QString& programa);

} // namespace rodaleque::platform
