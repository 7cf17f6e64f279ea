#include "FigurasDosTextos.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace rodaleque::telao {

namespace {

// Where the glyphs may leave ink, around the baseline's start, in whole pixels with room for
// the antialiased edge.
QRect tintaPossivel(const Texto& t) {
    const QFontMetricsF medidas(t.fonte);
    const QRectF caixa = medidas.boundingRect(t.texto).united(medidas.tightBoundingRect(t.texto));
    const double folga = 2 + 0.02 * caixa.height();
    return caixa.adjusted(-folga, -folga, folga, folga).toAlignedRect();
}

void escrever(QPainter& p, const Texto& t, const QPointF& base) {
    p.setFont(t.fonte);
    p.setPen(t.cor);
    p.drawText(base, t.texto);
}

QPixmap desenhar(const Texto& t, const QRect& tinta, qreal escala) {
    QPixmap figura(tinta.size() * escala);
    figura.setDevicePixelRatio(escala);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::TextAntialiasing);
    escrever(p, t, -tinta.topLeft());
    return figura;
}

} // namespace

void FigurasDosTextos::pintar(QPainter& p, const Diagrama& diagrama) {
    const qreal escala = p.device()->devicePixelRatioF();
    QHash<QString, QPixmap> usadas;
    for (std::size_t i = 0; i < diagrama.textos.size(); ++i) {
        const Texto& t = diagrama.textos[i];
        const QRect tinta = tintaPossivel(t);
        if (i == diagrama.numero || tinta.isEmpty()) {
            escrever(p, t, t.base);
            continue;
        }
        const QString chave = QStringLiteral("%1\x1f%2\x1f%3\x1f%4")
                                  .arg(t.texto, t.fonte.key(), t.cor.name(QColor::HexArgb))
                                  .arg(escala);
        QPixmap figura = figuras_.value(chave);
        if (figura.isNull())
            figura = desenhar(t, tinta, escala);
        usadas.insert(chave, figura);
        p.drawPixmap(QPoint(int(std::lround(t.base.x())), int(std::lround(t.base.y()))) +
                         tinta.topLeft(),
                     figura);
    }
    figuras_ = std::move(usadas);
}

} // namespace rodaleque::telao
