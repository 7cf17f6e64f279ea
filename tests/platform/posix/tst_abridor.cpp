#include "platform/Abridor.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using rodaleque::platform::AbridorDoSistema;

namespace {

// Stands in for the desktop's opener: records how many arguments it got and each one
// NUL-terminated. It writes beside the record and renames, so a reader never sees half of it.
// With a release file named, it first waits (bounded) until that file exists, which lets the
// test see whether the caller waited for it.
const char* const ScriptFalso = R"(#!/bin/sh
if [ -n "$ABRIDOR_LIBERAR" ]; then
    : > "$ABRIDOR_LIBERAR.esperando"
    n=0
    while [ ! -e "$ABRIDOR_LIBERAR" ] && [ $n -lt 200 ]; do
        sleep 0.05
        n=$((n + 1))
    done
fi
{
    printf '%d\n' "$#"
    for a in "$@"; do
        printf '%s' "$a"
        printf '\000'
    done
} > "$ABRIDOR_REGISTRO.parcial" && mv "$ABRIDOR_REGISTRO.parcial" "$ABRIDOR_REGISTRO"
)";

// Stands in for the desktop's list of applications: names ABRIDOR_VISUALIZADOR, if set, as
// the one for PDFs.
const char* const XdgMimeFalso = R"(#!/bin/sh
[ "$1 $2 $3" = "query default application/pdf" ] && printf '%s\n' "$ABRIDOR_VISUALIZADOR"
exit 0
)";

bool gravarExecutavel(const QString& caminho, const QByteArray& conteudo, bool executavel) {
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(conteudo) != conteudo.size())
        return false;
    f.close();
    QFile::Permissions p = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executavel)
        p |= QFileDevice::ExeOwner;
    return f.setPermissions(p);
}

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file or folder under the folder whose name begins with INJECTED.
QStringList injetados(const QString& pasta) {
    QStringList achados;
    QDirIterator it(pasta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().startsWith(QStringLiteral("INJECTED")))
            achados << it.filePath();
    }
    return achados;
}

} // namespace

class tst_Abridor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void passaOCaminhoInteiroComoUmArgumentoSemShell();
    void naoEsperaOEditor();
    void falhaSemOAbridorNoPath_data();
    void falhaSemOAbridorNoPath();
    void documentoSoComUmVisualizador_data();
    void documentoSoComUmVisualizador();

private:
    // Makes a folder holding the fake opener the first one on PATH.
    void instalarAbridorFalso();
    QString criarArquivo(const QString& pasta, const QString& nome);

    QByteArray pathOriginal_;
    QString pastaOriginal_;
    std::unique_ptr<QTemporaryDir> temp_;
    QString registro_;
};

void tst_Abridor::init() {
    pathOriginal_ = qgetenv("PATH");
    pastaOriginal_ = QDir::currentPath();
    temp_ = std::make_unique<QTemporaryDir>();
    QVERIFY(temp_->isValid());
    registro_ = temp_->filePath(QStringLiteral("registro"));
    qputenv("ABRIDOR_REGISTRO", QFile::encodeName(registro_));
    qunsetenv("ABRIDOR_LIBERAR");
    // Anything a shell might run from the path would land in the current folder: keep it in
    // the temporary one, where the test looks.
    QVERIFY(QDir().mkpath(temp_->filePath(QStringLiteral("trabalho"))));
    QVERIFY(QDir::setCurrent(temp_->filePath(QStringLiteral("trabalho"))));
}

void tst_Abridor::cleanup() {
    qputenv("PATH", pathOriginal_);
    qunsetenv("ABRIDOR_REGISTRO");
    qunsetenv("ABRIDOR_LIBERAR");
    qunsetenv("ABRIDOR_VISUALIZADOR");
    QDir::setCurrent(pastaOriginal_);
    temp_.reset();
}

void tst_Abridor::instalarAbridorFalso() {
    const QString bin = temp_->filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(gravarExecutavel(bin + QStringLiteral("/xdg-open"), QByteArray(ScriptFalso), true));
    qputenv("PATH", QFile::encodeName(bin) + ':' + pathOriginal_);
}

QString tst_Abridor::criarArquivo(const QString& pasta, const QString& nome) {
    const QString caminho = pasta + u'/' + nome;
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write("1 2 3\n") != 6)
        return QString();
    return caminho;
}

