// The minutes' commands on a series the engine wrote to disk: the form answered as an operator
// would, the PDF read back, and the series for which there can be no minutes.
#include "support/AbridorDeTeste.h"
#include "support/MotorDeTeste.h"

#include <ata/ComandosDaAta.h>
#include <registro/Formato.h>
#include <registro/LeituraDoRegistro.h>
#include <registro/Verificacao.h>

#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

// Fills in the form once it shows, and presses OK (or Cancel).
void responderFormulario(bool aceitar) {
    QTimer::singleShot(10, [aceitar] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialogo) {
            responderFormulario(aceitar);
            return;
        }
        for (const auto& [nome, texto] : {std::pair{"orgao", "Escola Estadual Exemplo"},
                                          std::pair{"objeto", "vagas do primeiro ano"},
                                          std::pair{"local", "quadra da escola"},
                                          std::pair{"responsavel", "Marta Nunes"}})
            dialogo->findChild<QLineEdit*>(QString::fromLatin1(nome))->setText(QString::fromUtf8(texto));
        dialogo->findChild<QPlainTextEdit*>(QStringLiteral("presentes"))->setPlainText(QStringLiteral("Rui Alves\n\nIsa Reis"));
        aceitar ? dialogo->accept() : dialogo->reject();
    });
}

QString textoDoPdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

class TstComandosDaAta : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ataDeUmaSerieDoDisco_data() {
        QTest::addColumn<QString>("caso");
        for (const char* caso : {"intacta", "sem visualizador", "formulario cancelado",
                                 "numero alterado", "sem registro"})
            QTest::newRow(caso) << QString::fromLatin1(caso);
    }
    void ataDeUmaSerieDoDisco() {
        QFETCH(QString, caso);
        QTemporaryDir pasta;
        platform::ArquivosDoSistema disco;
        MotorDeTeste::Opcoes opcoes = MotorDeTeste::comGeradorReal();
        opcoes.disco = &disco;
        opcoes.pasta = pasta.path();
        opcoes.registroDaSerie = pasta.filePath(QStringLiteral("dados/andamento.txt"));
        MotorDeTeste t(opcoes);
        t.relogio.passoPorLeitura = 0.0004f;
        t.comecar(30);
        t.sortear(4);
        t.motor.registrarOcorrencia(QStringLiteral("Ganhador do segundo número ausente"));
        t.motor.aplicarContagem(40);
        t.sortear(2);
        const QString resultados = t.estado().Arquivo;
        const QString pdf = ata::ComandosDaAta::caminhoDaAta(resultados);
        QCOMPARE(pdf, resultados.chopped(4) + QStringLiteral("-ata.pdf"));

        if (caso == u"numero alterado") {
            QFile f(resultados);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QByteArray linhas = f.readAll();
            linhas.replace(0, linhas.indexOf('\r'), QByteArray::number(t.controles.lista.itens[0].toInt() % 30 + 1));
            f.resize(0);
            f.write(linhas);
        }
        if (caso == u"sem registro")
            QVERIFY(QFile::remove(registro::caminhoDoRegistro(resultados)));

        AbridorDeTeste abridor;
        abridor.abreDocumentos = caso != u"sem visualizador";
        QWidget janela;
        ata::ComandosDaAta comandos(janela, disco, t.dialogos, abridor, pasta.filePath(QStringLiteral("config/ata.ini")));
        responderFormulario(caso != u"formulario cancelado");
        comandos.daSerie(resultados);

        if (caso == u"numero alterado") {
            QVERIFY(!QFile::exists(pdf));
            QCOMPARE(t.dialogos.mensagens.size(), 1);
            QVERIFY(t.dialogos.mensagens[0].startsWith(QStringLiteral("Não é possível gerar a ata")));
            QVERIFY2(t.dialogos.mensagens[0].contains(QStringLiteral("Linha 1 do arquivo de resultados")), qPrintable(t.dialogos.mensagens[0]));
            return;
        }
        if (caso == u"formulario cancelado") {
            QVERIFY(!QFile::exists(pdf));
            QVERIFY(t.dialogos.mensagens.isEmpty());
            return;
        }
        QVERIFY(QFile::exists(pdf));
        // Named to the desktop and to the operator as the system writes paths.
        const QString comoOSistemaEscreve = QDir::toNativeSeparators(pdf);
        QCOMPARE(abridor.documentos, QStringList{comoOSistemaEscreve});
        QCOMPARE(t.dialogos.mensagens.isEmpty(), caso != u"sem visualizador");
        if (caso == u"sem visualizador")
            QCOMPARE(t.dialogos.mensagens[0], QStringLiteral("A ata foi gravada em:\n") + comoOSistemaEscreve);
        // The form is remembered, but for its object; the object stays for this run.
        QCOMPARE(ata::MemoriaDoFormulario(pasta.filePath(QStringLiteral("config/ata.ini"))).lembrado().orgao,
                 QStringLiteral("Escola Estadual Exemplo"));
        QVERIFY(ata::MemoriaDoFormulario(pasta.filePath(QStringLiteral("config/ata.ini"))).lembrado().objeto.isEmpty());
        QCOMPARE(comandos.ultimoFormulario().objeto, QStringLiteral("vagas do primeiro ano"));

        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("no pdftotext here: the Windows program's minutes are read back from Linux");
        const QString texto = textoDoPdf(pdf);
        qsizetype onde = 0;
        for (const QString& entrada : t.controles.lista.itens) {
            onde = texto.indexOf(entrada + QStringLiteral(" — "), onde);
            QVERIFY2(onde >= 0, qPrintable(entrada));
        }
        for (const char* trecho : {"Escola Estadual Exemplo", "vagas do primeiro ano", "Marta Nunes",
                                   "Rui Alves e Isa Reis", "Isa Reis"})
            QVERIFY2(texto.contains(QString::fromUtf8(trecho)), trecho);
        if (caso == u"sem registro") {
            QVERIFY(texto.contains(QStringLiteral("não registrado")));
            QVERIFY(!texto.contains(QStringLiteral("Ganhador do segundo número ausente")));
        } else {
            QVERIFY(texto.contains(QStringLiteral("Ganhador do segundo número ausente")));
            QVERIFY(texto.contains(QStringLiteral("passou de 30 para 40")));
            const QString codigo = registro::codigoCurto(registro::lerRegistro(
                [&] { QFile f(registro::caminhoDoRegistro(resultados)); f.open(QIODevice::ReadOnly); return f.readAll(); }()).codigo());
            QVERIFY(texto.contains(QStringLiteral("Código da série: ") + codigo));
        }
    }
};

QTEST_MAIN(TstComandosDaAta)
#include "tst_comandos_da_ata.moc"
