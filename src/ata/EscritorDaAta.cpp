#include "EscritorDaAta.h"

#include <widgets/Fontes.h>

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>

#include <memory>
#include <vector>

namespace rodaleque::ata {

namespace {

constexpr double milimetrosPorPolegada = 25.4;
constexpr int resolucao = 300; // dots per inch of the page's coordinates
constexpr int alinhamentoDoTitulo = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

double mm(double milimetros) { return milimetros * resolucao / milimetrosPorPolegada; }

// What goes on a page at a height: a line of a paragraph, or a whole block of another kind.
struct Peca {
    std::size_t bloco;
    int linha; // of the paragraph's layout; -1 for the whole block
    double y;
};

struct Pagina {
    std::vector<Peca> pecas;
};

// A font and its measures on the page.
struct Estilo {
    Estilo(const QFont& f, QPaintDevice* pagina) : fonte(f), metricas(f, pagina) {}
    QFont fonte;
    QFontMetricsF metricas;
};

class Diagramacao {
public:
    Diagramacao(const Composicao& composicao, QPdfWriter& pdf)
        : composicao_(composicao), pdf_(pdf), largura_(pdf.width()),
          alturaUtil_(pdf.height() - mm(12)), texto_(fontes::texto(10), &pdf),
          negrito_(fontes::negrito(10), &pdf), titulo_(fontes::negrito(13), &pdf),
          tabela_(fontes::texto(9), &pdf), tabelaNegrito_(fontes::negrito(9), &pdf),
          rodape_(fontes::texto(8), &pdf) {
        paginar();
    }

    int paginas() const { return int(paginas_.size()); }

    void pintar(QPainter& p, int indice) {
        for (const Peca& peca : paginas_[indice].pecas)
            pintarPeca(p, peca);
        // The footer, in the space kept below the text.
        p.setFont(rodape_.fonte);
        const QRectF rodape(0, pdf_.height() - mm(6), largura_, mm(6));
        p.drawText(rodape, Qt::AlignLeft | Qt::AlignBottom, composicao_.rodape);
        p.drawText(rodape, Qt::AlignRight | Qt::AlignBottom,
                   QStringLiteral("Página %1 de %2").arg(indice + 1).arg(paginas()));
    }

private:
    using Tipo = Bloco::Tipo;

    const Bloco& bloco(std::size_t i) const { return composicao_.blocos[i]; }

    double alturaDaLinha(const Estilo& e) const { return e.metricas.lineSpacing() * 1.15; }

    // Heights of the blocks that are placed whole.
    double altura(const Bloco& b) const {
        switch (b.tipo) {
        case Tipo::Titulo:
            return titulo_.metricas
                       .boundingRect(QRectF(0, 0, largura_, mm(200)), alinhamentoDoTitulo, b.textos.value(0))
                       .height() +
                   mm(1.5);
        case Tipo::Secao: return alturaDaLinha(negrito_) + mm(5);
        case Tipo::CabecalhoDaTabela: return alturaDaLinha(tabelaNegrito_) + mm(1);
        case Tipo::LinhaDaTabela: return alturaDaLinha(tabela_);
        case Tipo::Assinatura: return mm(18) + 2 * alturaDaLinha(texto_);
        case Tipo::Paragrafo:
        case Tipo::Dado: break;
        }
        return 0;
    }

    QTextLayout& layout(std::size_t i) {
        std::unique_ptr<QTextLayout>& l = layouts_[i];
        if (!l) {
            l = std::make_unique<QTextLayout>(bloco(i).textos.value(0), texto_.fonte, &pdf_);
            const bool dado = bloco(i).tipo == Tipo::Dado;
            QTextOption opcao(dado ? Qt::AlignLeft : Qt::AlignJustify);
            opcao.setWrapMode(dado ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WordWrap);
            l->setTextOption(opcao);
            l->beginLayout();
            double y = 0;
            for (QTextLine linha = l->createLine(); linha.isValid(); linha = l->createLine()) {
                linha.setLineWidth(largura_);
                linha.setPosition(QPointF(0, y));
                y += alturaDaLinha(texto_);
            }
            l->endLayout();
        }
        return *l;
    }

    void novaPagina() {
        paginas_.emplace_back();
        y_ = 0;
    }

    void colocar(std::size_t b, int linha, double altura) {
        paginas_.back().pecas.push_back({b, linha, y_});
        y_ += altura;
    }

    bool cabe(double altura) const { return y_ + altura <= alturaUtil_; }

    void paginar() {
        layouts_.resize(composicao_.blocos.size());
        novaPagina();
        std::size_t cabecalho = 0;
        bool naTabela = false;
        for (std::size_t i = 0; i < composicao_.blocos.size(); ++i) {
            const Bloco& b = bloco(i);
            if (i > 0 && bloco(i - 1).tipo == Tipo::Titulo && b.tipo != Tipo::Titulo)
                y_ += mm(4);
            naTabela = (naTabela && b.tipo == Tipo::LinhaDaTabela) || b.tipo == Tipo::CabecalhoDaTabela;
            if (b.tipo == Tipo::CabecalhoDaTabela)
                cabecalho = i;
            if (b.tipo == Tipo::Paragrafo || b.tipo == Tipo::Dado) {
                colocarParagrafo(i);
                continue;
            }
            // A heading stays with what follows it: its height and the next block's first line.
            double necessario = altura(b);
            if (b.tipo == Tipo::Secao || b.tipo == Tipo::CabecalhoDaTabela)
                necessario += alturaDaLinha(texto_) * 1.2;
            if (!cabe(necessario)) {
                novaPagina();
                // A table that goes on to a new page repeats its heading there.
                if (naTabela && b.tipo == Tipo::LinhaDaTabela)
                    colocar(cabecalho, -1, altura(bloco(cabecalho)));
            }
            colocar(i, -1, altura(b));
        }
    }

