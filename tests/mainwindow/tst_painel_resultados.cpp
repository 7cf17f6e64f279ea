#include "mainwindow/PainelResultados.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPointer>
#include <QRegion>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using rodaleque::janela::PainelResultados;

namespace {

QString entrada(int k) {
    return QStringLiteral("%1").arg(k + 1, 5, 10, QLatin1Char('0'));
}

QFont fonteDaJanela() {
    QFont fonte(QStringLiteral("Liberation Sans"), 24);
    fonte.setBold(true);
    return fonte;
}

void assentar() {
    // The scroll bar shows or hides through a queued call, and the viewport's new size
    // follows it; two rounds let both land.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

std::unique_ptr<PainelResultados> novoPainel(const QSize& tamanho, int colunas, int entradas) {
    auto painel = std::make_unique<PainelResultados>();
    painel->setFont(fonteDaJanela());
    painel->setColumns(colunas);
    painel->resize(tamanho);
    for (int k = 0; k < entradas; ++k)
        painel->addItem(entrada(k));
    painel->show();
    if (!QTest::qWaitForWindowExposed(painel.get()))
        qWarning("painel não exposto");
    assentar();
    return painel;
}

QPoint centroDaCelula(const PainelResultados& painel, int coluna, int linha) {
    const int largura = painel.larguraDaColuna();
    const int altura = painel.alturaDaLinha();
    return QPoint(coluna * largura + largura / 2, linha * altura + altura / 2);
}

// Counts the paints the viewport receives and the region they covered.
class ContadorDePinturas : public QObject {
public:
    explicit ContadorDePinturas(QWidget* alvo) { alvo->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) {
            ++pinturas;
            regiao += static_cast<QPaintEvent*>(evento)->region();
        }
        return false;
    }
    int pinturas = 0;
    QRegion regiao;
};

} // namespace

class tst_PainelResultados : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colocacaoPorColunas_data();
    void colocacaoPorColunas();
    void linhasAcompanhamFonteEAltura();
    void larguraDasColunas_data();
    void larguraDasColunas();
    void barraDeRolagem();
    void selecaoPeloPrograma();
    void selecaoForaDaTelaRola();
    void clearRecomeca();
    void cliqueSeleciona();
    void teclado();
    void muitasEntradas();
    void ocultoNaoPinta();
    void acrescimoPintaSoACelulaNova();
    void renderizacao();
};

void tst_PainelResultados::colocacaoPorColunas_data() {
    QTest::addColumn<QSize>("tamanho");
    QTest::addColumn<int>("colunas");

    QTest::newRow("janela 703x189, 6 colunas") << QSize(703, 189) << 6;
    QTest::newRow("alto, 3 colunas") << QSize(400, 320) << 3;
    QTest::newRow("uma coluna") << QSize(200, 120) << 1;
    QTest::newRow("mais baixo que uma linha") << QSize(300, 30) << 2;
}

void tst_PainelResultados::colocacaoPorColunas() {
    QFETCH(QSize, tamanho);
    QFETCH(int, colunas);
    auto painel = novoPainel(tamanho, colunas, 0);
    // Enough entries for three screens, so the scroll bar is up and the viewport final.
    const int alturaInicial = painel->viewport()->height();
    for (int k = 0; k < 3 * colunas * (alturaInicial / painel->alturaDaLinha() + 1); ++k)
        painel->addItem(entrada(k));
    assentar();

    const int linhas = painel->linhasPorColuna();
    const int alturaUtil = painel->viewport()->height();
    QVERIFY(linhas >= 1);
    // Whole rows only: the last one fits, one more would not (unless even one does not).
    if (alturaUtil >= painel->alturaDaLinha()) {
        QVERIFY(linhas * painel->alturaDaLinha() <= alturaUtil);
        QVERIFY((linhas + 1) * painel->alturaDaLinha() > alturaUtil);
    } else {
        QCOMPARE(linhas, 1);
    }

    for (int coluna = 0; coluna < colunas; ++coluna) {
        for (int linha = 0; linha < linhas; ++linha) {
            const int k = coluna * linhas + linha;
            const QPoint centro = centroDaCelula(*painel, coluna, linha);
            if (centro.y() < alturaUtil)
                QCOMPARE(painel->entradaEm(centro), k);
            const QRect celula = painel->retanguloDaEntrada(k);
            QCOMPARE(celula.center().x() / painel->larguraDaColuna(), coluna);
            QCOMPARE(celula.top(), linha * painel->alturaDaLinha());
            QCOMPARE(celula.height(), painel->alturaDaLinha());
        }
    }
    // Points that hold no entry.
    QCOMPARE(painel->entradaEm(QPoint(-1, 0)), -1);
    QCOMPARE(painel->entradaEm(QPoint(0, painel->viewport()->height())), -1);
}

