#include "platform/gui/DialogosQt.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

using rodaleque::platform::Dialogos;
using rodaleque::platform::DialogosQt;

namespace {

// Waits, from inside the event loop of the box being tested, for the modal box to show and
// then hands it to the answer. The answer must always close the box; when no box turns up
// in time, the call under test has already returned and the test checks what it got.
class Respondedor {
public:
    explicit Respondedor(std::function<void(QWidget*)> resposta) : resposta_(std::move(resposta)) {
        relogio_.start();
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* caixa = QApplication::activeModalWidget();
            if (caixa && caixa->isVisible()) {
                timer_.stop();
                respondeu_ = true;
                resposta_(caixa);
            } else if (relogio_.elapsed() > 10000) {
                timer_.stop();
            }
        });
        timer_.start();
    }

    bool respondeu() const { return respondeu_; }

private:
    std::function<void(QWidget*)> resposta_;
    QTimer timer_;
    QElapsedTimer relogio_;
    bool respondeu_ = false;
};

// What a box looked like when it came up.
struct Visto {
    QString classe;
    QString titulo;
    QString texto;
    Qt::TextFormat formato = Qt::AutoText;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QStringList botoes;
    QWidget* pai = nullptr;
    bool modal = false;
    QString valorInicial;
};

QStringList textosDosBotoes(QWidget* caixa) {
    QStringList textos;
    const auto botoes = caixa->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : botoes)
        if (b->isVisible())
            textos << b->text();
    textos.sort();
    return textos;
}

QAbstractButton* botaoComTexto(QWidget* caixa, const QString& texto) {
    const auto botoes = caixa->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : botoes)
        if (b->isVisible() && b->text() == texto)
            return b;
    return nullptr;
}

Visto observar(QWidget* caixa) {
    Visto v;
    v.classe = QString::fromUtf8(caixa->metaObject()->className());
    v.titulo = caixa->windowTitle();
    v.botoes = textosDosBotoes(caixa);
    v.pai = caixa->parentWidget();
    v.modal = caixa->isModal() || caixa->windowModality() != Qt::NonModal;
    if (auto* m = qobject_cast<QMessageBox*>(caixa)) {
        v.texto = m->text();
        v.formato = m->textFormat();
        v.icone = m->icon();
    } else if (auto* e = qobject_cast<QInputDialog*>(caixa)) {
        v.texto = e->labelText();
        v.valorInicial = e->textValue();
    }
    return v;
}

// Types like a keyboard would, accents included (keyClicks only knows ASCII).
void digitar(QWidget* campo, const QString& texto) {
    for (const QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, campo, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Presses the button with that text, or shuts the box if there is none, so the test goes on.
void clicar(QWidget* caixa, const QString& texto) {
    if (QAbstractButton* b = botaoComTexto(caixa, texto))
        QTest::mouseClick(b, Qt::LeftButton);
    else if (auto* d = qobject_cast<QDialog*>(caixa))
        d->done(-1);
}

const QString Titulo = QStringLiteral("Rodaleque");
const QString Nao = QString::fromUtf8("Não");

} // namespace

class tst_DialogosQt : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void mensagemInformativaMostraOkEIcone();
    void mensagemInformativaDaOkMesmoFechada();
    void perguntaSimNao_data();
    void perguntaSimNao();
    void outrosCodigos_data();
    void outrosCodigos();
    void semJanelaAindaAbre();

    void entradaDevolveOTextoDigitado();
    void entradaCanceladaDevolveVazio_data();
    void entradaCanceladaDevolveVazio();
    void entradaAceitaSemTextoDevolveVazio();

private:
    std::unique_ptr<QWidget> janela_;
};

void tst_DialogosQt::init() {
    janela_ = std::make_unique<QWidget>();
    janela_->setWindowTitle(QStringLiteral("janela principal"));
    janela_->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
}

void tst_DialogosQt::cleanup() {
    // Looked for while the main window still lives: a box left as its child would otherwise
    // go away with it and hide the leak.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList restos;
    const auto janelas = QApplication::topLevelWidgets();
    for (QWidget* w : janelas)
        if (w != janela_.get() && (w->isVisible() || qobject_cast<QDialog*>(w)))
            restos << QString::fromUtf8(w->metaObject()->className()) + u':' + w->windowTitle();
    janela_.reset();
    QVERIFY2(restos.isEmpty(), qPrintable(restos.join(QStringLiteral(", "))));
}

