// The About window as the operator meets it: opened by a click on the main window's image,
// modal, and gone again once closed.
#include "mainwindow/JanelaDeTeste.h"

#include <engine/Produto.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace rodaleque;
using namespace rodaleque::teste;

namespace {

QPoint centroNaJanela(QWidget* w) {
    return w->mapTo(w->window(), w->rect().center());
}

void clicarNaJanela(QWidget* w) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {}, centroNaJanela(w));
}

QColor fundo(QWidget* w) {
    return w->palette().color(w->backgroundRole());
}

} // namespace

class tst_Sobre : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void geometriaComoConstruida_data();
    void geometriaComoConstruida();
    void textosEAparenciaDepoisDeCarregar();
    void abreModalPeloCliqueNaImagemEPedeFicarAcima();
    void rotuloOk_data();
    void rotuloOk();
    void fecharDestroiEDevolveAEntrada_data();
    void fecharDestroiEDevolveAEntrada();
    void nemEscNemEnterFecham();
    void filtrosDeTeclas_data();
    void filtrosDeTeclas();
    void ctrlCCopiaASelecao_data();
    void ctrlCCopiaASelecao();
    void cliqueEmTxtMailSelecionaTudo();
    void novaAberturaMostraOsTextosDeOrigem();

private:
    // Opens the window as the main window does and runs the steps while it is open; closes it
    // if they left it open. Returns once the opening handler has returned.
    void comSobreAberto(const std::function<void(QDialog&)>& passos);
    template <typename T> T* controle(QDialog& sobre, const char* nome) {
        return sobre.findChild<T*>(QString::fromLatin1(nome));
    }

    std::unique_ptr<JanelaDeTeste> t_;
};

void tst_Sobre::init() {
    t_ = std::make_unique<JanelaDeTeste>();
    QVERIFY(t_->abrir());
}

void tst_Sobre::cleanup() {
    // Looked for while the main window still lives: the About window is its child and would
    // otherwise go away with it, hiding the leak.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool sobrou = !t_->janela->findChildren<QDialog*>().isEmpty();
    t_.reset();
    QVERIFY(!sobrou);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Sobre::comSobreAberto(const std::function<void(QDialog&)>& passos) {
    bool aberto = false;
    QTimer::singleShot(0, this, [&] {
        QPointer<QDialog> sobre = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        aberto = sobre && sobre->objectName() == QLatin1String("frmSobre");
        if (aberto)
            passos(*sobre);
        if (sobre && sobre->isVisible())
            sobre->close();
    });
    t_->janela->s_Click();
    QVERIFY(aberto);
}

void tst_Sobre::geometriaComoConstruida_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QRect>("esperado");
    // Twips over 15, rounded.
    QTest::newRow("txtSite") << QStringLiteral("txtSite") << QRect(6, 88, 351, 21);
    QTest::newRow("txtMail") << QStringLiteral("txtMail") << QRect(42, 142, 171, 19);
    QTest::newRow("vexo") << QStringLiteral("vexo") << QRect(6, 126, 32, 32);
    QTest::newRow("imgQz") << QStringLiteral("imgQz") << QRect(116, 72, 80, 15);
    QTest::newRow("Label2") << QStringLiteral("Label2") << QRect(6, 72, 135, 17);
    QTest::newRow("lblOk") << QStringLiteral("lblOk") << QRect(143, 170, 79, 17);
    QTest::newRow("Shape1, 2 px around lblOk")
        << QStringLiteral("Shape1") << QRect(141, 168, 83, 21);
    QTest::newRow("imgIcon") << QStringLiteral("imgIcon") << QRect(8, 10, 48, 48);
    QTest::newRow("Line1") << QStringLiteral("Line1") << QRect(8, 66, 348, 1);
    QTest::newRow("lblVersao") << QStringLiteral("lblVersao") << QRect(64, 24, 107, 17);
    QTest::newRow("lblName") << QStringLiteral("lblName") << QRect(64, 8, 293, 17);
}

void tst_Sobre::geometriaComoConstruida() {
    QFETCH(QString, nome);
    QFETCH(QRect, esperado);
    comSobreAberto([&](QDialog& sobre) {
        QWidget* w = sobre.findChild<QWidget*>(nome);
        QVERIFY2(w, qPrintable(nome));
        QCOMPARE(w->geometry(), esperado);
    });
}