void tst_PainelResultados::linhasAcompanhamFonteEAltura() {
    auto painel = novoPainel(QSize(500, 300), 4, 200);
    const int linhas = painel->linhasPorColuna();
    QVERIFY(painel->alturaDaLinha() >= QFontMetrics(painel->font()).height());

    QFont grande = painel->font();
    grande.setPointSize(grande.pointSize() * 2);
    painel->setFont(grande);
    assentar();
    QVERIFY(painel->alturaDaLinha() >= QFontMetrics(grande).height());
    QVERIFY(painel->linhasPorColuna() < linhas);

    painel->setFont(fonteDaJanela());
    QVERIFY(painel->setListIndex(150));
    painel->resize(500, 600);
    assentar();
    QVERIFY(painel->linhasPorColuna() > linhas);
    // The selection was on screen before the resize and still is.
    QVERIFY(painel->viewport()->rect().contains(painel->retanguloDaEntrada(150)));
    QCOMPARE(painel->entradaEm(painel->retanguloDaEntrada(150).center()), 150);

    // Shorter: fewer rows push the selection right, and the panel follows it.
    painel->horizontalScrollBar()->setValue(0);
    const int naBorda = painel->entradaEm(centroDaCelula(*painel, 3, 0));
    QVERIFY(painel->setListIndex(naBorda));
    painel->resize(500, 200);
    assentar();
    QVERIFY(painel->viewport()->rect().contains(painel->retanguloDaEntrada(naBorda)));

    // With nothing selected, the entry at the top left stays on screen instead.
    QVERIFY(painel->setListIndex(-1));
    painel->horizontalScrollBar()->setValue(10);
    const int noCanto = painel->entradaEm(QPoint(0, 0));
    QVERIFY(noCanto > 0);
    painel->resize(500, 400);
    assentar();
    QVERIFY(painel->viewport()->rect().contains(painel->retanguloDaEntrada(noCanto)));
}

void tst_PainelResultados::larguraDasColunas_data() {
    QTest::addColumn<int>("colunas");
    for (int c : {1, 2, 3, 6, 8})
        QTest::newRow(qPrintable(QString::number(c))) << c;
}

void tst_PainelResultados::larguraDasColunas() {
    QFETCH(int, colunas);
    auto painel = novoPainel(QSize(703, 189), 1, 500);
    painel->setColumns(colunas);
    QCOMPARE(painel->columns(), colunas);
    const int largura = painel->viewport()->width() / colunas;
    QCOMPARE(painel->larguraDaColuna(), largura);
    // The second column starts exactly one column width in.
    if (colunas > 1) {
        QCOMPARE(painel->entradaEm(QPoint(largura, 0)), painel->linhasPorColuna());
        QCOMPARE(painel->entradaEm(QPoint(largura - 1, 0)), 0);
    }

    painel->setColumns(0);
    painel->setColumns(-3);
    QCOMPARE(painel->columns(), colunas);
    QCOMPARE(painel->larguraDaColuna(), largura);
}

