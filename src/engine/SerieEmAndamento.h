#pragma once

#include <platform/Arquivos.h>

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace rodaleque {

// A count of participants accepted while the panel held `entradas` entries: the entries drawn
// from there on are shown as that count has them.
struct ContagemDaSerie {
    int32_t entradas = 0;
    int32_t participantes = 0;
    friend bool operator==(const ContagemDaSerie&, const ContagemDaSerie&) = default;
};

// What it takes to go on with a series after the program stopped without ending it.
struct SerieInterrompida {
    int32_t serie = 0;
    int32_t participantes = 0;
    QString arquivo;
    std::optional<platform::Identidade> identidade; // none until the file is claimed
    std::vector<ContagemDaSerie> contagens;                 // in order; the last is `participantes`
    std::optional<platform::Identidade> identidadeDoRegistro; // none until the record is claimed
};

// The one record of the running series, kept outside the results folder, so that a crash or
// a power cut does not cost the operator the series: replaced whole at each change, removed
// when the series ends in an orderly way.
class SerieEmAndamento {
public:
    // With no path, nothing is kept.
    SerieEmAndamento(platform::Arquivos& arquivos, QString caminho)
        : arquivos_(arquivos), caminho_(std::move(caminho)) {}

    const QString& caminho() const { return caminho_; }

    // False when it could not be kept; the draw goes on regardless.
    bool guardar(const SerieInterrompida& serie);
    void apagar();

    enum class Estado { Nenhuma, Ilegivel, Lida };
    struct Leitura {
        Estado estado = Estado::Nenhuma;
        SerieInterrompida serie;
    };
    Leitura ler();

private:
    platform::Arquivos& arquivos_;
    QString caminho_;
};

} // namespace rodaleque
