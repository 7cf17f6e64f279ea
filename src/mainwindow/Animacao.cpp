#include "Animacao.h"

#include <engine/Numeros.h>

#include <algorithm>
#include <cmath>

namespace rodaleque::janela {

using namespace numeros;

namespace {

// Template column as built: Left 840, Top 510, 285 x 2655 twips.
ColunaDaChuva modeloComoConstruido() {
    ColunaDaChuva c;
    c.Left = 840;
    c.Top = 510;
    c.Width = 285;
    c.Height = 2655;
    return c;
}

constexpr int pixelsPorLinha = 15;
constexpr int fasesDeCor = 60;

// The number format "00" on the last two characters of a number's text: digits get a zero
// in front up to two; anything else (a separator and a digit) is printed as it is.
QString comDoisDigitos(const QString& final) {
    const bool soDigitos = !final.isEmpty() && std::all_of(final.begin(), final.end(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    return soDigitos ? final.rightJustified(2, u'0') : final;
}

// A component of a line's colour: j steps of `passo`, in 16 bits, at most 255.
Checked<int64_t> componente(int16_t j, int16_t passo) {
    return (Checked<int16_t>(j) * passo).then([](int16_t v) {
        return Checked<int64_t>(std::min<int64_t>(v, 255));
    });
}

Checked<int16_t> valorAbsoluto(int16_t v) {
    if (v == INT16_MIN)
        return {};
    return int16_t(v < 0 ? -v : v);
}

} // namespace

Animacao::Animacao(EstadoSorteio& estado, Controles& controles, Aleatorio& aleatorio,
                   JanelaAnimada& janela)
    : estado_(estado), controles_(controles), aleatorio_(aleatorio), janela_(janela),
      Code_{modeloComoConstruido()} {}

void Animacao::prepararModelo() {
    ColunaDaChuva& modelo = Code_.front();
    modelo.Visible = false;
    modelo.Tag = QStringLiteral("a");
}

bool Animacao::recolorirBola(bool pararNoErro) {
    EstadoSorteio& e = estado_;
    if (e.nParticipantes == 0)
        return false;
    if (e.FaseCor > fasesDeCor)
        e.FaseCor = 0;
    if (e.BolaCor > controles_.txtGloboCount() - 1)
        e.BolaCor = 0;
    int32_t c = 0;
    if (!assign(c, mod(Checked<int32_t>(e.Giro1) * 21, 200)) && pararNoErro)
        return true;
    // Twenty phases blue, twenty red, twenty-one green; the shade follows Giro1.
    const int64_t cor = e.FaseCor >= 40 ? int64_t(c) * 256 : e.FaseCor >= 20 ? c : int64_t(c) * 65536;
    Bola* bola = controles_.txtGlobo(e.BolaCor);
    const bool pintou = e.FaseCor >= 0 && bola != nullptr && bola->setBackColor(cor);
    if (!pintou && e.FaseCor >= 0 && pararNoErro)
        return true;
    assign(e.BolaCor, checkedAdd(e.BolaCor, int16_t(1)));
    assign(e.FaseCor, checkedAdd(e.FaseCor, int16_t(1)));
    return true;
}

// Timer2 keeps no error trap of its own; an error ends its tick and nothing more.
void Animacao::Timer2_Timer() { recolorirBola(true); }

void Animacao::Timer1_Timer() {
    if (!recolorirBola(false))
        return;
    if (!janela_.maximizada())
        return; // the rain falls only in the margins of a maximised window
    moverColunas();
}

void Animacao::moverColunas() {
    const int32_t passo = janela_.twipsPorPixelY();
    const double altura = janela_.alturaExterna();
    const int32_t maior = int32_t(Code_.size()) - 1;
    int32_t velocidade = 0; // a tag without a character leaves the last speed read
    for (int32_t i = 0; i <= maior; ++i) {
        ColunaDaChuva& coluna = Code_[i];
        if (!coluna.Tag.isEmpty())
            velocidade = coluna.Tag.front().unicode();
        coluna.Top += double(velocidade) * passo;
        if (coluna.Top > altura)
            RecarregarColuna(i); // an error ends the refill, not the tick
    }
    // Only a window grown wider than its columns cover needs more of them.
    const ColunaDaChuva& ultima = Code_.back();
    if (ultima.Left + 2.0 * ultima.Width < janela_.larguraExterna())
        MontarColunas();
}

bool Animacao::RecarregarColuna(int32_t index) {
    if (index < 0 || index >= int32_t(Code_.size()))
        return false;
    int16_t r = 0, g = 0, b = 0;
    if (!assign(r, Checked<int32_t>(estado_.CorR)) || !assign(g, Checked<int32_t>(estado_.CorG)) ||
        !assign(b, Checked<int32_t>(estado_.CorB)))
        return false;
    ColunaDaChuva& coluna = Code_[index];
    coluna.linhas.clear();
    ++coluna.impressao;

    int16_t n = 0; // 3..253 lines, so there are always steps between the first and the last
    if (!assign(n, roundTo16(double(aleatorio_.Proximo()) * 250 + 3)))
        return false;
    coluna.Height = janela_.twipsPorPixelY() * pixelsPorLinha * n;
    const int16_t degraus = int16_t(n - 1);
    const Checked<int16_t> ar = valorAbsoluto(r), ag = valorAbsoluto(g), ab = valorAbsoluto(b);
    if (!ar.ok() || !ag.ok() || !ab.ok())
        return false;
    const int16_t dr = int16_t(*ar / degraus), dg = int16_t(*ag / degraus), db = int16_t(*ab / degraus);

    // Black at the top, brightening toward the rain's colour at the bottom.
    for (int16_t j = 0; j <= n; ++j) {
        const Checked<int64_t> vermelho = componente(j, dr), verde = componente(j, dg),
                               azul = componente(j, db);
        if (!vermelho.ok() || !verde.ok() || !azul.ok())
            return false;
        const double v = double(aleatorio_.Proximo()) * estado_.Giro1;
        coluna.linhas.push_back(
            {comDoisDigitos(lastChars(text(v), 2)), *vermelho + 256 * *verde + 65536 * *azul});
        if (!assign(estado_.Giro1, checkedAdd(estado_.Giro1, 1)))
            return false;
    }
    coluna.Tag = QString(QChar(char16_t(std::floor(double(aleatorio_.Proximo()) * 20) + 1)));
    coluna.Top = -coluna.Height;
    return true;
}

bool Animacao::MontarColunas() {
    janela_.processarEventosPendentes();
    Code_.resize(1); // the template stays
    int32_t largura = 0, larguraDoModelo = 0;
    if (!assign(largura, roundTo32(janela_.larguraExterna())) ||
        !assign(larguraDoModelo, roundTo32(Code_.front().Width)) || larguraDoModelo == 0)
        return false;
    const int32_t colunas = largura / larguraDoModelo + 1;
    for (int32_t i = 1; i <= colunas; ++i) {
        ColunaDaChuva copia = Code_.front();
        copia.linhas.clear();
        copia.Left = double(copia.Width) * (i - 1);
        copia.Visible = true;
        Code_.push_back(std::move(copia));
        if (!RecarregarColuna(i))
            return false;
    }
    return true;
}

} // namespace rodaleque::janela
