// The main window's pictures as the program loads them from its resources: right format and
// size, something drawn in them, and a window icon whose six images Windows can pick from;
// and the desktop's icons, which must show what the window icon shows.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QSize>
#include <QtTest>

namespace {

// Colours of the pixels that show; fully transparent ones are left out.
QSet<QRgb> coresVisiveis(const QImage& imagem) {
    const QImage argb = imagem.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> cores;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 0)
                cores.insert(argb.pixel(x, y));
    return cores;
}

QByteArray conteudo(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Little-endian fields of the file, byte by byte (and so never read past its end).
quint32 campo(const QByteArray& d, qsizetype em, int bytes) {
    quint32 valor = 0;
    for (int i = bytes - 1; i >= 0; --i)
        valor = (valor << 8) | quint8(d.at(em + i));
    return valor;
}

quint16 u16(const QByteArray& d, qsizetype em) {
    return quint16(campo(d, em, 2));
}
quint32 u32(const QByteArray& d, qsizetype em) {
    return campo(d, em, 4);
}

const QString icone = QStringLiteral(":/imagens/rodaleque.ico");

// The six images in the order the icon lists them: size and bits per pixel.
void colunasDoIcone() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("lado");
    QTest::addColumn<int>("bits");
    QTest::newRow("16 px, 16 cores") << 0 << 16 << 4;
    QTest::newRow("16 px, 256 cores") << 1 << 16 << 8;
    QTest::newRow("32 px, 256 cores") << 2 << 32 << 8;
    QTest::newRow("32 px, 24 bits") << 3 << 32 << 24;
    QTest::newRow("48 px, 256 cores") << 4 << 48 << 8;
    QTest::newRow("48 px, 24 bits") << 5 << 48 << 24;
}

} // namespace

class tst_Imagens : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatoETamanho_data();
    void formatoETamanho();
    void gifsTemDesenhoSobreFundoTransparente_data();
    void gifsTemDesenhoSobreFundoTransparente();
    void botaoSortearTemOCinzaDoBotaoEmVolta();
    void iconeTemSeisImagens();
    void imagemDoIcone_data();
    void imagemDoIcone();
    void cabecalhosDoIcone_data();
    void cabecalhosDoIcone();
    void iconesDaAreaDeTrabalho_data();
    void iconesDaAreaDeTrabalho();
};

void tst_Imagens::formatoETamanho_data() {
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<QByteArray>("formato");
    QTest::addColumn<QSize>("tamanho");
    const auto linha = [](const char* nome, const char* formato, int lado) {
        QTest::newRow(nome) << QStringLiteral(":/imagens/") + QLatin1String(nome)
                            << QByteArray(formato) << QSize(lado, lado);
    };
    linha("animar.gif", "gif", 16);
    linha("abrir.gif", "gif", 16);
    linha("localizar.gif", "gif", 16);
    linha("chacoalhar.gif", "gif", 16);
    linha("sortear.jpg", "jpeg", 32);
    linha("s.gif", "gif", 32);
    linha("rodaleque.ico", "ico", 16);
}

void tst_Imagens::formatoETamanho() {
    QFETCH(QString, caminho);
    QFETCH(QByteArray, formato);
    QFETCH(QSize, tamanho);

    // Told by the bytes, not by the name's ending.
    QFile f(caminho);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(caminho));
    QCOMPARE(QImageReader::imageFormat(&f), formato);

    QImageReader leitor(caminho);
    const QImage imagem = leitor.read();
    QVERIFY2(!imagem.isNull(), qPrintable(leitor.errorString()));
    QCOMPARE(imagem.size(), tamanho);
}

void tst_Imagens::gifsTemDesenhoSobreFundoTransparente_data() {
    QTest::addColumn<QString>("caminho");
    for (const char* nome : {"animar.gif", "abrir.gif", "localizar.gif", "chacoalhar.gif", "s.gif"})
        QTest::newRow(nome) << QStringLiteral(":/imagens/") + QLatin1String(nome);
}

void tst_Imagens::gifsTemDesenhoSobreFundoTransparente() {
    QFETCH(QString, caminho);
    const QImage imagem = QImage(caminho).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!imagem.isNull());

    QVERIFY2(coresVisiveis(imagem).size() > 1, "a single flat colour");
    // The surface shows through around the drawing, which fills the middle.
    const int ultimo = imagem.width() - 1;
    for (const QPoint canto :
         {QPoint(0, 0), QPoint(ultimo, 0), QPoint(0, ultimo), QPoint(ultimo, ultimo)})
        QCOMPARE(qAlpha(imagem.pixel(canto)), 0);
    QCOMPARE(qAlpha(imagem.pixel(imagem.width() / 2, imagem.height() / 2)), 255);
}