void tst_PainelResultados::barraDeRolagem() {
    auto painel = novoPainel(QSize(703, 189), 6, 0);
    QScrollBar* barra = painel->horizontalScrollBar();
    QCOMPARE(barra->maximum(), 0);

    for (int k = 0; k < 1000; ++k)
        painel->addItem(entrada(k));
    assentar();
    QVERIFY(barra->isVisible());
    const int linhas = painel->linhasPorColuna();
    const int colunasComEntradas = (1000 + linhas - 1) / linhas;
    QCOMPARE(barra->maximum(), colunasComEntradas - 6);
    QCOMPARE(barra->pageStep(), 6);

    // One step is one whole column.
    barra->setValue(barra->value() + barra->singleStep());
    QCOMPARE(painel->primeiraColunaVisivel(), 1);
    QCOMPARE(painel->entradaEm(QPoint(0, 0)), linhas);

    // The wheel scrolls sideways: a notch down is a column on; half notches add up.
    auto girar = [&](int angulo) {
        const QPointF centro = painel->viewport()->rect().center();
        QWheelEvent roda(centro, painel->viewport()->mapToGlobal(centro), QPoint(),
                         QPoint(0, angulo), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                         false);
        QApplication::sendEvent(painel->viewport(), &roda);
    };
    girar(-120);
    QCOMPARE(painel->primeiraColunaVisivel(), 2);
    girar(60);
    QCOMPARE(painel->primeiraColunaVisivel(), 2);
    girar(60);
    QCOMPARE(painel->primeiraColunaVisivel(), 1);

    // At the far end the last entry is in the last visible column.
    barra->setValue(barra->maximum());
    const QRect ultima = painel->retanguloDaEntrada(999);
    QVERIFY(painel->viewport()->rect().contains(ultima));
    QCOMPARE(ultima.center().x() / painel->larguraDaColuna(), 5);

    // Fewer columns on screen leave more to scroll.
    painel->setColumns(3);
    QCOMPARE(barra->maximum(), colunasComEntradas - 3);
}

void tst_PainelResultados::selecaoPeloPrograma() {
    auto painel = novoPainel(QSize(703, 189), 6, 10);
    QSignalSpy sinal(painel.get(), &PainelResultados::selecaoMudou);

    QCOMPARE(painel->listIndex(), -1);
    QCOMPARE(painel->selectedText(), QString());

    QVERIFY(painel->setListIndex(3));
    QCOMPARE(painel->listIndex(), 3);
    QCOMPARE(painel->selectedText(), QStringLiteral("00004"));
    QCOMPARE(sinal.count(), 1);
    QCOMPARE(sinal.takeFirst().at(0).toInt(), 3);

    // The same index again changes nothing and says nothing.
    QVERIFY(painel->setListIndex(3));
    QCOMPARE(sinal.count(), 0);

    // Past the entries, or below -1: refused, and the selection stays.
    for (int invalido : {10, 11, -2, 99999}) {
        QVERIFY(!painel->setListIndex(invalido));
        QCOMPARE(painel->listIndex(), 3);
        QCOMPARE(painel->selectedText(), QStringLiteral("00004"));
    }
    QCOMPARE(sinal.count(), 0);

    QVERIFY(painel->setListIndex(9));
    QVERIFY(painel->setListIndex(-1));
    QCOMPARE(painel->listIndex(), -1);
    QCOMPARE(painel->selectedText(), QString());
    QCOMPARE(sinal.count(), 2);
    QCOMPARE(sinal.at(0).at(0).toInt(), 9);
    QCOMPARE(sinal.at(1).at(0).toInt(), -1);

    QCOMPARE(painel->itemText(0), QStringLiteral("00001"));
    QCOMPARE(painel->itemText(9), QStringLiteral("00010"));
    QCOMPARE(painel->itemText(10), QString());
    QCOMPARE(painel->itemText(-1), QString());
}

void tst_PainelResultados::selecaoForaDaTelaRola() {
    auto painel = novoPainel(QSize(703, 189), 6, 1000);
    QScrollBar* barra = painel->horizontalScrollBar();
    const QRect tela = painel->viewport()->rect();
    const int linhas = painel->linhasPorColuna();

    QVERIFY(painel->setListIndex(999));
    QCOMPARE(barra->value(), barra->maximum());
    QVERIFY(tela.contains(painel->retanguloDaEntrada(999)));

    // Back to the start: the first column comes into view.
    QVERIFY(painel->setListIndex(0));
    QCOMPARE(barra->value(), 0);

    // Just past the right edge: one column of scroll, no more.
    QVERIFY(painel->setListIndex(6 * linhas));
    QCOMPARE(barra->value(), 1);
    QVERIFY(tela.contains(painel->retanguloDaEntrada(6 * linhas)));

    // Already in view: no scroll.
    QVERIFY(painel->setListIndex(2 * linhas));
    QCOMPARE(barra->value(), 1);

    // The user scrolls away; selecting the same entry again brings it back.
    barra->setValue(barra->maximum());
    QVERIFY(painel->setListIndex(2 * linhas));
    QVERIFY(tela.contains(painel->retanguloDaEntrada(2 * linhas)));
}

