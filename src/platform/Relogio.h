#pragma once

#include <memory>

namespace rodaleque::platform {

struct DataHoraLocal {
    int ano = 0;
    int mes = 0;    // 1..12
    int dia = 0;    // 1..31
    int hora = 0;   // 0..23
    int minuto = 0; // 0..59
    int segundo = 0; // 0..59
    int deslocamentoUtc = 0; // minutes ahead of UTC at that moment, daylight saving included
};

// Local time of day and date. Injected everywhere, so that tests can fix the time.
class Relogio {
public:
    virtual ~Relogio() = default;

    // Seconds since local midnight, in single precision, as fine as the system clock allows.
    virtual float SegundosDoDia() = 0;

    // One reading of the local date and time.
    virtual DataHoraLocal agora() = 0;
};

class RelogioDoSistema final : public Relogio {
public:
    RelogioDoSistema();
    ~RelogioDoSistema() override;
    float SegundosDoDia() override;
    DataHoraLocal agora() override;

private:
    // What this system's clock keeps between readings to make them cheap; each platform's
    // file says what that is.
    struct Estado;
    std::unique_ptr<Estado> estado_;
};

} // namespace rodaleque::platform
