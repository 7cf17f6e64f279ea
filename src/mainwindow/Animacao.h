#pragma once

#include <engine/Aleatorio.h>
#include <engine/Controles.h>
#include <engine/EstadoSorteio.h>

#include <QString>

#include <cstdint>
#include <vector>

namespace rodaleque::janela {

// One line printed on a rain column: two digits in a colour value &H00BBGGRR.
struct LinhaImpressa {
    QString texto;
    int64_t cor;
};

// An element of the control array Code: a column of the background rain. Positions and sizes
// in twips, as the window's other controls; the tag's first character is its fall speed.
struct ColunaDaChuva {
    double Left = 0;
    double Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    QString Tag;
    bool Visible = true;
    // What has been printed on it since it was last cleared: the column keeps its drawing,
    // so a move never prints again.
    std::vector<LinhaImpressa> linhas;
    // Changes whenever the printed lines do, so a painter knows when to draw them anew.
    uint64_t impressao = 0;
};

// What the animations ask of the window.
class JanelaAnimada {
public:
    virtual ~JanelaAnimada() = default;
    virtual bool maximizada() const = 0;
    // The window's outer size, in twips.
    virtual double larguraExterna() const = 0;
    virtual double alturaExterna() const = 0;
    virtual int twipsPorPixelY() const = 0;
    // Lets the window catch up with what is pending before the columns are rebuilt.
    virtual void processarEventosPendentes() = 0;
};

// The drum-ball recolouring and the background rain, driven by Timer1 and Timer2.
class Animacao {
public:
    Animacao(EstadoSorteio& estado, Controles& controles, Aleatorio& aleatorio,
             JanelaAnimada& janela);

    void Timer1_Timer();
    void Timer2_Timer();
    void tmpCor_Timer() {}

    // The template column as start-up prepares it: hidden, tag "a", the window's colour.
    void prepararModelo();
    // Clears, refills and lifts above the top edge one column; false if an error ended it.
    bool RecarregarColuna(int32_t index);
    // Replaces every column but the template by enough to cover the window's width.
    bool MontarColunas();

    const std::vector<ColunaDaChuva>& Code() const { return Code_; }

private:
    // Recolours one ball; false when the tick must end here. With `pararNoErro`, a failing
    // step ends it too, instead of being skipped.
    bool recolorirBola(bool pararNoErro);
    void moverColunas();

    EstadoSorteio& estado_;
    Controles& controles_;
    Aleatorio& aleatorio_;
    JanelaAnimada& janela_;
    std::vector<ColunaDaChuva> Code_;
};

} // namespace rodaleque::janela
