// The minutes as a reader gets them: the PDF read back with poppler's tools, page by page.
#include "SerieDeExemplo.h"

#include <ata/EscritorDaAta.h>
#include <ata/PorExtenso.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace rodaleque;

namespace {

QString saida(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of each page, in reading order, as pdftotext lays it out.
QStringList paginas(const QString& pdf) {
    QStringList lidas = saida(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                            .split(u'\f');
    if (!lidas.isEmpty() && lidas.last().trimmed().isEmpty())
        lidas.removeLast();
    return lidas;
}

} // namespace

class TstPdfDaAta : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leOQueUmLeitorLeria() {
        QTemporaryDir pasta;
        const QString pdf = pasta.filePath(QStringLiteral("ata.pdf"));
        const ata::Serie serie = teste::serieDeExemplo(150);
        QCOMPARE(ata::escreverPdf(ata::compor(teste::formularioDeExemplo(), serie), pdf),
                 ata::ResultadoDaEscrita::Gravado);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("no pdftotext here: the Windows program's minutes are read back from Linux");

        const QStringList texto = paginas(pdf);
        const QString total = saida(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(total.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(texto.size()))));
        QVERIFY(texto.size() >= 3);
        for (int i = 0; i < texto.size(); ++i) {
            QVERIFY2(texto[i].contains(QStringLiteral("Página %1 de %2").arg(i + 1).arg(texto.size())),
                     qPrintable(QString::number(i + 1)));
            QVERIFY(texto[i].contains(QStringLiteral("Código da série: C0FF-EE11")));
        }

        // Every number in draw order, with its time, its words and its code, one row each; a
        // results page repeats the table's heading.
        const QString tudo = texto.join(u'\n');
        static const QRegularExpression linha(
            QStringLiteral("^\\s*(\\d+)\\s+(\\d\\d:\\d\\d:\\d\\d)\\s+(\\d{3}) — (.+?)\\s{2,}(\\S+)\\s*$"),
            QRegularExpression::MultilineOption);
        std::size_t i = 0;
        for (auto m = linha.globalMatch(tudo); m.hasNext(); ++i) {
            const QRegularExpressionMatch r = m.next();
            QVERIFY(i < serie.sorteados.size());
            const ata::Sorteado& s = serie.sorteados[i];
            QCOMPARE(r.captured(1).toInt(), s.posicao);
            QCOMPARE(r.captured(2), s.momento->toString(QStringLiteral("HH:mm:ss")));
            QCOMPARE(r.captured(3).toInt(), s.numero);
            QCOMPARE(r.captured(4), extenso::cardinal(s.numero));
            QCOMPARE(r.captured(5), s.codigoCurto);
        }
        QCOMPARE(i, serie.sorteados.size());
        QCOMPARE(tudo.count(QStringLiteral("Número sorteado")), texto.size() - 1);

        for (const char* trecho :
             {"Aos nove dias do mês de dezembro de dois mil e vinte e seis, às onze horas e vinte",
              "o número de participantes passou de 250 para 500", "Ganhador do número 12 ausente",
              "Nada mais havendo a tratar", "Maria da Silva", "Responsável pela condução",
              "João Souza", "Ana Lima", "c0ffee1111111111111111111111111111"})
            QVERIFY2(tudo.simplified().contains(QString::fromUtf8(trecho)), trecho);

        // Fonts travel inside the file.
        const QStringList fontes = saida(QStringLiteral("pdffonts"), {pdf}).split(u'\n').mid(2);
        QVERIFY(fontes.size() >= 2);
        for (const QString& fonte : fontes)
            if (!fonte.isEmpty())
                QVERIFY2(fonte.contains(QRegularExpression(QStringLiteral("\\syes\\s"))), qPrintable(fonte));
    }

    void cancelarNaoDeixaArquivoNemEstragaOAnterior() {
        QTemporaryDir pasta;
        const QString pdf = pasta.filePath(QStringLiteral("ata.pdf"));
        const ata::Composicao c = ata::compor(teste::formularioDeExemplo(), teste::serieDeExemplo(300));
        int chamadas = 0;
        const auto cancelaNaSegunda = [&](int, int) { return ++chamadas < 2; };
        QCOMPARE(ata::escreverPdf(c, pdf, cancelaNaSegunda), ata::ResultadoDaEscrita::Cancelado);
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden), QStringList());

        QFile anterior(pdf);
        QVERIFY(anterior.open(QIODevice::WriteOnly));
        anterior.write("ata anterior");
        anterior.close();
        chamadas = 0;
        QCOMPARE(ata::escreverPdf(c, pdf, cancelaNaSegunda), ata::ResultadoDaEscrita::Cancelado);
        QVERIFY(anterior.open(QIODevice::ReadOnly));
        QCOMPARE(anterior.readAll(), QByteArray("ata anterior"));
        QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ata.pdf")});
    }
};

QTEST_MAIN(TstPdfDaAta)
#include "tst_pdf_da_ata.moc"