void tst_Sobre::textosEAparenciaDepoisDeCarregar() {
    comSobreAberto([&](QDialog& sobre) {
        QCOMPARE(sobre.windowTitle(), QStringLiteral(" Sobre: ") + produto::nome());
        QCOMPARE(controle<QLabel>(sobre, "lblName")->text(), produto::nome());
        QCOMPARE(controle<QLabel>(sobre, "lblVersao")->text(),
                 QStringLiteral("Versão: ") + produto::versao());
        QCOMPARE(controle<QLabel>(sobre, "Label2")->text(), QStringLiteral("Distribuído por:"));
        QCOMPARE(controle<QLabel>(sobre, "Label6")->text(), QStringLiteral("Desenvolvido por:"));
        for (const char* nome : {"Label4", "Label6"}) { // sized to their captions
            auto* rotulo = controle<QLabel>(sobre, nome);
            QVERIFY2(!rotulo->text().isEmpty() && rotulo->size() == rotulo->sizeHint(), nome);
        }
        QVERIFY(controle<QLineEdit>(sobre, "txtSite")->text().contains(u"example.com"));
        QVERIFY(controle<QLineEdit>(sobre, "txtMail")->text().endsWith(u"@example.com"));

        QCOMPARE(sobre.windowIcon().cacheKey(), t_->janela->windowIcon().cacheKey());
        QCOMPARE(controle<QLabel>(sobre, "imgIcon")->pixmap().size(), QSize(48, 48));
        QCOMPARE(controle<QLabel>(sobre, "imgQz")->pixmap().size(), QSize(80, 15));
        QCOMPARE(controle<QLabel>(sobre, "vexo")->pixmap().size(), QSize(32, 32));

        const QColor cinza(135, 152, 160);
        QCOMPARE(fundo(&sobre), cinza);
        QCOMPARE(controle<QLineEdit>(sobre, "txtMail")->palette().color(QPalette::Base), cinza);
        auto* lblOk = controle<QLabel>(sobre, "lblOk");
        QCOMPARE(lblOk->text(), QStringLiteral("OK"));
        QCOMPARE(fundo(lblOk), QColor(82, 99, 107));
        QCOMPARE(lblOk->palette().color(QPalette::WindowText), QColor(Qt::white));
        // The frame shows 2 px of Shape1 around the label: black edge, then the label's colour.
        const QImage imagem = sobre.grab().toImage();
        QCOMPARE(imagem.pixelColor(141, 178), QColor(Qt::black));
        QCOMPARE(imagem.pixelColor(142, 178), QColor(82, 99, 107));
        QCOMPARE(imagem.pixelColor(100, 66), QColor(Qt::black)); // Line1

        // Fixed dialog border, no minimise or maximise.
        QCOMPARE(sobre.minimumSize(), QSize(364, 198));
        QCOMPARE(sobre.maximumSize(), QSize(364, 198));
        QVERIFY(sobre.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(
            !(sobre.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QStringList focaveis;
        for (QWidget* w : sobre.findChildren<QWidget*>())
            if (w->focusPolicy() != Qt::NoFocus)
                focaveis << w->objectName();
        focaveis.sort();
        QCOMPARE(focaveis, (QStringList{QStringLiteral("txtMail"), QStringLiteral("txtSite")}));
    });
}

// A click on s opens it, modal and owned by the main window; the click's handler returns only
// once it is closed. Loading asks to stay on top and for no task bar button, and centres the
// window with the frame it will have.
void tst_Sobre::abreModalPeloCliqueNaImagemEPedeFicarAcima() {
    bool cliqueVoltou = false;
    bool vistoAberto = false;
    t_->janelas.molduraDaJanela = QMargins(3, 22, 3, 3);
    t_->janelas.cantos.clear();
    QTimer::singleShot(0, this, [&] {
        auto* sobre = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(sobre);
        vistoAberto = !cliqueVoltou;
        QCOMPARE(sobre->parentWidget(), t_->janela.get());
        QCOMPARE(sobre->windowModality(), Qt::ApplicationModal);
        QCOMPARE(t_->janelas.chamadasAcima, std::vector<bool>{true});
        QCOMPARE(t_->janelas.semBotaoNaBarra, std::vector<const QWidget*>{sobre});
        QVERIFY(!t_->janelas.cantos.empty());
        const QRect fora(t_->janelas.cantos.back(), QSize(364 + 6, 198 + 25));
        const QPoint desvio = fora.center() - sobre->screen()->geometry().center();
        QVERIFY(qAbs(desvio.x()) <= 1 && qAbs(desvio.y()) <= 1);
        QTest::mouseClick(controle<QLabel>(*sobre, "lblOk")->window()->windowHandle(),
                          Qt::LeftButton, {}, centroNaJanela(controle<QLabel>(*sobre, "lblOk")));
    });
    QVERIFY(t_->janelas.chamadasAcima.empty());
    clicarNaJanela(t_->controle<QWidget>("s"));
    cliqueVoltou = true;
    QVERIFY(vistoAberto);
}

void tst_Sobre::rotuloOk_data() {
    QTest::addColumn<int>("botao");
    QTest::addColumn<QPoint>("soltoEm"); // from the label's centre
    QTest::addColumn<bool>("fecha");
    QTest::newRow("left, released over it") << int(Qt::LeftButton) << QPoint(0, 0) << true;
    QTest::newRow("left, released off it") << int(Qt::LeftButton) << QPoint(-120, 0) << false;
    QTest::newRow("right, released over it") << int(Qt::RightButton) << QPoint(0, 0) << false;
}

void tst_Sobre::rotuloOk() {
    QFETCH(int, botao);
    QFETCH(QPoint, soltoEm);
    QFETCH(bool, fecha);
    comSobreAberto([&](QDialog& sobre) {
        QPointer<QLabel> lblOk = controle<QLabel>(sobre, "lblOk");
        QWindow* janela = sobre.windowHandle();
        const QPoint centro = centroNaJanela(lblOk);
        QTest::mousePress(janela, Qt::MouseButton(botao), {}, centro);
        QCOMPARE(fundo(lblOk), QColor(34, 51, 59));
        QVERIFY(sobre.isVisible());
        // Closing may already have destroyed the window by the time the release returns.
        QPointer<QDialog> aberto = &sobre;
        QTest::mouseRelease(janela, Qt::MouseButton(botao), {}, centro + soltoEm);
        QCOMPARE(aberto && aberto->isVisible(), !fecha);
        if (lblOk)
            QCOMPARE(fundo(lblOk), QColor(82, 99, 107));
    });
}

void tst_Sobre::fecharDestroiEDevolveAEntrada_data() {
    QTest::addColumn<bool>("peloOk");
    QTest::newRow("lblOk") << true;
    QTest::newRow("title bar close button") << false;
}

// While it is open the main window takes no input; closing it destroys it and gives the
// main window back the input, whichever way it is closed, and closing again does nothing.
void tst_Sobre::fecharDestroiEDevolveAEntrada() {
    QFETCH(bool, peloOk);
    QPointer<QDialog> aberto;
    comSobreAberto([&](QDialog& sobre) {
        aberto = &sobre;
        clicarNaJanela(t_->controle<QWidget>("cmdX"));
        QTest::keyClick(t_->janela->windowHandle(), Qt::Key_I, Qt::AltModifier);
        QVERIFY(t_->dialogos.perguntas.isEmpty());
        if (peloOk)
            clicarNaJanela(controle<QLabel>(sobre, "lblOk"));
        else
            sobre.windowHandle()->close();
        QVERIFY(!aberto || !aberto->isVisible());
        if (aberto)
            QVERIFY(aberto->close());
    });
    QTRY_VERIFY(aberto.isNull());
    QTRY_VERIFY(t_->janela->isActiveWindow());
    clicarNaJanela(t_->controle<QWidget>("cmdX"));
    QCOMPARE(t_->dialogos.perguntas.size(), 1);
}

void tst_Sobre::nemEscNemEnterFecham() {
    comSobreAberto([&](QDialog& sobre) {
        for (QWidget* alvo :
             std::initializer_list<QWidget*>{&sobre, controle<QWidget>(sobre, "txtSite"),
                                             controle<QWidget>(sobre, "txtMail")}) {
            alvo->setFocus();
            for (Qt::Key tecla : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
                QTest::keyClick(alvo, tecla);
            QVERIFY2(sobre.isVisible(), qPrintable(alvo->objectName()));
        }
    });
}

void tst_Sobre::filtrosDeTeclas_data() {
    QTest::addColumn<QString>("caixa");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("modificadores");
    QTest::addColumn<QString>("texto"); // null: as QTest types the key
    QTest::addColumn<bool>("muda");
    struct Linha {
        const char* nome;
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        bool mudaTxtMail;
        QString texto = {};
    };
    // Typed characters do nothing in either box; keys that type none act in txtMail only.
    for (const Linha& l : {Linha{"letter", Qt::Key_X, {}, false},
                           {"Backspace", Qt::Key_Backspace, {}, false},
                           {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, false},
                           {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, false},
                           {"Delete", Qt::Key_Delete, {}, true},
                           // X11 sends Delete with a DEL character, which Windows does not type.
                           {"Delete from X11", Qt::Key_Delete, {}, true, QStringLiteral("\x7f")},
                           {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, true},
                           {"Left", Qt::Key_Left, {}, true}}) {
        for (const char* caixa : {"txtSite", "txtMail"}) {
            const bool muda = l.mudaTxtMail && caixa == std::string_view("txtMail");
            QTest::addRow("%s in %s", l.nome, caixa) << QString::fromLatin1(caixa) << int(l.tecla)
                                                     << int(l.modificadores) << l.texto << muda;
        }
    }
}

void tst_Sobre::filtrosDeTeclas() {
    QFETCH(QString, caixa);
    QFETCH(int, tecla);
    QFETCH(int, modificadores);
    QFETCH(QString, texto);
    QFETCH(bool, muda);
    QApplication::clipboard()->setText(QStringLiteral("colado"));
    comSobreAberto([&](QDialog& sobre) {
        auto* box = sobre.findChild<QLineEdit*>(caixa);
        box->setFocus();
        box->setSelection(2, 5);
        const auto estado = [box] { return std::pair(box->text(), box->selectionStart()); };
        const auto antes = estado();
        const auto m = Qt::KeyboardModifiers(modificadores);
        if (texto.isNull())
            QTest::keyClick(box, Qt::Key(tecla), m);
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key(tecla), texto, m);
        QCOMPARE(estado() != antes, muda);
    });
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("colado")); // Ctrl+X cut nothing
}

void tst_Sobre::ctrlCCopiaASelecao_data() {
    QTest::addColumn<QString>("caixa");
    QTest::newRow("txtSite") << QStringLiteral("txtSite");
    QTest::newRow("txtMail") << QStringLiteral("txtMail");
}

void tst_Sobre::ctrlCCopiaASelecao() {
    QFETCH(QString, caixa);
    QApplication::clipboard()->clear();
    comSobreAberto([&](QDialog& sobre) {
        auto* box = sobre.findChild<QLineEdit*>(caixa);
        const QString texto = box->text();
        box->setSelection(3, 6);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), texto.mid(3, 6));
        QCOMPARE(box->text(), texto);
    });
}

