// The window's life: start-up, one running copy, the close question, always on top, the
// animation switch, the shake and the placement of the panel.
#include "JanelaDeTeste.h"

#include <mainwindow/Leiaute.h>
#include <mainwindow/PainelResultados.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>

#include <QLabel>
#include <QScreen>
#include <QTest>

#include <cmath>

using namespace rodaleque;
using namespace rodaleque::teste;

class tst_ciclo_de_vida : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void inicioComoEntregue();
    void segundaCopiaChamaAPrimeiraESaiSemSerie();
    void chamadaDeOutraCopiaSoRestauraComOMesmoTitulo();
    void avisaUmaVezDoQueOSistemaDeJanelasNaoFaz_data();
    void avisaUmaVezDoQueOSistemaDeJanelasNaoFaz();
    void fecharSoPerguntaDepoisDeUmSorteio();
    void sempreVisivelPeloSistemaDeJanelas();
    void animarDuasVezesVoltaAoQueEra();
    void chacoalharMoveOPainelERenovaOsContadores();
    void reconstruirColunasNaoDeixaOutroEventoEntrar();
    void painelSegueOEstadoDaJanela();
    void naoMoveAJanelaAntesDeVelaMaximizada();
    void serieInterrompidaContinuaNaPartida();
};

namespace {
const QString legenda = QStringLiteral(" Rodaleque - 1.0.98");

// Counts the paints a widget receives.
struct ContadorDePinturas : QObject {
    explicit ContadorDePinturas(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        pinturas += e->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int pinturas = 0;
};

QTimer* timer(JanelaDeTeste& t, const char* nome) {
    return t.janela->temporizador(QString::fromLatin1(nome));
}

QByteArray conteudo(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void sortearUm(JanelaDeTeste& t) {
    t.informarParticipantes(QStringLiteral("20"));
    t.controle<QAbstractButton>("cmdSorteio")->click();
    QVERIFY(!t.janela->txtX().text().isEmpty());
}
} // namespace

void tst_ciclo_de_vida::inicioComoEntregue() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    QCOMPARE(t.janela->windowTitle(), legenda);
    QVERIFY(t.janela->isMaximized());
    QCOMPARE(timer(t, "Timer1")->interval(), 20);
    QVERIFY(timer(t, "Timer1")->isActive()); // the maximised layout switched it on
    QCOMPARE(t.janela->motor().estado().ConfirmaSaida, int16_t(1));
    QVERIFY(t.instancia.chamadas.isEmpty());
    QVERIFY(t.instancia.aoSerChamada_);
    const auto& code = t.janela->animacao().Code();
    QVERIFY(!code.front().Visible);
    QCOMPARE(code.front().Tag, QStringLiteral("a"));
    QVERIFY(code.size() > 1);
    // The entropy source seeded the generator before the first series.
    QCOMPARE(t.entropia.leituras, 2);
}

void tst_ciclo_de_vida::segundaCopiaChamaAPrimeiraESaiSemSerie() {
    JanelaDeTeste t;
    t.instancia.outraCopia = true;
    // The first copy's record of its series, which this one neither reads nor removes.
    QVERIFY(QDir().mkpath(QFileInfo(t.registroDaSerie()).path()));
    QFile registro(t.registroDaSerie());
    QVERIFY(registro.open(QIODevice::WriteOnly) && registro.write("primeira copia") > 0);
    registro.close();
    QVERIFY(!t.janela->Form_Load());
    QCOMPARE(conteudo(t.registroDaSerie()), QByteArray("primeira copia"));
    QCOMPARE(t.instancia.chamadas, QStringList{legenda});
    QCOMPARE(t.janela->windowTitle(), QString());
    QVERIFY(t.dialogos.mensagens.isEmpty());
    QVERIFY(t.janela->motor().estado().Arquivo.isEmpty());
    QCOMPARE(t.controle<QLabel>("lblSnum")->text(), QStringLiteral("Sorteio número:"));
    QVERIFY(!t.janela->isVisible());
}

void tst_ciclo_de_vida::chamadaDeOutraCopiaSoRestauraComOMesmoTitulo() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    QVERIFY(t.janela->isMaximized());
    t.instancia.aoSerChamada_(QStringLiteral(" Rodaleque - 2.0.0"), "id-1");
    QVERIFY(t.janela->isMaximized());
    t.instancia.aoSerChamada_(legenda, "id-2");
    QTRY_VERIFY(!t.janela->isMaximized());
    QVERIFY(t.janela->isVisible());
    QCOMPARE(t.janelas.trazidas, QByteArrayList{"id-2"});
}

