#include "mainwindow/PainelResultados.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace rodaleque::janela {

namespace {

// Space between rows, so that tall glyphs of neighbouring rows never touch.
constexpr int margemDaLinha = 2;
constexpr int recuoDoTexto = 4;
// One notch of an ordinary mouse wheel.
constexpr int passoDaRoda = 120;

} // namespace

PainelResultados::PainelResultados(QWidget* pai) : QAbstractScrollArea(pai) {
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->setSingleStep(1);
    // paintEvent fills every pixel it is asked for; a fill by Qt first would be wasted.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    recalcularMetricas();
}

int PainelResultados::listCount() const {
    return static_cast<int>(itens_.size());
}

bool PainelResultados::setListIndex(int indice) {
    if (indice < -1 || indice >= listCount())
        return false;
    if (indice != indice_)
        selecionar(indice);
    else if (indice >= 0)
        garantirVisivel(indice);
    return true;
}

int PainelResultados::listIndex() const {
    return indice_;
}

QString PainelResultados::selectedText() const {
    return itemText(indice_);
}

void PainelResultados::addItem(const QString& texto) {
    itens_.append(texto);
    const int ultimo = listCount() - 1;
    // Only an entry that opens a new column changes how far the panel can scroll. While
    // hidden the bar waits for the show: its updates were most of the cost of a long fill.
    if (ultimo % linhas_ == 0) {
        if (isVisible())
            atualizarBarra();
        else
            barraPendente_ = true;
    }
    redesenharEntrada(ultimo);
}

void PainelResultados::clear() {
    itens_.clear();
    indice_ = -1;
    // An empty panel has no range, so the bar goes back to the start by itself.
    atualizarBarra();
    viewport()->update();
}

void PainelResultados::setColumns(int colunas) {
    if (colunas < 1 || colunas == colunas_)
        return;
    const bool selecaoVisivel = indice_ >= 0 && estaVisivel(indice_);
    colunas_ = colunas;
    atualizarBarra();
    if (selecaoVisivel)
        garantirVisivel(indice_);
    viewport()->update();
}

void PainelResultados::setVisible(bool visivel) {
    QAbstractScrollArea::setVisible(visivel);
}

QString PainelResultados::itemText(int indice) const {
    if (indice < 0 || indice >= listCount())
        return QString();
    return itens_.at(indice);
}

int PainelResultados::columns() const {
    return colunas_;
}

int PainelResultados::larguraDaColuna() const {
    return std::max(1, viewport()->width() / colunas_);
}

int PainelResultados::primeiraColunaVisivel() const {
    return horizontalScrollBar()->value();
}

QRect PainelResultados::retanguloDaEntrada(int indice) const {
    if (indice < 0 || indice >= listCount())
        return QRect();
    const int largura = larguraDaColuna();
    const int coluna = indice / linhas_ - primeiraColunaVisivel();
    const int linha = indice % linhas_;
    return QRect(coluna * largura, linha * alturaLinha_, largura, alturaLinha_);
}

int PainelResultados::entradaEm(const QPoint& ponto) const {
    if (!viewport()->rect().contains(ponto))
        return -1;
    const int coluna = ponto.x() / larguraDaColuna();
    const int linha = ponto.y() / alturaLinha_;
    // The strip right of the last whole column and the space under the last whole row
    // belong to no entry.
    if (coluna >= colunas_ || linha >= linhas_)
        return -1;
    const qint64 indice = qint64(primeiraColunaVisivel() + coluna) * linhas_ + linha;
    return indice < listCount() ? static_cast<int>(indice) : -1;
}

void PainelResultados::paintEvent(QPaintEvent* evento) {
    QPainter pintor(viewport());
    const QPalette::ColorGroup grupo = !isEnabled() ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    const QPalette& cores = palette();
    const QRect area = evento->rect();
    pintor.fillRect(area, cores.brush(grupo, QPalette::Base));

    celulasPintadas_ = 0;
    const int largura = larguraDaColuna();
    const int primeiraColuna = std::max(0, area.left() / largura);
    const int ultimaColuna = std::min(colunas_ - 1, area.right() / largura);
    const int primeiraLinha = std::max(0, area.top() / alturaLinha_);
    const int ultimaLinha = std::min(linhas_ - 1, area.bottom() / alturaLinha_);
    const qint64 total = listCount();
    const int rolagem = primeiraColunaVisivel();

    pintor.setFont(font());
    const QColor corDoTexto = cores.color(grupo, QPalette::Text);
    const QColor corDoTextoSelecionado = cores.color(grupo, QPalette::HighlightedText);
    const int alinhamento = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

    for (int coluna = primeiraColuna; coluna <= ultimaColuna; ++coluna) {
        const qint64 topoDaColuna = qint64(rolagem + coluna) * linhas_;
        if (topoDaColuna + primeiraLinha >= total)
            break;
        for (int linha = primeiraLinha; linha <= ultimaLinha; ++linha) {
            const qint64 indice = topoDaColuna + linha;
            if (indice >= total)
                break;
            const QRect celula(coluna * largura, linha * alturaLinha_, largura, alturaLinha_);
            if (indice == indice_) {
                pintor.fillRect(celula, cores.brush(grupo, QPalette::Highlight));
                pintor.setPen(corDoTextoSelecionado);
            } else {
                pintor.setPen(corDoTexto);
            }
            pintor.drawText(celula.adjusted(recuoDoTexto, 0, 0, 0), alinhamento,
                            itens_.at(static_cast<qsizetype>(indice)));
            ++celulasPintadas_;
        }
    }
}

