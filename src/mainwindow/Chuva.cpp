#include "Chuva.h"

#include "Geometria.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace rodaleque::janela {

namespace {

int emPixels(double twips) { return int(std::lround(twips / 15.0)); }

QRect lugarDe(const ColunaDaChuva& c) {
    return QRect(emPixels(c.Left), emPixels(c.Top), emPixels(c.Width), emPixels(c.Height));
}

} // namespace

Chuva::Chuva(QWidget* pai, const Animacao& animacao) : QWidget(pai), animacao_(animacao) {
    setObjectName(QStringLiteral("Code"));
    // Black everywhere a column does not stand: all of it is painted here.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(fonte(8.25, true));
}

void Chuva::aoMudar(const QRect& painel) {
    const std::vector<ColunaDaChuva>& colunas = animacao_.Code();
    desenhos_.resize(colunas.size());
    QRegion mudou;
    for (std::size_t i = 0; i < colunas.size(); ++i) {
        const ColunaDaChuva& coluna = colunas[i];
        Desenho& d = desenhos_[i];
        const QRect lugar = lugarDe(coluna);
        const bool refeita = d.impressao != coluna.impressao || d.figura.isNull();
        if (lugar == d.lugar && coluna.Visible == d.visivel && !refeita)
            continue;
        if (d.visivel)
            mudou += d.lugar;
        if (coluna.Visible)
            mudou += lugar;
        if (refeita || lugar.size() != d.lugar.size()) {
            d.figura = desenhar(coluna, lugar.size());
            d.impressao = coluna.impressao;
        }
        d.lugar = lugar;
        d.visivel = coluna.Visible;
    }
    if (desenhos_.size() > colunas.size())
        desenhos_.resize(colunas.size());
    mudou -= painel;
    if (!mudou.isEmpty())
        update(mudou);
}

QPixmap Chuva::desenhar(const ColunaDaChuva& coluna, QSize tamanho) const {
    QPixmap figura(tamanho.expandedTo(QSize(1, 1)));
    figura.fill(Qt::black);
    QPainter p(&figura);
    p.setFont(font());
    const QFontMetrics medidas(font());
    // Printed one below the other from the top, each a line of the column's font.
    int y = medidas.ascent();
    for (const LinhaImpressa& linha : coluna.linhas) {
        if (y - medidas.ascent() >= figura.height())
            break;
        p.setPen(cor(linha.cor));
        p.drawText(0, y, linha.texto);
        y += medidas.height();
    }
    return figura;
}

void Chuva::paintEvent(QPaintEvent* evento) {
    ++pinturas_;
    QPainter p(this);
    for (const QRect& r : evento->region())
        p.fillRect(r, Qt::black);
    for (const Desenho& d : desenhos_) {
        if (d.visivel && evento->region().intersects(d.lugar))
            p.drawPixmap(d.lugar.topLeft(), d.figura);
    }
}

} // namespace rodaleque::janela