// Where the window system will not do it, the person is told once, not at every attempt; a
// launcher's token may still bring the window forward, and then nothing is said.
void tst_ciclo_de_vida::avisaUmaVezDoQueOSistemaDeJanelasNaoFaz_data() {
    using Poder = platform::Janelas::Poder;
    QTest::addColumn<QList<Poder>>("negados");
    QTest::addColumn<QByteArray>("ficha");
    QTest::addColumn<int>("avisos");
    QTest::newRow("X11") << QList<Poder>{} << QByteArray() << 0;
    QTest::newRow("Mutter, maximised") << QList<Poder>{Poder::FicarAcimaMaximizada}
                                       << QByteArray() << 1;
    const QList<Poder> wayland{Poder::FicarAcima, Poder::FicarAcimaMaximizada,
                               Poder::VirParaFrente};
    QTest::newRow("Wayland") << wayland << QByteArray() << 2;
    QTest::newRow("Wayland, with a launcher's token") << wayland << QByteArray("token") << 1;
}

void tst_ciclo_de_vida::avisaUmaVezDoQueOSistemaDeJanelasNaoFaz() {
    QFETCH(QList<platform::Janelas::Poder>, negados);
    QFETCH(QByteArray, ficha);
    QFETCH(int, avisos);
    JanelaDeTeste t;
    t.janelas.negados = negados;
    QVERIFY(t.abrir());
    auto* chk1 = t.controle<QCheckBox>("chk1");
    for (int vez = 0; vez < 2; ++vez) {
        chk1->click();
        chk1->click();
        t.instancia.aoSerChamada_(legenda, ficha);
    }
    QCOMPARE(t.dialogos.mensagens.size(), avisos);
    QCOMPARE(t.janelas.chamadasAcima, (std::vector<bool>{true, false, true, false}));
    QCOMPARE(t.janelas.trazidas.size(), 2);
}

void tst_ciclo_de_vida::fecharSoPerguntaDepoisDeUmSorteio() {
    {
        JanelaDeTeste t;
        QVERIFY(t.abrir());
        QVERIFY(t.janela->close());
        QVERIFY(t.dialogos.mensagens.isEmpty());
    }
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    sortearUm(t);
    QVERIFY(QFileInfo::exists(t.registroDaSerie()));
    t.dialogos.respostasMensagem.push_back(platform::Dialogos::RespostaNao);
    QVERIFY(!t.janela->close());
    QVERIFY(QFileInfo::exists(t.registroDaSerie()));
    QCOMPARE(t.dialogos.mensagens, QStringList{QStringLiteral("Deseja realmente sair do programa?")});
    QCOMPARE(t.dialogos.codigos, std::vector<int>{platform::Dialogos::SimNaoPergunta});
    QVERIFY(t.janela->isVisible());
    QCOMPARE(t.janela->lstN().listCount(), 1);

    t.dialogos.respostasMensagem.push_back(platform::Dialogos::RespostaSim);
    QVERIFY(t.janela->close());
    QVERIFY(!t.janela->isVisible());
    QVERIFY2(!QFileInfo::exists(t.registroDaSerie()), "a series ended is nothing to go on with");
}

void tst_ciclo_de_vida::sempreVisivelPeloSistemaDeJanelas() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    auto* chk1 = t.controle<QCheckBox>("chk1");
    chk1->click();
    chk1->click();
    QCOMPARE(t.janelas.chamadasAcima, (std::vector<bool>{true, false}));
}