void tst_DialogosQt::mensagemInformativaMostraOkEIcone() {
    DialogosQt dialogos(janela_.get(), Titulo);
    // A "<b>" must not turn into markup, and accents must survive.
    const QString prompt = QString::fromUtf8("Série <b>gravada</b> em\nresultados.txt");
    Visto visto;
    Respondedor r([&](QWidget* caixa) {
        visto = observar(caixa);
        clicar(caixa, QStringLiteral("OK"));
    });

    const int resposta = dialogos.caixaDeMensagem(prompt, Dialogos::OkInformacao);

    QVERIFY(r.respondeu());
    QCOMPARE(resposta, Dialogos::RespostaOk);
    QCOMPARE(visto.classe, QStringLiteral("QMessageBox"));
    QCOMPARE(visto.titulo, Titulo);
    QCOMPARE(visto.texto, prompt);
    QCOMPARE(visto.formato, Qt::PlainText);
    QCOMPARE(visto.icone, QMessageBox::Information);
    QCOMPARE(visto.botoes, QStringList{QStringLiteral("OK")});
    QCOMPARE(visto.pai, janela_.get());
    QVERIFY(visto.modal);
}

void tst_DialogosQt::mensagemInformativaDaOkMesmoFechada() {
    DialogosQt dialogos(janela_.get(), Titulo);
    Respondedor r([](QWidget* caixa) { QTest::keyClick(caixa, Qt::Key_Escape); });
    QCOMPARE(dialogos.caixaDeMensagem(QStringLiteral("Pronto."), Dialogos::OkInformacao),
             Dialogos::RespostaOk);
    QVERIFY(r.respondeu());
}

void tst_DialogosQt::perguntaSimNao_data() {
    QTest::addColumn<int>("modo"); // 0 click Sim, 1 click Não, 2 Escape, 3 close, 4 Enter
    QTest::addColumn<int>("esperado");
    QTest::newRow("Sim") << 0 << Dialogos::RespostaSim;
    QTest::newRow("Nao") << 1 << Dialogos::RespostaNao;
    QTest::newRow("Escape") << 2 << Dialogos::RespostaNao;
    QTest::newRow("fechar") << 3 << Dialogos::RespostaNao;
    QTest::newRow("Enter escolhe Sim") << 4 << Dialogos::RespostaSim;
}

void tst_DialogosQt::perguntaSimNao() {
    QFETCH(int, modo);
    QFETCH(int, esperado);
    DialogosQt dialogos(janela_.get(), Titulo);
    const QString prompt = QString::fromUtf8("Deseja gerar outra série?");
    Visto visto;
    Respondedor r([&](QWidget* caixa) {
        visto = observar(caixa);
        switch (modo) {
        case 0:
            clicar(caixa, QStringLiteral("Sim"));
            break;
        case 1:
            clicar(caixa, Nao);
            break;
        case 2:
            QTest::keyClick(caixa, Qt::Key_Escape);
            break;
        case 3:
            caixa->close();
            break;
        default:
            QTest::keyClick(caixa, Qt::Key_Return);
            break;
        }
        // Whatever the answer did, the box must not stay open and stall the test.
        if (caixa->isVisible())
            clicar(caixa, QString());
    });

    const int resposta = dialogos.caixaDeMensagem(prompt, Dialogos::SimNaoPergunta);

    QVERIFY(r.respondeu());
    QCOMPARE(resposta, esperado);
    QCOMPARE(visto.titulo, Titulo);
    QCOMPARE(visto.texto, prompt);
    QCOMPARE(visto.icone, QMessageBox::Question);
    QCOMPARE(visto.botoes, (QStringList{Nao, QStringLiteral("Sim")}));
    QCOMPARE(visto.pai, janela_.get());
    QVERIFY(visto.modal);
}

void tst_DialogosQt::outrosCodigos_data() {
    QTest::addColumn<int>("botoes");
    QTest::addColumn<int>("icone");
    QTest::newRow("0: OK sem icone") << 0 << int(QMessageBox::NoIcon);
    QTest::newRow("48: OK e aviso") << 48 << int(QMessageBox::Warning);
    QTest::newRow("16: OK e erro") << 16 << int(QMessageBox::Critical);
    QTest::newRow("desconhecido: OK sem icone") << 0x1234 << int(QMessageBox::NoIcon);
    QTest::newRow("botoes desconhecidos: OK sem icone") << 0x43 << int(QMessageBox::NoIcon);
}

