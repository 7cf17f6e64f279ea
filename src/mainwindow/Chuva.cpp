#include "Chuva.h"

#include <widgets/Geometria.h>

#include <QPaintEvent>
#include <QPainter>


namespace rodaleque::janela {

namespace {

QRect lugarDe(const ColunaDaChuva& c) {
    return QRect(pixelsDe(c.Left), pixelsDe(c.Top), pixelsDe(c.Width), pixelsDe(c.Height));
}

} // namespace

FaixaDaChuva::FaixaDaChuva(QWidget* pai, const Chuva& chuva) : QWidget(pai), chuva_(chuva) {
    setAttribute(Qt::WA_OpaquePaintEvent); // black where no column stands: all painted here
}

void FaixaDaChuva::paintEvent(QPaintEvent* evento) {
    QPainter p(this);
    const auto& faixas = chuva_.faixas_;
    const std::size_t esta = std::size_t(std::find(faixas.begin(), faixas.end(), this) - faixas.begin());
    Q_ASSERT(esta < faixas.size());
    chuva_.pintar(p, evento->rect().translated(pos()), pos(), esta);
}

Chuva::Chuva(QWidget* janela, const Animacao& animacao) : animacao_(animacao) {
    for (FaixaDaChuva*& faixa : faixas_) {
        faixa = new FaixaDaChuva(janela, *this);
        faixa->setObjectName(QStringLiteral("Code"));
        faixa->setFont(fonte(8.25, true));
        faixa->lower();
    }
}

void Chuva::ajustar(const QRect& janela, const QRect& painel) {
    const QRect p = painel & janela;
    // Above and below the panel across the whole width; beside it at its height.
    faixas_[0]->setGeometry(QRect(janela.left(), janela.top(), janela.width(), p.top() - janela.top()));
    faixas_[1]->setGeometry(QRect(janela.left(), p.bottom() + 1, janela.width(), janela.bottom() - p.bottom()));
    faixas_[2]->setGeometry(QRect(janela.left(), p.top(), p.left() - janela.left(), p.height()));
    faixas_[3]->setGeometry(QRect(p.right() + 1, p.top(), janela.right() - p.right(), p.height()));
}

void Chuva::aoMudar() {
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
        // The hidden template is never painted, and never drawn either.
        if (coluna.Visible && (refeita || lugar.size() != d.lugar.size())) {
            d.figura = desenhar(coluna, lugar.size());
            d.impressao = coluna.impressao;
        }
        d.lugar = lugar;
        d.visivel = coluna.Visible;
    }
    // A margin is repainted whole when anything in it changed.
    for (FaixaDaChuva* faixa : faixas_) {
        if (!faixa->geometry().isEmpty() && mudou.intersects(faixa->geometry()))
            faixa->update();
    }
}

QPixmap Chuva::desenhar(const ColunaDaChuva& coluna, QSize tamanho) const {
    QPixmap figura(tamanho.expandedTo(QSize(1, 1)));
    figura.fill(Qt::black);
    QPainter p(&figura);
    const QFont letra = faixas_.front()->font();
    p.setFont(letra);
    const QFontMetrics medidas(letra);
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

void Chuva::pintar(QPainter& p, const QRect& area, QPoint origem, std::size_t faixa) const {
    ++pinturas_[faixa];
    p.fillRect(area.translated(-origem), Qt::black);
    // Only the part of a column within the area: a whole column can be several screens tall.
    for (const Desenho& d : desenhos_) {
        const QRect parte = d.lugar & area;
        if (d.visivel && !parte.isEmpty())
            p.drawPixmap(parte.topLeft() - origem, d.figura, parte.translated(-d.lugar.topLeft()));
    }
}

} // namespace rodaleque::janela