    void colocarParagrafo(std::size_t i) {
        QTextLayout& l = layout(i);
        const double linha = alturaDaLinha(texto_);
        for (int n = 0; n < l.lineCount(); ++n) {
            if (!cabe(linha))
                novaPagina();
            colocar(i, n, linha);
        }
        y_ += bloco(i).tipo == Tipo::Dado ? mm(0.5) : mm(2.5);
    }

    void pintarPeca(QPainter& p, const Peca& peca) {
        const Bloco& b = bloco(peca.bloco);
        switch (b.tipo) {
        case Tipo::Paragrafo:
        case Tipo::Dado: {
            const QTextLine linha = layout(peca.bloco).lineAt(peca.linha);
            linha.draw(&p, QPointF(0, peca.y - linha.y()));
            break;
        }
        case Tipo::Titulo:
            p.setFont(titulo_.fonte);
            p.drawText(QRectF(0, peca.y, largura_, altura(b)), alinhamentoDoTitulo, b.textos.value(0));
            break;
        case Tipo::Secao:
            p.setFont(negrito_.fonte);
            p.drawText(QPointF(0, peca.y + mm(4) + negrito_.metricas.ascent()), b.textos.value(0));
            break;
        case Tipo::CabecalhoDaTabela:
            pintarColunas(p, b, peca.y, tabelaNegrito_);
            p.drawLine(QPointF(0, peca.y + altura(b) - mm(0.5)),
                       QPointF(largura_, peca.y + altura(b) - mm(0.5)));
            break;
        case Tipo::LinhaDaTabela:
            pintarColunas(p, b, peca.y, tabela_);
            break;
        case Tipo::Assinatura:
            pintarAssinatura(p, b, peca.y);
            break;
        }
    }

    // Position right-aligned, then time, the number with its words, and the code at the right.
    void pintarColunas(QPainter& p, const Bloco& b, double y, const Estilo& e) {
        p.setFont(e.fonte);
        const QFontMetricsF& m = e.metricas;
        const double base = y + m.ascent();
        const QString ordem = b.textos.value(0);
        p.drawText(QPointF(mm(12) - m.horizontalAdvance(ordem), base), ordem);
        p.drawText(QPointF(mm(16), base), b.textos.value(1));
        p.drawText(QPointF(mm(36), base), b.textos.value(2));
        const QString codigo = b.textos.value(3);
        p.drawText(QPointF(largura_ - m.horizontalAdvance(codigo), base), codigo);
    }

    void pintarAssinatura(QPainter& p, const Bloco& b, double y) {
        const double meio = largura_ / 2;
        const double linhaY = y + mm(16);
        p.drawLine(QPointF(meio - mm(45), linhaY), QPointF(meio + mm(45), linhaY));
        p.setFont(texto_.fonte);
        const double h = alturaDaLinha(texto_);
        p.drawText(QRectF(0, linhaY + mm(1), largura_, h), Qt::AlignHCenter | Qt::AlignTop,
                   b.textos.value(0));
        p.drawText(QRectF(0, linhaY + mm(1) + h, largura_, h), Qt::AlignHCenter | Qt::AlignTop,
                   b.textos.value(1));
    }

    const Composicao& composicao_;
    QPdfWriter& pdf_;
    double largura_;
    double alturaUtil_;
    Estilo texto_, negrito_, titulo_, tabela_, tabelaNegrito_, rodape_;
    std::vector<std::unique_ptr<QTextLayout>> layouts_;
    std::vector<Pagina> paginas_;
    double y_ = 0;
};

} // namespace

ResultadoDaEscrita escreverPdf(const Composicao& composicao, const QString& caminho,
                               const Progresso& progresso) {
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return ResultadoDaEscrita::Falhou;
    QPdfWriter pdf(&arquivo);
    pdf.setResolution(resolucao);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter));
    pdf.setTitle(QStringLiteral("Ata do sorteio público eletrônico"));
    pdf.setCreator(QStringLiteral("Rodaleque"));

    Diagramacao diagramacao(composicao, pdf);
    QPainter p;
    if (!p.begin(&pdf))
        return ResultadoDaEscrita::Falhou;
    for (int i = 0; i < diagramacao.paginas(); ++i) {
        if (progresso && !progresso(i, diagramacao.paginas())) {
            p.end();
            return ResultadoDaEscrita::Cancelado; // the unsaved file goes with `arquivo`
        }
        if (i > 0)
            pdf.newPage();
        diagramacao.pintar(p, i);
    }
    if (!p.end() || !arquivo.commit())
        return ResultadoDaEscrita::Falhou;
    return ResultadoDaEscrita::Gravado;
}

} // namespace rodaleque::ata
