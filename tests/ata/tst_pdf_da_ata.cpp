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

// The reader's side: poppler's tools, and a folder to write the PDF in for them. On Linux, the
// tools on the PATH and a temporary folder. The Windows program under Wine writes its PDF into
// a Linux folder, named in RODALEQUE_PASTA_LINUX, through Wine's drive Z:, and asks Linux's
// own tools to read it there (tests/windows/leitor-linux.sh answers): Wine does start a Linux
// program, but gives no handle to wait for it with.
struct Leitor {
    const QString pastaNoLinux = qEnvironmentVariable("RODALEQUE_PASTA_LINUX");
    const bool peloLinux = !pastaNoLinux.isEmpty();
    QTemporaryDir pasta{(peloLinux ? QStringLiteral("Z:") + pastaNoLinux : QDir::tempPath()) +
                        QStringLiteral("/tst_pdf_da_ata-XXXXXX")};

    bool ha() const { return peloLinux || !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

    // The PDF's name for the tools; drive Z: is Linux's root folder.
    QString noLinux(const QString& pdf) const { return peloLinux ? pdf.mid(2) : pdf; }

    // What the tool writes on its standard output; empty when it fails.
    QString saida(const QString& nome, const QStringList& argumentos) const {
        return peloLinux ? pedirAoLinux(nome, argumentos) : rodar(nome, argumentos);
    }

    static QString rodar(const QString& nome, const QStringList& argumentos) {
        QProcess p;
        p.start(nome, argumentos);
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return {};
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // A request, the tool and its arguments one a line, made whole by a rename; the answer is
    // the output, then its status.
    QString pedirAoLinux(const QString& nome, const QStringList& argumentos) const {
        static int pedidos = 0;
        const QString base = QStringLiteral("Z:%1/%2").arg(pastaNoLinux).arg(++pedidos);
        QFile pedido(base + QStringLiteral(".parcial"));
        if (!pedido.open(QIODevice::WriteOnly) ||
            pedido.write((QStringList{nome} + argumentos).join(u'\n').toUtf8() + '\n') < 0)
            return {};
        pedido.close();
        QFile::remove(base + QStringLiteral(".pedido"));
        if (!pedido.rename(base + QStringLiteral(".pedido")) ||
            !QTest::qWaitFor([&] { return QFile::exists(base + QStringLiteral(".status")); }, 60000))
            return {};
        QFile status(base + QStringLiteral(".status")), saida(base + QStringLiteral(".saida"));
        if (!status.open(QIODevice::ReadOnly) || status.readAll().trimmed() != "0" ||
            !saida.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(saida.readAll());
    }

    // The text of each page, in reading order, as pdftotext lays it out.
    QStringList paginas(const QString& pdf) const {
        QStringList lidas =
            saida(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), noLinux(pdf), QStringLiteral("-")})
                .split(u'\f');
        if (!lidas.isEmpty() && lidas.last().trimmed().isEmpty())
            lidas.removeLast();
        return lidas;
    }
};

} // namespace

class TstPdfDaAta : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leOQueUmLeitorLeria() {
        const Leitor leitor;
        QVERIFY(leitor.pasta.isValid());
        const QString pdf = leitor.pasta.filePath(QStringLiteral("ata.pdf"));
        const ata::Serie serie = teste::serieDeExemplo(150);
        QCOMPARE(ata::escreverPdf(ata::compor(teste::formularioDeExemplo(), serie), pdf),
                 ata::ResultadoDaEscrita::Gravado);
        if (!leitor.ha())
            QSKIP("no pdftotext here to read the minutes back");

        const QStringList texto = leitor.paginas(pdf);
        const QString total = leitor.saida(QStringLiteral("pdfinfo"), {leitor.noLinux(pdf)});
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
        const QStringList fontes = leitor.saida(QStringLiteral("pdffonts"), {leitor.noLinux(pdf)}).split(u'\n').mid(2);
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