void tst_Abridor::passaOCaminhoInteiroComoUmArgumentoSemShell() {
    instalarAbridorFalso();
    const QString pasta = temp_->filePath(QString::fromUtf8(
        "séries \"aspas\" 'apóstrofo'; $(touch INJECTED) `touch INJECTED2` & | > x"));
    QVERIFY(QDir().mkpath(pasta));
    const QString arquivo =
        criarArquivo(pasta, QStringLiteral("resultados 1;$(touch INJECTED3).txt"));
    QVERIFY(!arquivo.isEmpty());

    AbridorDoSistema abridor;
    QVERIFY(abridor.abrir(arquivo));

    const bool registrou = QTest::qWaitFor([&] { return QFileInfo::exists(registro_); }, 10000);

    // Checked first: a shell that choked on the path may still have run part of it.
    QCOMPARE(injetados(temp_->path()), QStringList());
    QCOMPARE(injetados(pastaOriginal_), QStringList());

    QVERIFY2(registrou, "the opener never ran");
    const QByteArray registro = ler(registro_);
    const qsizetype fimDaContagem = registro.indexOf('\n');
    QVERIFY(fimDaContagem > 0);
    QCOMPARE(registro.left(fimDaContagem), QByteArray("1"));
    QCOMPARE(registro.mid(fimDaContagem + 1), QFile::encodeName(arquivo) + '\0');
}

void tst_Abridor::naoEsperaOEditor() {
    instalarAbridorFalso();
    const QString liberar = temp_->filePath(QStringLiteral("liberar"));
    qputenv("ABRIDOR_LIBERAR", QFile::encodeName(liberar));
    const QString arquivo = criarArquivo(temp_->path(), QStringLiteral("resultados.txt"));
    QVERIFY(!arquivo.isEmpty());

    AbridorDoSistema abridor;
    QVERIFY(abridor.abrir(arquivo));

    // The opener is still held back, so a caller that waited for it could not be here yet.
    QVERIFY(!QFileInfo::exists(registro_));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(liberar + QStringLiteral(".esperando")), 10000);
    QVERIFY(!QFileInfo::exists(registro_));

    QFile sinal(liberar);
    QVERIFY(sinal.open(QIODevice::WriteOnly));
    sinal.close();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(registro_), 10000);
}

void tst_Abridor::falhaSemOAbridorNoPath_data() {
    QTest::addColumn<bool>("comArquivoNaoExecutavel");
    QTest::newRow("pasta vazia") << false;
    QTest::newRow("xdg-open sem permissao de execucao") << true;
}

void tst_Abridor::falhaSemOAbridorNoPath() {
    QFETCH(bool, comArquivoNaoExecutavel);
    const QString vazia = temp_->filePath(QStringLiteral("vazia"));
    QVERIFY(QDir().mkpath(vazia));
    if (comArquivoNaoExecutavel)
        QVERIFY(
            gravarExecutavel(vazia + QStringLiteral("/xdg-open"), QByteArray(ScriptFalso), false));
    qputenv("PATH", QFile::encodeName(vazia));
    const QString arquivo = criarArquivo(temp_->path(), QStringLiteral("resultados.txt"));
    QVERIFY(!arquivo.isEmpty());

    AbridorDoSistema abridor;
    QVERIFY(!abridor.abrir(arquivo));
    QVERIFY(!QFileInfo::exists(registro_));
}

void tst_Abridor::documentoSoComUmVisualizador_data() {
    QTest::addColumn<QByteArray>("visualizador");
    QTest::newRow("com visualizador de PDF") << QByteArray("visualizador.desktop");
    QTest::newRow("sem visualizador de PDF") << QByteArray();
}

// A document goes to the opener only when the desktop has a viewer for its kind: otherwise
// the opener would start, find nothing, and the caller would never know.
void tst_Abridor::documentoSoComUmVisualizador() {
    QFETCH(QByteArray, visualizador);
    instalarAbridorFalso();
    QVERIFY(gravarExecutavel(temp_->filePath(QStringLiteral("bin/xdg-mime")), QByteArray(XdgMimeFalso), true));
    qputenv("ABRIDOR_VISUALIZADOR", visualizador);
    const QString pdf = criarArquivo(temp_->path(), QStringLiteral("ata do sorteio.pdf"));
    QVERIFY(!pdf.isEmpty());

    AbridorDoSistema abridor;
    QCOMPARE(abridor.abrirDocumento(pdf), !visualizador.isEmpty());
    if (visualizador.isEmpty()) {
        QVERIFY(!QFileInfo::exists(registro_)); // nothing was started that could write it later
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(registro_), 10000);
    QCOMPARE(ler(registro_), "1\n" + QFile::encodeName(pdf) + '\0');
}

QTEST_GUILESS_MAIN(tst_Abridor)
#include "tst_abridor.moc"