void tst_ciclo_de_vida::animarDuasVezesVoltaAoQueEra() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    t.informarParticipantes(QStringLiteral("20"));
    auto* cmdAnimar = t.controle<QAbstractButton>("cmdAnimar");
    cmdAnimar->click();
    QVERIFY(!timer(t, "Timer1")->isActive());
    QVERIFY(timer(t, "Timer2")->isActive());
    cmdAnimar->click();
    QVERIFY(timer(t, "Timer1")->isActive());
    QVERIFY(!timer(t, "Timer2")->isActive());
    QVERIFY(!timer(t, "tmpCor")->isActive());
    QCOMPARE(t.janela->focusWidget(), t.controle<QWidget>("cmdSorteio"));
}

void tst_ciclo_de_vida::chacoalharMoveOPainelERenovaOsContadores() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    QWidget* pct1 = t.controle<QWidget>("pct1");
    auto* cmdChacoalhar = t.controle<QAbstractButton>("cmdChacoalhar");
    const QPoint inicio = pct1->pos();
    const QPointF inicioEmTwips = t.janela->posicaoDoPainel();

    // Nothing drawn yet: only the focus moves (the draw button is not enabled yet, either).
    const EstadoSorteio antes = t.janela->motor().estado();
    cmdChacoalhar->click();
    QVERIFY(t.janelas.pausas.empty());
    QCOMPARE(t.janela->motor().estado().Giro1, antes.Giro1);

    sortearUm(t);
    // At every pause: where the panel is, and whether the screen already shows it there.
    struct Pausa {
        double left;
        int pinturas;
    };
    std::vector<Pausa> vistas;
    ContadorDePinturas contador(pct1);
    t.janelas.aoPausar = [&](int) {
        vistas.push_back({t.janela->posicaoDoPainel().x(), contador.pinturas});
    };
    cmdChacoalhar->click();
    QCOMPARE(t.janelas.pausas, std::vector<int>(44, 25));
    for (std::size_t k = 0; k < vistas.size(); ++k) {
        const bool deslocado = (k / 2) % 2 == 1;
        QCOMPARE(vistas[k].left, inicioEmTwips.x() + (deslocado ? 80 : 0));
        // Each move was painted before the pause that follows it, with no event let in.
        if (k > 0 && k % 2 == 0)
            QVERIFY(vistas[k].pinturas > vistas[k - 1].pinturas);
    }
    QCOMPARE(pct1->pos(), inicio);
    QCOMPARE(t.janela->posicaoDoPainel(), inicioEmTwips);
    const EstadoSorteio& e = t.janela->motor().estado();
    QVERIFY(e.Giro1 >= 1 && e.Giro1 <= 21);
    QVERIFY(e.Giro2 >= 1 && e.Giro2 <= 21);
    QCOMPARE(t.janela->focusWidget(), t.controle<QWidget>("cmdSorteio"));
}

void tst_ciclo_de_vida::reconstruirColunasNaoDeixaOutroEventoEntrar() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    bool rodou = false;
    QMetaObject::invokeMethod(t.janela.get(), [&] { rodou = true; }, Qt::QueuedConnection);
    QVERIFY(t.janela->animacao().MontarColunas());
    QVERIFY(!rodou);
    QTRY_VERIFY(rodou);
}