void tst_PainelResultados::clearRecomeca() {
    auto painel = novoPainel(QSize(703, 189), 6, 1000);
    QVERIFY(painel->setListIndex(900));
    QVERIFY(painel->horizontalScrollBar()->value() > 0);
    QSignalSpy sinal(painel.get(), &PainelResultados::selecaoMudou);

    painel->clear();
    QCOMPARE(painel->listCount(), 0);
    QCOMPARE(painel->listIndex(), -1);
    QCOMPARE(painel->selectedText(), QString());
    QCOMPARE(painel->horizontalScrollBar()->value(), 0);
    QCOMPARE(painel->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(sinal.count(), 0);
    QVERIFY(!painel->setListIndex(0));

    // A new series fills from the first cell again.
    painel->addItem(QStringLiteral("00042"));
    assentar();
    QCOMPARE(painel->entradaEm(centroDaCelula(*painel, 0, 0)), 0);
    QVERIFY(painel->setListIndex(0));
    QCOMPARE(painel->selectedText(), QStringLiteral("00042"));
}

void tst_PainelResultados::cliqueSeleciona() {
    auto painel = novoPainel(QSize(703, 189), 6, 13);
    QSignalSpy sinal(painel.get(), &PainelResultados::selecaoMudou);
    QWidget* vista = painel->viewport();
    const int linhas = painel->linhasPorColuna();

    const int alvo = linhas + 1;
    QTest::mouseClick(vista, Qt::LeftButton, {}, painel->retanguloDaEntrada(alvo).center());
    QCOMPARE(painel->listIndex(), alvo);
    QCOMPARE(sinal.count(), 1);
    QCOMPARE(sinal.at(0).at(0).toInt(), alvo);
    QVERIFY(painel->hasFocus());

    // Clicking the selected entry again is no change.
    QTest::mouseClick(vista, Qt::LeftButton, {}, painel->retanguloDaEntrada(alvo).center());
    QCOMPARE(sinal.count(), 1);

    // The right button does not select; it is left to the window (a context menu).
    QTest::ignoreMessage(QtWarningMsg,
                         "Mouse event \"MousePress\" not accepted by receiving widget");
    QTest::ignoreMessage(QtWarningMsg,
                         "Mouse event \"MouseRelease\" not accepted by receiving widget");
    QTest::mouseClick(vista, Qt::RightButton, {}, painel->retanguloDaEntrada(0).center());
    QCOMPARE(painel->listIndex(), alvo);

    // Empty cells past the last entry select nothing and keep the selection.
    QTest::mouseClick(vista, Qt::LeftButton, {}, centroDaCelula(*painel, 5, linhas - 1));
    QCOMPARE(painel->listIndex(), alvo);
    QCOMPARE(sinal.count(), 1);

    QTest::mouseClick(vista, Qt::LeftButton, {}, painel->retanguloDaEntrada(12).center());
    QCOMPARE(painel->listIndex(), 12);
    QCOMPARE(sinal.count(), 2);
}

void tst_PainelResultados::teclado() {
    auto painel = novoPainel(QSize(703, 189), 3, 100);
    painel->setFocus();
    QSignalSpy sinal(painel.get(), &PainelResultados::selecaoMudou);
    const int linhas = painel->linhasPorColuna();
    const int tela = linhas * 3;
    QVERIFY(linhas >= 2);

    struct Passo {
        Qt::Key tecla;
        int esperado;
    };
    const Passo passos[] = {
        {Qt::Key_Down, 0}, // nothing selected: the first entry
        {Qt::Key_Up, 0},   // clamped at the start
        {Qt::Key_Down, 1},
        {Qt::Key_Right, 1 + linhas},
        {Qt::Key_Right, 1 + 2 * linhas},
        {Qt::Key_Left, 1 + linhas},
        {Qt::Key_Left, 1},
        {Qt::Key_Left, 0}, // less than a column to go: clamped
        {Qt::Key_PageDown, tela},
        {Qt::Key_PageUp, 0},
        {Qt::Key_End, 99},
        {Qt::Key_Down, 99}, // clamped at the end
        {Qt::Key_Right, 99},
        {Qt::Key_PageDown, 99},
        {Qt::Key_Up, 98},
        {Qt::Key_Home, 0},
    };
    int mudancas = 0;
    int anterior = -1;
    for (const Passo& passo : passos) {
        QTest::keyClick(painel.get(), passo.tecla);
        QCOMPARE(painel->listIndex(), passo.esperado);
        if (passo.esperado != anterior)
            ++mudancas;
        anterior = passo.esperado;
        QCOMPARE(sinal.count(), mudancas);
        QCOMPARE(sinal.last().at(0).toInt(), painel->listIndex());
        // Every move keeps the selection on screen.
        QVERIFY(painel->viewport()->rect().contains(
            painel->retanguloDaEntrada(painel->listIndex())));
    }

    painel->clear();
    QTest::keyClick(painel.get(), Qt::Key_Down);
    QCOMPARE(painel->listIndex(), -1);

    painel->addItem(entrada(0));
    painel->addItem(entrada(1));
    QTest::keyClick(painel.get(), Qt::Key_End);
    QCOMPARE(painel->listIndex(), 1);
}

void tst_PainelResultados::muitasEntradas() {
    auto painel = novoPainel(QSize(703, 189), 6, 0);
    for (int k = 0; k < 99999; ++k)
        painel->addItem(entrada(k));
    assentar();
    QCOMPARE(painel->listCount(), 99999);
    QCOMPARE(painel->itemText(0), QStringLiteral("00001"));
    QCOMPARE(painel->itemText(49999), QStringLiteral("50000"));
    QCOMPARE(painel->itemText(99998), QStringLiteral("99999"));

    const int linhas = painel->linhasPorColuna();
    const int naTela = linhas * 6;

    // A paint of the whole viewport draws the cells on screen and nothing else.
    painel->viewport()->repaint();
    QCOMPARE(painel->celulasPintadas(), naTela);

    QVERIFY(painel->setListIndex(99998));
    QCOMPARE(painel->selectedText(), QStringLiteral("99999"));
    QScrollBar* barra = painel->horizontalScrollBar();
    QCOMPARE(barra->value(), barra->maximum());
    painel->viewport()->repaint();
    const int naUltimaTela = 99999 - painel->primeiraColunaVisivel() * linhas;
    QVERIFY(naUltimaTela <= naTela);
    QCOMPARE(painel->celulasPintadas(), naUltimaTela);
    QCOMPARE(painel->entradaEm(painel->retanguloDaEntrada(99998).center()), 99998);

    QVERIFY(painel->setListIndex(50000));
    painel->viewport()->repaint();
    QCOMPARE(painel->celulasPintadas(), naTela);
    QVERIFY(!painel->setListIndex(99999));
    QCOMPARE(painel->listIndex(), 50000);
}

void tst_PainelResultados::ocultoNaoPinta() {
    auto painel = novoPainel(QSize(703, 189), 6, 100);
    QScrollBar* barra = painel->horizontalScrollBar();
    ContadorDePinturas contador(painel->viewport());
    auto mostrar = [&] {
        painel->setVisible(true);
        QVERIFY(QTest::qWaitForWindowExposed(painel.get()));
        assentar();
    };

    // Filled while hidden, shown at the same size: the bar reaches the new entries.
    painel->setVisible(false);
    QVERIFY(!painel->isVisible());
    for (int k = 100; k < 1000; ++k)
        painel->addItem(entrada(k));
    assentar();
    QCOMPARE(contador.pinturas, 0);
    mostrar();
    QVERIFY(contador.pinturas > 0);
    barra->setValue(barra->maximum());
    QVERIFY(painel->viewport()->rect().contains(painel->retanguloDaEntrada(999)));

    // Selected and resized while hidden.
    contador.pinturas = 0;
    painel->setVisible(false);
    QSignalSpy sinal(painel.get(), &PainelResultados::selecaoMudou);
    for (int k = 1000; k < 2000; ++k)
        painel->addItem(entrada(k));
    QVERIFY(painel->setListIndex(1999));
    for (int k = 2000; k < 3000; ++k)
        painel->addItem(entrada(k));
    // More rows per column, so entry 1999 moves to another column.
    painel->resize(703, 400);
    assentar();
    QCOMPARE(contador.pinturas, 0);
    QCOMPARE(sinal.count(), 1);
    QCOMPARE(painel->listCount(), 3000);

    mostrar();
    QVERIFY(contador.pinturas > 0);
    QVERIFY(painel->viewport()->rect().contains(painel->retanguloDaEntrada(1999)));
    barra->setValue(barra->maximum());
    QVERIFY(painel->viewport()->rect().contains(painel->retanguloDaEntrada(2999)));
    QCOMPARE(painel->entradaEm(painel->retanguloDaEntrada(2999).center()), 2999);
}

void tst_PainelResultados::acrescimoPintaSoACelulaNova() {
    auto painel = novoPainel(QSize(703, 189), 6, 0);
    // Over two screens: the bar is up and the viewport has its final height.
    for (int k = 0; k < 100; ++k)
        painel->addItem(entrada(k));
    assentar();
    QVERIFY(painel->horizontalScrollBar()->isVisible());
    // The next entry must land in the last column on screen, not open a new one.
    if (painel->listCount() % painel->linhasPorColuna() == 0)
        painel->addItem(entrada(painel->listCount()));
    assentar();
    painel->horizontalScrollBar()->setValue(painel->horizontalScrollBar()->maximum());
    assentar();

    {
        ContadorDePinturas contador(painel->viewport());
        const int nova = painel->listCount();
        painel->addItem(entrada(nova));
        assentar();
        const QRect celula = painel->retanguloDaEntrada(nova);
        QVERIFY(painel->viewport()->rect().contains(celula));
        QCOMPARE(contador.pinturas, 1);
        QCOMPARE(contador.regiao, QRegion(celula));
    }

    // An entry that lands off screen costs no paint of the cells at all.
    painel->horizontalScrollBar()->setValue(0);
    assentar();
    {
        ContadorDePinturas contador(painel->viewport());
        painel->addItem(entrada(painel->listCount()));
        assentar();
        QCOMPARE(contador.pinturas, 0);
    }
}

void tst_PainelResultados::renderizacao() {
    const QColor fundo(64, 64, 64);
    const QColor texto(0, 255, 0);
    const QColor destaque(0, 0, 160);
    const QColor textoDestacado(255, 255, 255);

    auto painel = std::make_unique<PainelResultados>();
    QPalette cores = painel->palette();
    cores.setColor(QPalette::Base, fundo);
    cores.setColor(QPalette::Text, texto);
    cores.setColor(QPalette::Highlight, destaque);
    cores.setColor(QPalette::HighlightedText, textoDestacado);
    painel->setPalette(cores);
    painel->setFont(fonteDaJanela());
    painel->setColumns(6);
    painel->resize(703, 189);
    for (int k = 0; k < 7; ++k)
        painel->addItem(entrada(k));
    painel->show();
    QVERIFY(QTest::qWaitForWindowExposed(painel.get()));
    QVERIFY(painel->setListIndex(5));
    assentar();

    const QImage imagem = painel->grab().toImage();
    const QPoint origem = painel->viewport()->mapTo(painel.get(), QPoint(0, 0));
    auto cor = [&](const QPoint& pontoNaVista) {
        return QColor(imagem.pixel(pontoNaVista + origem));
    };
    auto contemCor = [&](const QRect& celula, const QColor& procurada) {
        for (int y = celula.top(); y <= celula.bottom(); ++y)
            for (int x = celula.left(); x <= celula.right(); ++x)
                if (cor(QPoint(x, y)) == procurada)
                    return true;
        return false;
    };

    const QRect selecionada = painel->retanguloDaEntrada(5);
    // The selected cell's right end is past its short text: pure highlight there.
    QCOMPARE(cor(QPoint(selecionada.right() - 1, selecionada.top() + 1)), destaque);
    QVERIFY(contemCor(selecionada, textoDestacado));
    QVERIFY(!contemCor(selecionada, texto));

    const QRect outra = painel->retanguloDaEntrada(2);
    QCOMPARE(cor(QPoint(outra.right() - 1, outra.top() + 1)), fundo);
    QVERIFY(contemCor(outra, texto));
    QVERIFY(!contemCor(outra, destaque));

    // Cells with no entry, and the space below the last whole row, are background.
    QCOMPARE(cor(centroDaCelula(*painel, 5, 0)), fundo);
    const QRect vista = painel->viewport()->rect();
    QCOMPARE(cor(QPoint(vista.right(), vista.bottom())), fundo);
}

QTEST_MAIN(tst_PainelResultados)
#include "tst_painel_resultados.moc"
