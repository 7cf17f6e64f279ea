#include "DiagramaDoTelao.h"

#include <engine/PainelFormato.h>
#include <widgets/Fontes.h>

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace rodaleque::telao {

namespace {

// The program's colours: the drawn number's light box, the panel's green on grey, the strip's
// yellow.
const QColor preto(0x00, 0x00, 0x00);
const QColor caixaDoNumero(0xC0, 0xC0, 0xC0);
const QColor digitosDoNumero(0x40, 0x40, 0x40);
const QColor painel(0x40, 0x40, 0x40);
const QColor verde(0x00, 0xFF, 0x00);
const QColor rotulo(0xE0, 0xE0, 0xE0);
const QColor amarelo(0xFF, 0xFF, 0x00);
const QColor apagado(0x20, 0x20, 0x20);
const QColor cinzaApagado(0x6D, 0x6D, 0x6D);

constexpr int tamanhoDeReferencia = 200; // pixels; glyph outlines scale with the size

// Fits a text's ink into an area, as large as the area allows, sized by `modelo` (the widest
// text of its kind, so that the cells of a grid share one size). Where the area is too narrow
// for the ink to reach `alturaMinima`, the glyphs are narrowed (down to 60 %) until it does.
Texto ajustar(const QString& texto, const QRectF& area, bool negrito, const QColor& cor,
              double alturaMinima = 0, const QString& modelo = QString()) {
    const QString medida = modelo.isEmpty() ? texto : modelo;
    QFont fonte = negrito ? fontes::negrito(12) : fontes::texto(12);
    fonte.setPixelSize(tamanhoDeReferencia);
    const QRectF referencia = QFontMetricsF(fonte).tightBoundingRect(medida);
    Texto t{texto, fonte, cor, area, {}, {}};
    if (referencia.isEmpty() || area.isEmpty())
        return t;
    const double minima = std::min(alturaMinima, area.height());
    double escala = std::min(area.width() / referencia.width(), area.height() / referencia.height());
    escala = std::max(escala, minima / referencia.height());
    int estreitamento = 100;
    // Hinting and narrowing move the ink by a few pixels: measured again until it holds.
    for (int vez = 0; vez < 8; ++vez) {
        fonte.setStretch(estreitamento);
        fonte.setPixelSize(std::max(1, int(std::ceil(tamanhoDeReferencia * escala))));
        const QRectF tinta = QFontMetricsF(fonte).tightBoundingRect(medida);
        const bool baixo = tinta.height() < minima;
        const bool largo = tinta.width() > area.width();
        if (!baixo && !largo)
            break;
        if (baixo)
            escala *= minima / tinta.height() * 1.002;
        if (largo && estreitamento > 60)
            estreitamento = std::max(60, int(std::floor(estreitamento * area.width() / tinta.width())));
        else if (largo)
            escala *= area.width() / tinta.width();
    }
    const QRectF tinta = QFontMetricsF(fonte).tightBoundingRect(texto);
    t.fonte = fonte;
    t.base = area.center() - tinta.center();
    t.tinta = tinta.translated(t.base);
    return t;
}

QString entrada(int32_t n, int32_t participantes) {
    return textoDaEntrada(n, formatoDoPainel(participantes));
}

// Columns of a grid of `n` cells in an area that give the largest square-ish cells.
int colunasDaGrade(int n, const QSizeF& area) {
    int melhor = 1;
    double maior = 0;
    for (int colunas = 1; colunas <= n; ++colunas) {
        const int linhas = (n + colunas - 1) / colunas;
        const double lado = std::min(area.width() / colunas, area.height() / linhas);
        if (lado > maior) {
            maior = lado;
            melhor = colunas;
        }
    }
    return melhor;
}

class Montagem {
public:
    Montagem(const Quadro& q, const QSizeF& tamanho)
        : q_(q), w_(tamanho.width()), h_(tamanho.height()),
          margem_(0.025 * std::min(tamanho.width(), tamanho.height())) {}

    Diagrama montar() {
        d_.fundos.push_back({QRectF(QPointF(0, 0), QSizeF(w_, h_)), preto});
        cabecalho();
        const QRectF corpo(margem_, 0.11 * h_, w_ - 2 * margem_, h_ - 0.11 * h_ - margem_);
        if (q_.ultimos.empty())
            antesDoPrimeiro(corpo);
        else if (q_.participantes <= maximoDoQuadroDeNumeros)
            comQuadroDeNumeros(corpo);
        else
            comAnteriores(corpo);
        return d_;
    }

private:
    void texto(Texto t) { d_.textos.push_back(std::move(t)); }

    void cabecalho() {
        const QRectF faixa(margem_, margem_, w_ - 2 * margem_, 0.06 * h_);
        const QRectF esquerda(faixa.left(), faixa.top(), faixa.width() * 0.45, faixa.height());
        const QRectF direita(faixa.left() + faixa.width() * 0.55, faixa.top(), faixa.width() * 0.45,
                             faixa.height());
        if (q_.serie > 0)
            texto(alinhado(ajustar(QStringLiteral("Sorteio nº ") + QString::number(q_.serie),
                                   esquerda, false, rotulo),
                           Qt::AlignLeft));
        if (q_.participantes > 0)
            texto(alinhado(ajustar(QString::number(q_.participantes) + QStringLiteral(" participantes"),
                                   direita, false, rotulo),
                           Qt::AlignRight));
    }

    // A header text is as tall as its strip, against the strip's edge: both texts then share
    // one size, whatever their lengths.
    Texto alinhado(Texto t, Qt::Alignment lado) {
        const double dx = lado == Qt::AlignLeft ? t.area.left() - t.tinta.left()
                                                : t.area.right() - t.tinta.right();
        t.base += QPointF(dx, 0);
        t.tinta.translate(dx, 0);
        return t;
    }

    void antesDoPrimeiro(const QRectF& corpo) {
        const double linha = corpo.height() / 6;
        if (!q_.objeto.isEmpty())
            texto(ajustar(q_.objeto, QRectF(corpo.left(), corpo.top() + linha, corpo.width(), linha),
                          true, rotulo));
        const QString n = q_.participantes > 0
                              ? QString::number(q_.participantes) + QStringLiteral(" participantes")
                              : QStringLiteral("Aguardando o número de participantes");
        texto(ajustar(n, QRectF(corpo.left(), corpo.top() + 3 * linha, corpo.width(), 1.2 * linha),
                      false, verde));
    }

    // The last number in its light box, as tall as at least half the screen; under it the
    // draw's code, or the note that every number is drawn.
    void numero(const QRectF& caixa) {
        d_.fundos.push_back({caixa, caixaDoNumero});
        const double folga = 0.02 * h_;
        d_.numero = d_.textos.size();
        texto(ajustar(entrada(q_.ultimos.back(), q_.participantes), caixa.adjusted(folga, folga, -folga, -folga),
                      true, digitosDoNumero, 0.5 * h_));
        const QRectF linha(caixa.left(), caixa.bottom() + 0.02 * h_, caixa.width(), 0.05 * h_);
        QString rodape = QString::number(q_.sorteados) + QStringLiteral("º número sorteado");
        if (!q_.codigoCurto.isEmpty())
            rodape += QStringLiteral(" · código ") + q_.codigoCurto;
        if (q_.todosSorteados)
            rodape += QStringLiteral(" · Todos os números já foram sorteados");
        texto(ajustar(rodape, linha, false, amarelo));
    }

    void comQuadroDeNumeros(const QRectF& corpo) {
        // "100" needs a wider box than two digits to stand half the screen tall.
        const double largura = corpo.width() * (formatoDoPainel(q_.participantes).digitos > 2 ? 0.62 : 0.5);
        numero(QRectF(corpo.left(), corpo.top(), largura, corpo.height() * 0.86));
        const QRectF quadro(corpo.left() + largura + margem_, corpo.top(),
                            corpo.width() - largura - margem_, corpo.height());
        const int n = q_.participantes;
        const int colunas = colunasDaGrade(n, quadro.size());
        const QString modelo(formatoDoPainel(n).digitos, u'0');
        const int linhas = (n + colunas - 1) / colunas;
        const double lado = std::min(quadro.width() / colunas, quadro.height() / linhas);
        std::vector<bool> sorteado(n + 1, false);
        for (int32_t s : q_.ultimos)
            if (s >= 1 && s <= n)
                sorteado[s] = true;
        for (int i = 1; i <= n; ++i) {
            const QRectF celula(quadro.left() + ((i - 1) % colunas) * lado,
                                quadro.top() + ((i - 1) / colunas) * lado, lado, lado);
            const QRectF dentro = celula.adjusted(lado * 0.06, lado * 0.06, -lado * 0.06, -lado * 0.06);
            d_.fundos.push_back({dentro, sorteado[i] ? verde : apagado});
            texto(ajustar(entrada(i, n), dentro.adjusted(lado * 0.14, lado * 0.2, -lado * 0.14, -lado * 0.2),
                          true, sorteado[i] ? preto : cinzaApagado, 0, modelo));
        }
    }

    // The numbers before the last, most recent first, in as many cells of one size as fit.
    void comAnteriores(const QRectF& corpo) {
        numero(QRectF(corpo.left(), corpo.top(), corpo.width(), corpo.height() * 0.66));
        const QRectF faixa(corpo.left(), corpo.top() + corpo.height() * 0.77, corpo.width(),
                           corpo.height() * 0.23);
        d_.fundos.push_back({faixa, painel});
        const int digitos = formatoDoPainel(q_.participantes).digitos;
        const double altura = faixa.height() / 2;
        const double largura = altura * (0.6 * digitos + 0.5);
        const int colunas = std::max(1, int(faixa.width() / largura));
        const int cabem = colunas * 2;
        const int anteriores = int(q_.ultimos.size()) - 1;
        for (int i = 0; i < std::min(cabem, anteriores); ++i) {
            const int32_t n = q_.ultimos[std::size_t(anteriores - 1 - i)];
            const QRectF celula(faixa.left() + (i % colunas) * largura, faixa.top() + (i / colunas) * altura,
                                largura, altura);
            texto(ajustar(entrada(n, q_.participantes), celula.adjusted(altura * 0.15, altura * 0.15, -altura * 0.15, -altura * 0.15),
                          true, verde, 0, QString(digitos, u'0')));
        }
    }

    const Quadro& q_;
    double w_, h_, margem_;
    Diagrama d_;
};

} // namespace

Diagrama diagramar(const Quadro& quadro, const QSizeF& tamanho) {
    return Montagem(quadro, tamanho).montar();
}

} // namespace rodaleque::telao
