// The fixed border as far as it can be seen without a window manager: maximise stays on offer
// (no upper bound on the size), and a drag of the border in the normal state is undone once
// it is over, but never while it goes on, nor in a maximised window.
#include "platform/Janelas.h"
#include "platform/SistemaDeJanelas.h"

#include <QTest>
#include <QWidget>

using rodaleque::platform::JanelasDoSistema;
using rodaleque::platform::mensagemSemSistemaDeJanelas;
using rodaleque::platform::plataformaPara;

class tst_janelas : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bordaFixaDesfazOArrastoENaoImpedeMaximizar();
    void escolheOSistemaDeJanelas_data();
    void escolheOSistemaDeJanelas();
    void semSistemaDeJanelasDizPorQue();
};

// X11 wherever a display answers, a Wayland session's Xwayland too; what the person named
// always wins; nothing where nothing answers.
void tst_janelas::escolheOSistemaDeJanelas_data() {
    QTest::addColumn<QByteArray>("pedida");
    QTest::addColumn<bool>("x");
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<QByteArray>("escolhida");
    QTest::newRow("X11 session") << QByteArray() << true << false << QByteArray("xcb");
    QTest::newRow("Wayland with Xwayland") << QByteArray() << true << true
                                           << QByteArray("xcb;wayland");
    QTest::newRow("Wayland alone") << QByteArray() << false << true << QByteArray("wayland");
    QTest::newRow("nothing") << QByteArray() << false << false << QByteArray();
    QTest::newRow("named by the person") << QByteArray("wayland") << true << true
                                         << QByteArray("wayland");
    QTest::newRow("named, with nothing there") << QByteArray("xcb") << false << false
                                               << QByteArray("xcb");
}

void tst_janelas::escolheOSistemaDeJanelas() {
    QFETCH(QByteArray, pedida);
    QFETCH(bool, x);
    QFETCH(bool, wayland);
    QFETCH(QByteArray, escolhida);
    QCOMPARE(plataformaPara(pedida, x, wayland), escolhida);
}

void tst_janelas::semSistemaDeJanelasDizPorQue() {
    QVERIFY(mensagemSemSistemaDeJanelas({}).contains(QStringLiteral("DISPLAY")));
    QVERIFY(mensagemSemSistemaDeJanelas("xcb;wayland").contains(QStringLiteral("qt6-wayland")));
    QVERIFY(!mensagemSemSistemaDeJanelas("xcb").contains(QStringLiteral("qt6-wayland")));
}

void tst_janelas::bordaFixaDesfazOArrastoENaoImpedeMaximizar() {
    QWidget janela;
    JanelasDoSistema janelas;
    const QSize tamanho(300, 200);
    janelas.BordaFixa(janela, tamanho);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    QCOMPARE(janela.size(), tamanho);
    QCOMPARE(janela.minimumSize(), tamanho);
    QCOMPARE(janela.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    // A drag: one size after another, each within moments of the last, then nothing.
    for (int passo = 1; passo <= 5; ++passo) {
        janela.resize(tamanho + QSize(20, 10) * passo);
        QTest::qWait(60);
    }
    QCOMPARE(janela.size(), QSize(400, 250));
    QTRY_COMPARE_WITH_TIMEOUT(janela.size(), tamanho, 2000);

    janela.showMaximized();
    QTRY_VERIFY(janela.size() != tamanho);
    const QSize maximizada = janela.size();
    QTest::qWait(600);
    QCOMPARE(janela.size(), maximizada);

    janela.showNormal();
    QTRY_COMPARE(janela.size(), tamanho);
}

QTEST_MAIN(tst_janelas)
#include "tst_janelas.moc"
