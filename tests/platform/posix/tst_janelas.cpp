// The fixed border as far as it can be seen without a window manager: the size bound it gives.
#include "platform/Janelas.h"

#include <QTest>
#include <QWidget>

using rodaleque::platform::JanelasDoSistema;

class tst_janelas : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bordaFixaSoLevantaOLimiteMaximizada();
};

void tst_janelas::bordaFixaSoLevantaOLimiteMaximizada() {
    QWidget janela;
    JanelasDoSistema janelas;
    const QSize tamanho(300, 200);
    janelas.BordaFixa(janela, tamanho);
    QCOMPARE(janela.minimumSize(), tamanho);
    QCOMPARE(janela.maximumSize(), tamanho);
    janela.setWindowState(Qt::WindowMaximized);
    QCOMPARE(janela.minimumSize(), tamanho);
    QCOMPARE(janela.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    janela.setWindowState(Qt::WindowNoState);
    QCOMPARE(janela.maximumSize(), tamanho);
    QCOMPARE(janela.size(), tamanho);
}

QTEST_MAIN(tst_janelas)
#include "tst_janelas.moc"
