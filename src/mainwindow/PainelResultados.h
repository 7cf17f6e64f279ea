#pragma once

#include "engine/Controles.h"

#include <QAbstractScrollArea>
#include <QRect>
#include <QString>
#include <QStringList>

namespace rodaleque::janela {

// The results panel: a multi-column list box. Entries run down a column, then on into the
// next one; the panel scrolls sideways a whole column at a time. Only the cells in view are
// laid out and painted, so an insert costs the same with five entries or 99999.
class PainelResultados : public QAbstractScrollArea, public rodaleque::ListaDeResultados {
    Q_OBJECT

public:
    explicit PainelResultados(QWidget* pai = nullptr);

    int listCount() const override;
    [[nodiscard]] bool setListIndex(int indice) override;
    int listIndex() const override;
    QString selectedText() const override;
    void addItem(const QString& texto) override;
    void clear() override;
    // Values below 1 are ignored.
    void setColumns(int colunas) override;
    // Also QWidget::setVisible: one override serves both.
    void setVisible(bool visivel) override;

    QString itemText(int indice) const;
    int columns() const;

    // Grid geometry, in viewport coordinates.
    int alturaDaLinha() const { return alturaLinha_; }
    int larguraDaColuna() const;
    int linhasPorColuna() const { return linhas_; }
    int primeiraColunaVisivel() const;
    // Where entry `indice` sits given the current scroll; outside the viewport when the
    // entry is out of view. Null for an index with no entry.
    QRect retanguloDaEntrada(int indice) const;
    // The entry under a viewport point, or -1 for none.
    int entradaEm(const QPoint& ponto) const;

    // Cells drawn by the last paint: a check that painting stays within what is on screen.
    int celulasPintadas() const { return celulasPintadas_; }

Q_SIGNALS:
    void selecaoMudou(int indice);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int totalDeColunas() const;
    void recalcularMetricas();
    // Recomputes rows per column for the viewport's height, keeping the first entry in view
    // (and the selection, if it was in view) where the user left them.
    void recalcularGrade();
    void atualizarBarra();
    void garantirVisivel(int indice);
    bool estaVisivel(int indice) const;
    void selecionar(int indice);
    void redesenharEntrada(int indice);

    QStringList itens_;
    int indice_ = -1;
    int colunas_ = 1;
    int alturaLinha_ = 1;
    int linhas_ = 1;
    int acumuladoRoda_ = 0;
    int celulasPintadas_ = 0;
    // Entries added while hidden have not yet reached the scroll bar's range.
    bool barraPendente_ = false;
};

} // namespace rodaleque::janela