void tst_Sobre::cliqueEmTxtMailSelecionaTudo() {
    comSobreAberto([&](QDialog& sobre) {
        auto* txtMail = controle<QLineEdit>(sobre, "txtMail");
        auto* txtSite = controle<QLineEdit>(sobre, "txtSite");
        clicarNaJanela(txtMail);
        QCOMPARE(txtMail->selectedText(), txtMail->text());
        clicarNaJanela(txtSite);
        QVERIFY(!txtSite->hasSelectedText());
    });
}

// Each opening builds the window anew: what Delete did to txtMail is gone, and loading asks
// again to stay on top.
void tst_Sobre::novaAberturaMostraOsTextosDeOrigem() {
    QString original;
    QPointer<QDialog> primeira;
    comSobreAberto([&](QDialog& sobre) {
        primeira = &sobre;
        auto* txtMail = controle<QLineEdit>(sobre, "txtMail");
        original = txtMail->text();
        txtMail->setCursorPosition(0);
        QTest::keyClick(txtMail, Qt::Key_Delete);
        QCOMPARE(txtMail->text(), original.mid(1));
    });
    QTRY_VERIFY(primeira.isNull());
    comSobreAberto([&](QDialog& sobre) {
        QCOMPARE(controle<QLineEdit>(sobre, "txtMail")->text(), original);
        QCOMPARE(sobre.windowTitle(), QStringLiteral(" Sobre: ") + produto::nome());
    });
    QCOMPARE(t_->janelas.chamadasAcima, (std::vector<bool>{true, true}));
}

QTEST_MAIN(tst_Sobre)
#include "tst_sobre.moc"