void tst_Imagens::botaoSortearTemOCinzaDoBotaoEmVolta() {
    const QImage imagem(QStringLiteral(":/imagens/sortear.jpg"));
    QVERIFY(!imagem.isNull());
    // The top row and both sides show the button's own grey, RGB(212, 208, 200), give or take
    // what JPEG moves it; further off, the picture would stand out as a tinted square.
    const int ultimo = imagem.width() - 1;
    QList<QPoint> moldura;
    for (int i = 0; i <= ultimo; ++i)
        moldura << QPoint(i, 0) << QPoint(0, i) << QPoint(ultimo, i);
    for (const QPoint p : std::as_const(moldura)) {
        const QRgb c = imagem.pixel(p);
        QVERIFY2(qAbs(qRed(c) - 212) <= 6 && qAbs(qGreen(c) - 208) <= 6 &&
                     qAbs(qBlue(c) - 200) <= 6,
                 qPrintable(QStringLiteral("%1,%2 is #%3")
                                .arg(p.x())
                                .arg(p.y())
                                .arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
    }
    // And a ball inside the frame: a good part of the picture is far from that grey.
    int diferentes = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const QRgb c = imagem.pixel(x, y);
            diferentes += qAbs(qRed(c) - 212) + qAbs(qGreen(c) - 208) + qAbs(qBlue(c) - 200) > 60;
        }
    QVERIFY2(diferentes > imagem.width() * imagem.height() / 4,
             qPrintable(QString::number(diferentes)));
}

void tst_Imagens::iconeTemSeisImagens() {
    QImageReader leitor(icone);
    QCOMPARE(leitor.imageCount(), 6);
    QList<int> lados;
    for (int i = 0; i < 6; ++i) {
        QVERIFY(leitor.jumpToImage(i));
        lados << leitor.read().width();
    }
    QCOMPARE(lados, (QList<int>{16, 16, 32, 32, 48, 48}));
}

void tst_Imagens::imagemDoIcone_data() {
    colunasDoIcone();
}

void tst_Imagens::imagemDoIcone() {
    QFETCH(int, indice);
    QFETCH(int, lado);
    QFETCH(int, bits);

    QImageReader leitor(icone);
    QVERIFY(leitor.jumpToImage(indice));
    // Qt tells an indexed entry from a true-colour one before reading it; once read, every
    // entry comes as ARGB with its mask applied, so the palette shows only as a colour count.
    QCOMPARE(leitor.imageFormat(), bits <= 8 ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    const QImage imagem = leitor.read();
    QVERIFY2(!imagem.isNull(), qPrintable(leitor.errorString()));
    QCOMPARE(imagem.size(), QSize(lado, lado));

    const qsizetype cores = coresVisiveis(imagem).size();
    if (bits <= 8) {
        QVERIFY2(cores <= (1 << bits), qPrintable(QString::number(cores)));
        // More than the 16-colour image would allow: not a copy of it.
        if (bits == 8)
            QVERIFY2(cores > 16, qPrintable(QString::number(cores)));
    } else {
        QVERIFY(imagem.format() != QImage::Format_Indexed8);
        QVERIFY2(cores > 16, qPrintable(QString::number(cores)));
    }

    const QRgb canto = imagem.pixel(0, 0);
    const QRgb outroCanto = imagem.pixel(lado - 1, lado - 1);
    QCOMPARE(qAlpha(imagem.pixel(lado / 2, lado / 2)), 255);
    if (bits <= 8) {
        // Qt applies the AND mask of a palette image: the round logo's corners are see-through.
        QCOMPARE(qAlpha(canto), 0);
        QCOMPARE(qAlpha(outroCanto), 0);
    } else {
        // Qt leaves out the mask of a true-colour image and shows the colour under it, which
        // Windows wants black: anything else would tint what shows through there.
        QCOMPARE(canto, qRgb(0, 0, 0));
        QCOMPARE(outroCanto, qRgb(0, 0, 0));
    }
}

void tst_Imagens::cabecalhosDoIcone_data() {
    colunasDoIcone();
}

void tst_Imagens::cabecalhosDoIcone() {
    // Qt reads past some faults that Windows does not: check the headers themselves.
    QFETCH(int, indice);
    QFETCH(int, lado);
    QFETCH(int, bits);

    const QByteArray d = conteudo(icone);
    QVERIFY(d.size() >= 6 + 16 * 6);
    QCOMPARE(u16(d, 0), quint16(0));
    QCOMPARE(u16(d, 2), quint16(1));
    QCOMPARE(u16(d, 4), quint16(6));

    const qsizetype entrada = 6 + 16 * indice;
    QCOMPARE(int(quint8(d[entrada])), lado);
    QCOMPARE(int(quint8(d[entrada + 1])), lado);
    QCOMPARE(int(quint8(d[entrada + 2])), bits == 4 ? 16 : 0); // 256 colours is written as 0
    QCOMPARE(u16(d, entrada + 4), quint16(1));
    QCOMPARE(int(u16(d, entrada + 6)), bits);
    const quint32 bytes = u32(d, entrada + 8);
    const quint32 inicio = u32(d, entrada + 12);
    QVERIFY(quint64(inicio) + bytes <= quint64(d.size()));

    // Each image begins where the one before it ends.
    if (indice == 0)
        QCOMPARE(inicio, quint32(6 + 16 * 6));
    else
        QCOMPARE(inicio, u32(d, entrada - 16 + 12) + u32(d, entrada - 16 + 8));

    QCOMPARE(u32(d, inicio), quint32(40));
    QCOMPARE(qint32(u32(d, inicio + 4)), lado);
    QCOMPARE(qint32(u32(d, inicio + 8)), 2 * lado); // colour rows and mask rows
    QCOMPARE(u16(d, inicio + 12), quint16(1));
    QCOMPARE(int(u16(d, inicio + 14)), bits);
    QCOMPARE(u32(d, inicio + 16), quint32(0)); // no compression
    const quint32 usadas = u32(d, inicio + 32);
    QVERIFY(usadas == 0 || usadas == (1u << bits));

    const int paleta = bits <= 8 ? (1 << bits) : 0;
    const int linhaCor = (lado * bits + 31) / 32 * 4;
    const int linhaMascara = (lado + 31) / 32 * 4;
    QCOMPARE(bytes, quint32(40 + 4 * paleta + lado * (linhaCor + linhaMascara)));

    // The AND mask itself, bottom row first, a set bit for see-through: Windows uses it for
    // every entry, true-colour ones too.
    const qsizetype mascara = inicio + 40 + 4 * paleta + qsizetype(lado) * linhaCor;
    const auto transparente = [&](int x, int y) {
        const auto byte = quint8(d[mascara + qsizetype(lado - 1 - y) * linhaMascara + x / 8]);
        return (byte & (0x80 >> (x % 8))) != 0;
    };
    QVERIFY(transparente(0, 0));
    QVERIFY(transparente(lado - 1, 0));
    QVERIFY(transparente(0, lado - 1));
    QVERIFY(transparente(lado - 1, lado - 1));
    QVERIFY(!transparente(lado / 2, lado / 2));
}

void tst_Imagens::iconesDaAreaDeTrabalho_data() {
    // The desktop's PNG of each size, the ICO image it must match in colour (its deepest one)
    // and the palette image whose mask Qt applies.
    QTest::addColumn<int>("lado");
    QTest::addColumn<int>("cores");
    QTest::addColumn<int>("mascara");
    QTest::newRow("16 px") << 16 << 1 << 1;
    QTest::newRow("32 px") << 32 << 3 << 2;
    QTest::newRow("48 px") << 48 << 5 << 4;
}

void tst_Imagens::iconesDaAreaDeTrabalho() {
    // Drawn with the window icon; a drawing changed without the script run again shows here.
    QFETCH(int, lado);
    QFETCH(int, cores);
    QFETCH(int, mascara);

    const QString caminho = QStringLiteral(PASTA_DAS_IMAGENS "/rodaleque-%1.png").arg(lado);
    QFile f(caminho);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(caminho));
    QCOMPARE(QImageReader::imageFormat(&f), QByteArray("png"));
    const QImage png = QImage(caminho).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(png.size(), QSize(lado, lado));

    const auto imagemDoIcone = [](int indice) {
        QImageReader leitor(icone);
        return leitor.jumpToImage(indice) ? leitor.read().convertToFormat(QImage::Format_ARGB32)
                                          : QImage();
    };
    const QImage cor = imagemDoIcone(cores);
    const QImage recorte = imagemDoIcone(mascara);
    QCOMPARE(cor.size(), png.size());
    QCOMPARE(recorte.size(), png.size());

    int visiveis = 0;
    for (int y = 0; y < lado; ++y)
        for (int x = 0; x < lado; ++x) {
            const QRgb p = png.pixel(x, y);
            const QString onde = QStringLiteral("%1,%2").arg(x).arg(y);
            QVERIFY2(qAlpha(p) == 0 || qAlpha(p) == 255, qPrintable(onde));
            QVERIFY2(qAlpha(p) == qAlpha(recorte.pixel(x, y)), qPrintable(onde));
            if (qAlpha(p) == 255) {
                QVERIFY2(p == (cor.pixel(x, y) | 0xFF000000u), qPrintable(onde));
                ++visiveis;
            }
        }
    QVERIFY2(visiveis > lado * lado / 2, qPrintable(QString::number(visiveis)));
}

QTEST_MAIN(tst_Imagens)
#include "tst_imagens.moc"