void PainelResultados::resizeEvent(QResizeEvent* evento) {
    QAbstractScrollArea::resizeEvent(evento);
    recalcularGrade();
}

void PainelResultados::showEvent(QShowEvent* evento) {
    QAbstractScrollArea::showEvent(evento);
    if (barraPendente_)
        atualizarBarra();
}

void PainelResultados::changeEvent(QEvent* evento) {
    QAbstractScrollArea::changeEvent(evento);
    if (evento->type() == QEvent::FontChange)
        recalcularMetricas();
}

void PainelResultados::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(evento);
        return;
    }
    const int indice = entradaEm(evento->position().toPoint());
    if (indice >= 0 && indice != indice_)
        selecionar(indice);
    evento->accept();
}

void PainelResultados::mouseReleaseEvent(QMouseEvent* evento) {
    // The press already selected; the release of that click is the panel's too.
    if (evento->button() == Qt::LeftButton)
        evento->accept();
    else
        QAbstractScrollArea::mouseReleaseEvent(evento);
}

void PainelResultados::keyPressEvent(QKeyEvent* evento) {
    const int total = listCount();
    if (total == 0 || evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QAbstractScrollArea::keyPressEvent(evento);
        return;
    }
    const int tela = linhas_ * colunas_;
    int alvo = 0;
    switch (evento->key()) {
    case Qt::Key_Up: alvo = indice_ - 1; break;
    case Qt::Key_Down: alvo = indice_ + 1; break;
    case Qt::Key_Left: alvo = indice_ - linhas_; break;
    case Qt::Key_Right: alvo = indice_ + linhas_; break;
    case Qt::Key_PageUp: alvo = indice_ - tela; break;
    case Qt::Key_PageDown: alvo = indice_ + tela; break;
    case Qt::Key_Home: alvo = 0; break;
    case Qt::Key_End: alvo = total - 1; break;
    default:
        QAbstractScrollArea::keyPressEvent(evento);
        return;
    }
    // With nothing selected, any move lands on the first entry (End on the last).
    if (indice_ < 0)
        alvo = evento->key() == Qt::Key_End ? total - 1 : 0;
    alvo = std::clamp(alvo, 0, total - 1);
    if (alvo != indice_)
        selecionar(alvo);
    else
        garantirVisivel(alvo);
    evento->accept();
}

void PainelResultados::wheelEvent(QWheelEvent* evento) {
    // The panel only scrolls sideways, so an ordinary vertical wheel moves it too.
    const QPoint giro = evento->angleDelta();
    acumuladoRoda_ += giro.y() != 0 ? giro.y() : giro.x();
    const int passos = acumuladoRoda_ / passoDaRoda;
    acumuladoRoda_ -= passos * passoDaRoda;
    if (passos != 0) {
        QScrollBar* barra = horizontalScrollBar();
        barra->setValue(barra->value() - passos);
    }
    evento->accept();
}

void PainelResultados::scrollContentsBy(int, int) {
    viewport()->update();
}

int PainelResultados::totalDeColunas() const {
    return (listCount() + linhas_ - 1) / linhas_;
}

void PainelResultados::recalcularMetricas() {
    alturaLinha_ = std::max(1, QFontMetrics(font()).height() + margemDaLinha);
    recalcularGrade();
}

void PainelResultados::recalcularGrade() {
    const int linhas = std::max(1, viewport()->height() / alturaLinha_);
    if (linhas == linhas_)
        return;
    const qint64 primeiraEntrada = qint64(primeiraColunaVisivel()) * linhas_;
    const bool selecaoVisivel = indice_ >= 0 && estaVisivel(indice_);
    linhas_ = linhas;
    atualizarBarra();
    horizontalScrollBar()->setValue(static_cast<int>(primeiraEntrada / linhas_));
    if (selecaoVisivel)
        garantirVisivel(indice_);
    viewport()->update();
}

void PainelResultados::atualizarBarra() {
    barraPendente_ = false;
    QScrollBar* barra = horizontalScrollBar();
    barra->setRange(0, std::max(0, totalDeColunas() - colunas_));
    barra->setPageStep(colunas_);
}

bool PainelResultados::estaVisivel(int indice) const {
    const int coluna = indice / linhas_;
    const int primeira = primeiraColunaVisivel();
    return coluna >= primeira && coluna < primeira + colunas_;
}

void PainelResultados::garantirVisivel(int indice) {
    if (barraPendente_)
        atualizarBarra();
    const int coluna = indice / linhas_;
    const int primeira = primeiraColunaVisivel();
    if (coluna < primeira)
        horizontalScrollBar()->setValue(coluna);
    else if (coluna >= primeira + colunas_)
        horizontalScrollBar()->setValue(coluna - colunas_ + 1);
}

void PainelResultados::selecionar(int indice) {
    const int anterior = indice_;
    indice_ = indice;
    redesenharEntrada(anterior);
    // Also while hidden: a later resize keeps an entry that was in view in view.
    if (indice >= 0)
        garantirVisivel(indice);
    redesenharEntrada(indice);
    Q_EMIT selecaoMudou(indice);
}

void PainelResultados::redesenharEntrada(int indice) {
    if (indice < 0 || !isVisible())
        return;
    const QRect celula = retanguloDaEntrada(indice);
    if (celula.intersects(viewport()->rect()))
        viewport()->update(celula);
}

} // namespace rodaleque::janela
