// The audience screen at the sizes of the screens halls use: the number as tall as half the
// screen and inside it, nothing shown as a number that was not drawn, the board and the history.
#include <telao/TelaoDoPublico.h>

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace rodaleque::telao;

namespace {

// The texts that read as numbers alone: the header's and the code line's are labelled.
QList<int> numerosMostrados(const Diagrama& d) {
    static const QRegularExpression soDigitos(QStringLiteral("^\\d+$"));
    QList<int> numeros;
    for (const Texto& t : d.textos)
        if (soDigitos.match(t.texto).hasMatch())
            numeros << t.texto.toInt();
    return numeros;
}

// The screen as the diagram says, every text drawn straight from its glyphs.
QImage desenhoDireto(const Diagrama& d, const QSize& tamanho) {
    QImage imagem(tamanho, QImage::Format_RGB32);
    QPainter p(&imagem);
    for (const Retangulo& r : d.fundos)
        p.fillRect(r.area, r.cor);
    for (const Texto& t : d.textos) {
        p.setFont(t.fonte);
        p.setPen(t.cor);
        p.drawText(t.base, t.texto);
    }
    return imagem;
}

// The largest difference of any colour channel between the two images seen from afar (an
// eighth of the size), where half a pixel's shift of a glyph's edge no longer shows but a
// text missing, cut or left from before does.
int diferencaAoLonge(const QImage& a, const QImage& b) {
    const QSize longe = a.size() / 8;
    const QImage x = a.scaled(longe, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.scaled(longe, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int maior = 0;
    for (int linha = 0; linha < longe.height(); ++linha)
        for (int coluna = 0; coluna < longe.width(); ++coluna) {
            const QRgb p = x.pixel(coluna, linha), q = y.pixel(coluna, linha);
            maior = std::max({maior, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return maior;
}

} // namespace

class TstTelao : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numeroOcupaMetadeDaTelaSemSair_data() {
        QTest::addColumn<QSize>("tamanho");
        QTest::addColumn<int>("participantes");
        for (const QSize s : {QSize(1280, 720), QSize(1280, 1024), QSize(1920, 1080), QSize(3840, 2160)})
            for (int n : {60, 100, 250, 9999, 99999})
                QTest::addRow("%dx%d N=%d", s.width(), s.height(), n) << s << n;
    }
    void numeroOcupaMetadeDaTelaSemSair() {
        QFETCH(QSize, tamanho);
        QFETCH(int, participantes);
        Quadro q{4, participantes, {}, 30, QStringLiteral("AB12-CD34"), {}, false};
        for (int i = 0; i < 30; ++i)
            q.ultimos.push_back(participantes - i * 37 % participantes);
        const Diagrama d = diagramar(q, tamanho);
        QVERIFY(d.numero.has_value());
        const Texto& numero = d.textos[*d.numero];
        QCOMPARE(numero.texto.toInt(), q.ultimos.back());
        QVERIFY2(numero.tinta.height() >= tamanho.height() / 2.0, qPrintable(QString::number(numero.tinta.height())));
        QVERIFY(QRectF(QPointF(0, 0), tamanho).contains(numero.tinta));
        for (const Texto& t : d.textos)
            QVERIFY2(t.tinta.isEmpty() || QRectF(QPointF(0, 0), tamanho).contains(t.tinta), qPrintable(t.texto));

        // Only drawn numbers show: the board lights exactly those, the history gives them most
        // recent first.
        const QList<int> mostrados = numerosMostrados(d);
        if (participantes <= maximoDoQuadroDeNumeros) {
            QCOMPARE(mostrados.size(), participantes + 1);
            QSet<int> acesos; // a lit cell's number is black on green
            for (std::size_t i = 0; i < d.textos.size(); ++i)
                if (i != *d.numero && d.textos[i].cor == QColor(Qt::black))
                    acesos << d.textos[i].texto.toInt();
            QCOMPARE(acesos, QSet<int>(q.ultimos.begin(), q.ultimos.end()));
        } else {
            QVERIFY(mostrados.size() >= 2);
            for (int i = 1; i < mostrados.size(); ++i)
                QCOMPARE(mostrados[i], q.ultimos[q.ultimos.size() - 1 - i]);
        }
    }

    // The texts the screen keeps as pictures between draws show as if drawn afresh: none of a
    // previous draw is left, none is cut or moved, through several draws in a row.
    void pintaComoODiagrama_data() {
        QTest::addColumn<QSize>("tamanho");
        QTest::addColumn<int>("participantes");
        for (const QSize s : {QSize(1280, 720), QSize(3840, 2160)})
            for (int n : {75, 99999})
                QTest::addRow("%dx%d N=%d", s.width(), s.height(), n) << s << n;
    }
    void pintaComoODiagrama() {
        QFETCH(QSize, tamanho);
        QFETCH(int, participantes);
        TelaoDoPublico telao;
        telao.resize(tamanho);
        Quadro q{2, participantes, {}, 0, {}, {}, false};
        for (int sorteio = 1; sorteio <= 4; ++sorteio) {
            q.ultimos.push_back(1 + sorteio * 37 % participantes);
            q.sorteados = sorteio;
            q.codigoCurto = QStringLiteral("C0D%1-0000").arg(sorteio);
            telao.mostrar(q);
            QImage tela(tamanho, QImage::Format_RGB32);
            telao.render(&tela);
            const int diferenca = diferencaAoLonge(tela, desenhoDireto(telao.diagrama(), tamanho));
            QVERIFY2(diferenca <= 48, qPrintable(QStringLiteral("draw %1: %2").arg(sorteio).arg(diferenca)));
        }
    }

    void antesDoPrimeiroEDepoisDoUltimo() {
        const Diagrama antes = diagramar({1, 250, {}, 0, {}, QStringLiteral("vagas da escola"), false}, QSize(1920, 1080));
        QStringList textos;
        for (const Texto& t : antes.textos)
            textos << t.texto;
        QVERIFY(!antes.numero);
        QVERIFY(textos.contains(QStringLiteral("vagas da escola")));
        QVERIFY(textos.contains(QStringLiteral("250 participantes")));

        const Diagrama depois = diagramar({1, 2, {2, 1}, 2, QStringLiteral("AB12-CD34"), {}, true}, QSize(1920, 1080));
        bool aviso = false;
        for (const Texto& t : depois.textos)
            aviso = aviso || t.texto.contains(QStringLiteral("Todos os números já foram sorteados"));
        QVERIFY(aviso);
    }

    void teclasDaTela() {
        TelaoDoPublico telao;
        telao.mostrar({1, 10, {3}, 1, {}, {}, false});
        telao.show();
        QVERIFY(QTest::qWaitForWindowExposed(&telao));
        QTest::keyClick(&telao, Qt::Key_B);
        QVERIFY(telao.apagado());
        QTest::keyClick(&telao, Qt::Key_B);
        QVERIFY(!telao.apagado());
        QTest::keyClick(&telao, Qt::Key_F11);
        QTRY_VERIFY(telao.isFullScreen());
        QTest::keyClick(&telao, Qt::Key_Escape);
        QTRY_VERIFY(!telao.isFullScreen());
        QTest::keyClick(&telao, Qt::Key_F5);
        QTRY_VERIFY(!telao.isVisible());
    }
};

QTEST_MAIN(TstTelao)
#include "tst_telao.moc"