void tst_ciclo_de_vida::painelSegueOEstadoDaJanela() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    const QSizeF tela = QSizeF(t.janela->screen()->geometry().size()) * 15;
    const QPointF maximizado = janela::leiaute::painelMaximizado(
        tela, QSizeF(janela::leiaute::larguraDoPainel, janela::leiaute::alturaDoPainel));
    QCOMPARE(t.janela->posicaoDoPainel(), maximizado);

    t.controle<QAbstractButton>("cmdAnimar")->click(); // Timer1 off, as the operator may leave it
    // Centred by its outer size: the frame the window system says it draws.
    t.janelas.molduraDaJanela = QMargins(3, 22, 3, 3);
    t.janela->showNormal();
    QTRY_COMPARE(t.janela->posicaoDoPainel(), QPointF(30, 30));
    const QRect area = t.janela->screen()->geometry();
    // Placed once the restore has brought the window back to its size, not at the maximised
    // size it had a moment before.
    QTRY_VERIFY(!t.janelas.cantos.empty());
    QCOMPARE(t.janela->size(), QSize(719, 480));
    QCOMPARE(t.janelas.cantos.back(),
             area.topLeft() + QPoint(int(std::lround((area.width() - 725) / 2.0)),
                                     int(std::lround((area.height() - 505) / 2.0))));
    QVERIFY(!timer(t, "Timer1")->isActive());
    t.janela->showMaximized();
    QTRY_COMPARE(t.janela->posicaoDoPainel(), maximizado);
    QVERIFY(timer(t, "Timer1")->isActive()); // maximising switches the rain on again
}

// Mutter maps a window asked to be maximised in the normal state, and maximises it after: a
// move meanwhile would make it give the maximise up. Only when no maximise comes is the
// window placed as it is.
void tst_ciclo_de_vida::naoMoveAJanelaAntesDeVelaMaximizada() {
    JanelaDeTeste t;
    QVERIFY(t.janela->Form_Load());
    t.janela->setWindowState(Qt::WindowNoState);
    t.janela->show();
    QTest::qWait(500);
    QVERIFY(t.janelas.cantos.empty());
    QTRY_VERIFY_WITH_TIMEOUT(!t.janelas.cantos.empty(), 3000);
}

QTEST_MAIN(tst_ciclo_de_vida)
#include "tst_ciclo_de_vida.moc"

// The program dies mid-series; started again, it offers the series, and on Yes the window is
// as the draws left it, the show running, and the next draw goes on in the same file.
void tst_ciclo_de_vida::serieInterrompidaContinuaNaPartida() {
    JanelaDeTeste antes;
    QVERIFY(antes.abrir());
    antes.informarParticipantes(QStringLiteral("30"));
    for (int i = 0; i < 5; ++i)
        antes.controle<QAbstractButton>("cmdSorteio")->click();
    const QString arquivo = antes.janela->motor().estado().Arquivo;
    QStringList painel;
    for (int i = 0; i < antes.janela->lstN().listCount(); ++i)
        painel << antes.controle<janela::PainelResultados>("lstN")->itemText(i);
    const QByteArray registro = conteudo(antes.registroDaSerie());
    antes.janela.reset(); // gone, with no close of any kind

    JanelaDeTeste depois;
    QVERIFY(QDir().mkpath(QFileInfo(depois.registroDaSerie()).path()));
    QFile copia(depois.registroDaSerie());
    QVERIFY(copia.open(QIODevice::WriteOnly) && copia.write(registro) == registro.size());
    copia.close();
    depois.dialogos.respostasMensagem.push_back(platform::Dialogos::RespostaSim);
    QVERIFY(depois.abrir());
    QCOMPARE(depois.dialogos.mensagens.size(), 1);
    QVERIFY(depois.dialogos.mensagens[0].startsWith(
        QStringLiteral("A série 1 foi interrompida com 5 números sorteados de 30.")));
    QCOMPARE(depois.janela->motor().estado().Arquivo, arquivo);
    QCOMPARE(depois.janela->lstN().listCount(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(depois.controle<janela::PainelResultados>("lstN")->itemText(i), painel[i]);
    QVERIFY(timer(depois, "Timer1")->isActive());
    QVERIFY(timer(depois, "sorter")->isActive());
    auto* cmdSorteio = depois.controle<QAbstractButton>("cmdSorteio");
    QVERIFY(cmdSorteio->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), cmdSorteio);
    cmdSorteio->click();
    QCOMPARE(conteudo(arquivo).count("\r\n"), 6);
}