void tst_DialogosQt::outrosCodigos() {
    QFETCH(int, botoes);
    QFETCH(int, icone);
    DialogosQt dialogos(janela_.get(), Titulo);
    Visto visto;
    Respondedor r([&](QWidget* caixa) {
        visto = observar(caixa);
        clicar(caixa, QStringLiteral("OK"));
    });

    QCOMPARE(dialogos.caixaDeMensagem(QStringLiteral("Aviso"), botoes), Dialogos::RespostaOk);
    QVERIFY(r.respondeu());
    QCOMPARE(int(visto.icone), icone);
    QCOMPARE(visto.botoes, QStringList{QStringLiteral("OK")});
    QCOMPARE(visto.titulo, Titulo);
}

void tst_DialogosQt::semJanelaAindaAbre() {
    DialogosQt dialogos(nullptr, Titulo);
    Visto visto;
    Respondedor r([&](QWidget* caixa) {
        visto = observar(caixa);
        clicar(caixa, QStringLiteral("Sim"));
    });
    QCOMPARE(dialogos.caixaDeMensagem(QStringLiteral("Continuar?"), Dialogos::SimNaoPergunta),
             Dialogos::RespostaSim);
    QVERIFY(r.respondeu());
    QCOMPARE(visto.pai, nullptr);
    QVERIFY(visto.modal);
    QCOMPARE(visto.titulo, Titulo);
}

void tst_DialogosQt::entradaDevolveOTextoDigitado() {
    DialogosQt dialogos(janela_.get(), Titulo);
    const QString prompt = QStringLiteral("Quantos números por série?");
    const QString digitado = QString::fromUtf8("12 ção \"x\"");
    Visto visto;
    Respondedor r([&](QWidget* caixa) {
        visto = observar(caixa);
        if (auto* campo = caixa->findChild<QLineEdit*>())
            digitar(campo, digitado);
        clicar(caixa, QStringLiteral("OK"));
    });

    const QString resposta = dialogos.caixaDeEntrada(prompt);

    QVERIFY(r.respondeu());
    QCOMPARE(resposta, digitado);
    QCOMPARE(visto.classe, QStringLiteral("QInputDialog"));
    QCOMPARE(visto.titulo, Titulo);
    QCOMPARE(visto.texto, prompt);
    QVERIFY(visto.valorInicial.isEmpty());
    QCOMPARE(visto.botoes, (QStringList{QStringLiteral("Cancelar"), QStringLiteral("OK")}));
    QCOMPARE(visto.pai, janela_.get());
    QVERIFY(visto.modal);
}

void tst_DialogosQt::entradaCanceladaDevolveVazio_data() {
    QTest::addColumn<int>("modo"); // 0 Cancelar, 1 Escape, 2 close
    QTest::newRow("Cancelar") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("fechar") << 2;
}

void tst_DialogosQt::entradaCanceladaDevolveVazio() {
    QFETCH(int, modo);
    DialogosQt dialogos(janela_.get(), Titulo);
    bool digitou = false;
    Respondedor r([&](QWidget* caixa) {
        if (auto* campo = caixa->findChild<QLineEdit*>()) {
            digitar(campo, QString::fromUtf8("texto descartado é"));
            digitou = true;
        }
        if (modo == 0)
            clicar(caixa, QStringLiteral("Cancelar"));
        else if (modo == 1)
            QTest::keyClick(caixa->focusWidget() ? caixa->focusWidget() : caixa, Qt::Key_Escape);
        else
            caixa->close();
        if (caixa->isVisible())
            clicar(caixa, QString());
    });

    const QString resposta = dialogos.caixaDeEntrada(QStringLiteral("Nome do arquivo:"));

    QVERIFY(r.respondeu());
    QVERIFY(digitou);
    QVERIFY2(resposta.isEmpty(), qPrintable(resposta));
}

void tst_DialogosQt::entradaAceitaSemTextoDevolveVazio() {
    DialogosQt dialogos(janela_.get(), Titulo);
    Respondedor r([](QWidget* caixa) { clicar(caixa, QStringLiteral("OK")); });
    const QString resposta = dialogos.caixaDeEntrada(QStringLiteral("Nome do arquivo:"));
    QVERIFY(r.respondeu());
    QVERIFY(resposta.isEmpty());
}

QTEST_MAIN(tst_DialogosQt)
#include "tst_dialogos_qt.moc"
