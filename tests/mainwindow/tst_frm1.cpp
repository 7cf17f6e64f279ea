#include "JanelaDeTeste.h"

#include <registro/Formato.h>
#include <registro/Verificacao.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace rodaleque;
using namespace rodaleque::teste;

class tst_frm1 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void geometriaComoConstruida_data();
    void geometriaComoConstruida();
    void textosCoresEEstadosComoConstruidos();
    void bolasNumeradasEspelhadasNoTamborDireito();
    void temporizadoresComoConstruidos();
    void ordemDeTabulacaoEFocoInicial();
    void inicioPreparaAPrimeiraSerie();
    void bolasECountersGuardamSuasCoresEPintamUmaVezPorQuadro();
    void contadoresGiramDepoisDaContagem();
    void caixasDeExibicaoNaoAceitamDigitacao();
    void cliqueNasCaixasDevolveOFocoAoSorteio();
    void serieInteiraComEnter();
    void faixaGuardaTodosOsTracosMasSoDesenhaOInicio();
    void naoRedimensionaMasMaximiza();
    void botaoDesabilitadoPareceDesabilitado();
    void cliqueNoEnderecoDepoisDeFalhaSelecionaOCaminho();
    void menuDeComandosEAtalhos();
    void telaoSegueASerieSemTirarAsTeclasDaJanela();
};

void tst_frm1::geometriaComoConstruida_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QRect>("esperado");
    // Twips over 15, rounded: the built layout in pixels.
    QTest::newRow("pct1") << QStringLiteral("pct1") << QRect(2, 2, 717, 477);
    QTest::newRow("txtX") << QStringLiteral("txtX") << QRect(146, 56, 233, 101);
    QTest::newRow("txtPart") << QStringLiteral("txtPart") << QRect(538, 22, 169, 37);
    QTest::newRow("txtBar") << QStringLiteral("txtBar") << QRect(-2, 180, 529, 32);
    QTest::newRow("lstN") << QStringLiteral("lstN") << QRect(6, 260, 703, 189);
    QTest::newRow("cmdSorteio") << QStringLiteral("cmdSorteio") << QRect(538, 134, 169, 71);
    QTest::newRow("cmdLocalizar") << QStringLiteral("cmdLocalizar") << QRect(168, 0, 83, 37);
    QTest::newRow("pictGlobo(1)") << QStringLiteral("pictGlobo(1)") << QRect(386, 24, 143, 159);
    QTest::newRow("lblPos") << QStringLiteral("lblPos") << QRect(6, 452, 173, 19);
    QTest::newRow("s") << QStringLiteral("s") << QRect(674, 222, 32, 32);
    // Added below the number drawn, in its light panel, where nothing stood.
    QTest::newRow("lblCodigo") << QStringLiteral("lblCodigo") << QRect(146, 158, 233, 18);
}

void tst_frm1::geometriaComoConstruida() {
    QFETCH(QString, nome);
    QFETCH(QRect, esperado);
    JanelaDeTeste t;
    QWidget* w = t.janela->findChild<QWidget*>(nome);
    QVERIFY2(w, qPrintable(nome));
    QCOMPARE(w->geometry(), esperado);
}

void tst_frm1::textosCoresEEstadosComoConstruidos() {
    JanelaDeTeste t;
    QCOMPARE(t.janela->windowTitle(), QStringLiteral(" RODALEQUE"));
    QCOMPARE(t.janela->size(), QSize(719, 480));
    auto* txtX = t.controle<QLineEdit>("txtX");
    QCOMPARE(txtX->text(), QStringLiteral("99999"));
    QCOMPARE(txtX->maxLength(), 6);
    QCOMPARE(txtX->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(txtX->palette().color(QPalette::Text), QColor(64, 64, 64));
    QCOMPARE(txtX->font().pointSizeF(), 60.0);
    QVERIFY(txtX->font().bold());
    QCOMPARE(t.controle<QLineEdit>("txtBar")->palette().color(QPalette::Text), QColor(0, 255, 255));
    // The file's path keeps a text box's sunken border; the other display boxes are flat.
    QVERIFY(t.controle<QLineEdit>("txtEnder")->hasFrame());
    for (const char* nome : {"txtX", "txtPart", "txtBar"})
        QVERIFY2(!t.controle<QLineEdit>(nome)->hasFrame(), nome);

    auto* cmdSorteio = t.controle<QAbstractButton>("cmdSorteio");
    QCOMPARE(cmdSorteio->text(), QStringLiteral("&Sortear!"));
    QVERIFY(!cmdSorteio->isEnabled());
    QCOMPARE(cmdSorteio->toolTip(), QStringLiteral("Clique para sortear"));
    QCOMPARE(cmdSorteio->palette().color(QPalette::Button), QColor(212, 208, 200));
    QCOMPARE(t.controle<QAbstractButton>("cmdX")->toolTip(),
             QStringLiteral("Clique para inserir o número de partipantes"));
    QCOMPARE(t.controle<QAbstractButton>("cmdChacoalhar")->text(),
             QStringLiteral("(( &Chacoalhar ))"));
    QCOMPARE(t.controle<QAbstractButton>("chk1")->text(), QStringLiteral("S&empre Visível"));
    QVERIFY(!t.controle<QAbstractButton>("chk1")->isChecked());

    QCOMPARE(t.controle<QLabel>("lblSorteio")->text(), QStringLiteral("NÚMERO SORTEADO"));
    QCOMPARE(t.controle<QLabel>("lblSnum")->text(), QStringLiteral("Sorteio número:"));
    QCOMPARE(t.controle<QLabel>("s")->toolTip(), QStringLiteral("Clique!"));
    QVERIFY(!t.controle<QLabel>("s")->pixmap().isNull());
    QCOMPARE(t.controle<QLabel>("s")->pixmap().size(), QSize(32, 32));
    QCOMPARE(cmdSorteio->icon().availableSizes().value(0), QSize(32, 32));
    QVERIFY(!t.janela->windowIcon().isNull());

    for (const char* nome : {"Picture1", "pictGlobo(0)", "pictGlobo(1)"})
        QVERIFY2(!t.janela->findChild<QWidget*>(QString::fromLatin1(nome))->isEnabled(), nome);
    QCOMPARE(t.janela->lstN().listCount(), 0);
}

void tst_frm1::bolasNumeradasEspelhadasNoTamborDireito() {
    JanelaDeTeste t;
    Controles& c = *t.janela;
    QCOMPARE(c.txtGloboCount(), 30);
    QCOMPARE(c.txtEstatCount(), 9);
    QVERIFY(!c.txtGlobo(30));
    QVERIFY(!c.txtEstat(9));
    QVERIFY(!c.txtEstat(-1));
    auto lugar = [&](int i) { return static_cast<janela::CaixaPintada*>(c.txtGlobo(i))->geometria(); };
    QCOMPARE(lugar(0), QRect(0, 0, 47, 30));     // top left of the left drum
    QCOMPARE(lugar(14), QRect(92, 120, 47, 30)); // its bottom right
    QCOMPARE(lugar(29), QRect(0, 0, 47, 30));    // top left of the right drum
    QCOMPARE(lugar(15), QRect(92, 120, 47, 30)); // its bottom right
    QCOMPARE(lugar(27), QRect(92, 0, 47, 30));
    auto estat = [&](int i) { return static_cast<janela::CaixaPintada*>(c.txtEstat(i))->geometria(); };
    QCOMPARE(estat(0).left(), -2);
    QCOMPARE(estat(8).left(), 466);
    QCOMPARE(estat(4).size(), QSize(60, 23));

    c.txtGlobo(3)->setText(QStringLiteral("38603860"));
    QCOMPARE(c.txtGlobo(3)->text(), QStringLiteral("3860"));
    c.txtX().setText(QStringLiteral("1234567"));
    QCOMPARE(c.txtX().text(), QStringLiteral("123456"));
    QVERIFY(!c.txtGlobo(3)->setBackColor(-1));
}

void tst_frm1::temporizadoresComoConstruidos() {
    JanelaDeTeste t;
    struct Esperado {
        const char* nome;
        int intervalo;
        bool ativo;
    };
    for (const Esperado& e : {Esperado{"sorter", 1, false}, {"sorter2", 1, false},
                              {"sorter3", 1, false}, {"sorter4", 1, false}, {"sorter5", 1, true},
                              {"sorter7", 1, true}, {"Timer1", 200, false}, {"Timer2", 100, false},
                              {"tmpCor", 100, false}}) {
        QTimer* timer = t.janela->temporizador(QString::fromLatin1(e.nome));
        QVERIFY2(timer, e.nome);
        QCOMPARE(timer->interval(), e.intervalo);
        QCOMPARE(timer->isActive(), e.ativo);
    }
}

void tst_frm1::ordemDeTabulacaoEFocoInicial() {
    JanelaDeTeste t;
    QStringList ordem;
    QWidget* w = t.controle<QWidget>("cmdSorteio");
    for (int i = 0; i < 15; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        ordem << w->objectName();
    }
    QStringList esperada;
    for (const char* nome : {"cmdSorteio", "cmdX", "cmdR", "cmdAnimar", "Command1",
                             "cmdLocalizar", "cmdChacoalhar", "chk1", "txtEnder", "lstN", "pct1",
                             "txtPart", "txtX", "txtBar", "pctFerramentas"})
        esperada << QString::fromLatin1(nome);
    QCOMPARE(ordem, esperada);
    QCOMPARE(t.janela->focusWidget(), t.controle<QWidget>("cmdX"));
}

void tst_frm1::inicioPreparaAPrimeiraSerie() {
    JanelaDeTeste t;
    QVERIFY(t.janela->animacao().Code().front().Visible);
    QVERIFY(t.janela->Form_Load());
    QVERIFY(!t.janela->animacao().Code().front().Visible);
    QCOMPARE(t.controle<QLineEdit>("txtX")->text(), QString());
    QCOMPARE(t.controle<QLabel>("lblSnum")->text(), QStringLiteral("Sorteio Número: 1"));
    QCOMPARE(t.controle<QLabel>("lblPos")->text(), QStringLiteral("Painel vazio!"));
    QCOMPARE(t.controle<QLabel>("lblN")->text(), QStringLiteral("Números Sorteados: 0"));
    QVERIFY(t.controle<QLineEdit>("txtEnder")->text().startsWith(
        QStringLiteral("Arquivo a ser gravado: ") + t.pasta.path() + QStringLiteral("/sn.1[")));
    QCOMPARE(t.janela->motor().estado().Seletor, int16_t(1));
}

void tst_frm1::bolasECountersGuardamSuasCoresEPintamUmaVezPorQuadro() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    janela::QuadroDeCaixas* tambor = t.janela->quadro(QStringLiteral("pictGlobo(0)"));
    Bola* bola = t.janela->txtGlobo(4);
    QVERIFY(bola->setBackColor(0x0000FF)); // red
    const int antes = tambor->pinturas();
    for (int i = 0; i < 200; ++i)
        bola->setText(QString::number(i));
    QTRY_VERIFY(tambor->pinturas() > antes);
    // Two hundred texts, yet only as many paints as frames went by.
    QTest::qWait(50);
    QVERIFY(tambor->pinturas() - antes <= 6);
    const QImage imagem = tambor->grab().toImage();
    const QRect lugar = static_cast<janela::CaixaPintada*>(bola)->geometria();
    QCOMPARE(imagem.pixelColor(lugar.topLeft() + QPoint(2, 2)), QColor(255, 0, 0));
    // Disabled, yet not greyed: an untouched ball keeps its dark grey.
    const QRect outra = static_cast<janela::CaixaPintada*>(t.janela->txtGlobo(0))->geometria();
    QCOMPARE(imagem.pixelColor(outra.topLeft() + QPoint(2, 2)), QColor(64, 64, 64));

    QWidget* focoAntes = t.janela->focusWidget();
    QTest::mouseClick(tambor, Qt::LeftButton, {}, lugar.center());
    QCOMPARE(t.janela->focusWidget(), focoAntes);
}

void tst_frm1::contadoresGiramDepoisDaContagem() {
    JanelaDeTeste t;
    QVERIFY(t.janela->Form_Load());
    t.informarParticipantes(QStringLiteral("50"));
    for (const char* nome : {"sorter", "sorter2", "sorter3", "sorter4", "Timer1"})
        QVERIFY2(t.janela->temporizador(QString::fromLatin1(nome))->isActive(), nome);
    QTRY_VERIFY(!t.janela->txtGlobo(0)->text().isEmpty() &&
                !t.janela->txtGlobo(1)->text().isEmpty());
    const EstadoSorteio& e = t.janela->motor().estado();
    QTRY_VERIFY(e.Giro1 >= 1 && e.Giro1 <= 50 && e.Giro2 >= 0 && e.Giro2 <= 50);
}

void tst_frm1::caixasDeExibicaoNaoAceitamDigitacao() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    t.informarParticipantes(QStringLiteral("10"));
    t.controle<QAbstractButton>("cmdSorteio")->click();

    auto* txtX = t.controle<QLineEdit>("txtX");
    const QString numero = txtX->text();
    QTest::keyClicks(txtX, QStringLiteral("12"));
    QTest::keyClick(txtX, Qt::Key_Backspace);
    QCOMPARE(txtX->text(), numero);
    auto* txtPart = t.controle<QLineEdit>("txtPart");
    QTest::keyClicks(txtPart, QStringLiteral("99"));
    QCOMPARE(txtPart->text(), QStringLiteral("10"));

    auto* txtEnder = t.controle<QLineEdit>("txtEnder");
    const QString caminho = txtEnder->text();
    QTest::mouseClick(txtEnder, Qt::LeftButton);
    QCOMPARE(txtEnder->selectedText(), caminho.mid(13));
    for (int tecla : {int(Qt::Key_Delete), int(Qt::Key_Backspace), int(Qt::Key_Left)})
        QTest::keyClick(txtEnder, Qt::Key(tecla));
    QTest::keyClick(txtEnder, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(txtEnder, QStringLiteral("x"));
    QCOMPARE(txtEnder->text(), caminho);
    QCOMPARE(txtEnder->selectedText(), caminho.mid(13)); // not even moved
    QApplication::clipboard()->clear();
    QTest::keyClick(txtEnder, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), caminho.mid(13));
}

void tst_frm1::cliqueNasCaixasDevolveOFocoAoSorteio() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    t.informarParticipantes(QStringLiteral("10"));
    for (const char* nome : {"txtX", "txtPart", "txtBar"}) {
        t.controle<QWidget>("cmdR")->setFocus();
        QTest::mouseClick(t.controle<QWidget>(nome), Qt::LeftButton);
        QCOMPARE(t.janela->focusWidget(), t.controle<QWidget>("cmdSorteio"));
    }
}

void tst_frm1::serieInteiraComEnter() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    t.dialogos.respostasEntrada << QStringLiteral("5");
    QTest::keyClick(t.controle<QWidget>("cmdX"), Qt::Key_Return);
    QCOMPARE(t.janela->focusWidget(), t.controle<QWidget>("cmdSorteio"));
    for (int i = 1; i <= 5; ++i) {
        // Either Enter: the main one, or the keypad's.
        if (i % 2)
            QTest::keyClick(t.janela->focusWidget(), Qt::Key_Return);
        else
            QTest::keyClick(t.janela->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(t.janela->lstN().listCount(), i);
        QCOMPARE(t.janela->focusWidget(), t.controle<QWidget>("cmdSorteio"));
    }
    QTest::keyClick(t.janela->focusWidget(), Qt::Key_Return);
    QCOMPARE(t.controle<QLineEdit>("txtBar")->text(),
             QStringLiteral("Todos os números já foram sorteados"));
    QVERIFY(!t.controle<QWidget>("cmdSorteio")->isEnabled());
    QCOMPARE(t.controle<QLabel>("lblN")->text(), QStringLiteral("Números sorteados: 5"));
    QCOMPARE(t.controle<QLabel>("lblPos")->text(), QStringLiteral("Posição selecionada: 5"));
    // The last draw's code, as its record has it, under the number; the series verifies.
    const registro::Verificacao v = registro::verificarArquivo(t.arquivos, t.janela->motor().estado().Arquivo);
    QCOMPARE(v.resultado, registro::Verificacao::Resultado::Intacta);
    const registro::LeituraDoRegistro lido = registro::lerRegistro(t.arquivos.ler(v.registro).value());
    const auto sorteios = lido.sorteios();
    QCOMPARE(t.controle<QLabel>("lblCodigo")->text(),
             QStringLiteral("Código de verificação: ") + registro::codigoCurto(sorteios.back()->codigo));

    QFile arquivo(t.janela->motor().estado().Arquivo);
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const QList<QByteArray> linhas = arquivo.readAll().split('\n');
    QCOMPARE(linhas.size(), 6);
    QList<int> numeros;
    for (int i = 0; i < 5; ++i) {
        QVERIFY(linhas[i].endsWith('\r'));
        numeros << linhas[i].chopped(1).toInt();
        QCOMPARE(t.janela->lstN().setListIndex(i), true);
        QCOMPARE(t.janela->lstN().selectedText(), QStringLiteral("0") + QString::number(numeros.last()));
    }
    std::sort(numeros.begin(), numeros.end());
    QCOMPARE(numeros, (QList<int>{1, 2, 3, 4, 5}));
}

void tst_frm1::faixaGuardaTodosOsTracosMasSoDesenhaOInicio() {
    JanelaDeTeste t;
    const QString tracos(300000, u'-');
    t.janela->txtBar().setText(tracos);
    QCOMPARE(t.janela->txtBar().text(), tracos);
    auto* caixa = t.controle<QLineEdit>("txtBar");
    QVERIFY(caixa->QLineEdit::text().size() < 2000);
    QCOMPARE(caixa->cursorPosition(), 0);
    t.janela->txtBar().setText(QStringLiteral("Todos os números já foram sorteados"));
    QCOMPARE(caixa->QLineEdit::text(), QStringLiteral("Todos os números já foram sorteados"));
}

void tst_frm1::naoRedimensionaMasMaximiza() {
    JanelaDeTeste t;
    t.janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.janela.get()));
    t.janela->resize(900, 700);
    QTRY_COMPARE(t.janela->size(), QSize(719, 480));
    QVERIFY(t.janela->windowFlags() & Qt::WindowMaximizeButtonHint);
    t.janela->showMaximized();
    QTRY_VERIFY(t.janela->width() > 719);
}

namespace {
// Pixels as dark as the enabled caption's black.
int pixelsDeTextoPreto(const QImage& imagem) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += qGray(imagem.pixel(x, y)) < 40 ? 1 : 0;
    return n;
}
} // namespace

void tst_frm1::botaoDesabilitadoPareceDesabilitado() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    t.informarParticipantes(QStringLiteral("99999"));
    auto* cmdX = t.controle<QAbstractButton>("cmdX");
    QVERIFY(!cmdX->isEnabled());
    QCOMPARE(cmdX->text(), QStringLiteral("&Inserir mais participantes"));
    const QImage desabilitado = cmdX->grab().toImage();
    cmdX->setEnabled(true);
    const QImage habilitado = cmdX->grab().toImage();
    QVERIFY(pixelsDeTextoPreto(habilitado) > 50);
    QCOMPARE(pixelsDeTextoPreto(desabilitado), 0);
}

void tst_frm1::cliqueNoEnderecoDepoisDeFalhaSelecionaOCaminho() {
    JanelaDeTeste t;
    t.pastaDeResultados.caminho = t.pasta.filePath(QStringLiteral("nao-existe"));
    QVERIFY(t.abrir());
    t.informarParticipantes(QStringLiteral("10"));
    t.controle<QAbstractButton>("cmdSorteio")->click();
    auto* txtEnder = t.controle<QLineEdit>("txtEnder");
    QVERIFY(txtEnder->text().startsWith(QStringLiteral("Falha ao gravar em: ")));
    QTest::mouseClick(txtEnder, Qt::LeftButton);
    QCOMPARE(txtEnder->selectedText(), t.janela->motor().estado().Arquivo);
}

// The commands without a button: a menu over the panel and the results list, also with
// Shift+F10 (the Menu key's menu comes from the window system: end to end), and their keys.
void tst_frm1::menuDeComandosEAtalhos() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    QStringList menu;
    const auto lerMenuAoAbrir = [&] {
        menu.clear();
        QTimer::singleShot(0, [&] {
            if (auto* aberto = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* a : aberto->actions())
                    menu << a->text() + u'|' + a->shortcut().toString();
                aberto->close();
            }
        });
    };
    const QStringList comandos{QStringLiteral("Registrar &ocorrência…|Alt+O"),
                               QStringLiteral("&Verificar série…|Alt+V"),
                               QStringLiteral("Gerar &ata do sorteio…|Ctrl+P"),
                               QStringLiteral("Gerar ata de outra &série…|Ctrl+Shift+P"),
                               QStringLiteral("&Telão do público|F5"),
                               QStringLiteral("Telão em tela &cheia|F11"),
                               QStringLiteral("&Escurecer o telão|Ctrl+B")};
    for (const char* nome : {"lstN", "pct1", "txtX"}) {
        QWidget* sobre = t.controle<QWidget>(nome);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(sobre))
            sobre = area->viewport();
        lerMenuAoAbrir();
        QContextMenuEvent clique(QContextMenuEvent::Mouse, QPoint(5, 5), sobre->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(sobre, &clique);
        QCOMPARE(menu, comandos);
    }
    // Keys reach the window's shortcuts only while it is the active one, which the offscreen
    // platform does not make it again once a menu closes.
    const auto ativar = [&] {
        t.janela->activateWindow();
        return QTest::qWaitForWindowActive(t.janela.get());
    };
    QVERIFY(ativar());
    lerMenuAoAbrir();
    QTest::keyClick(t.janela.get(), Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(menu, comandos);

    t.informarParticipantes(QStringLiteral("10"));
    t.dialogos.respostasEntrada << QStringLiteral("Sala cheia");
    QVERIFY(ativar());
    QTest::keyClick(t.janela.get(), Qt::Key_O, Qt::AltModifier);
    QVERIFY(t.dialogos.perguntas.last().startsWith(QStringLiteral("Descreva a ocorrência")));
    QTest::keyClick(t.janela->focusWidget(), Qt::Key_Return);
    const QString arquivo = t.janela->motor().estado().Arquivo;
    QVERIFY(t.arquivos.ler(registro::caminhoDoRegistro(arquivo)).value_or("").contains("texto=Sala cheia"));

    t.dialogos.arquivosEscolhidos << arquivo;
    QTest::keyClick(t.janela.get(), Qt::Key_V, Qt::AltModifier);
    QCOMPARE(t.dialogos.perguntas.last(), QStringLiteral("Verificar série"));
    QVERIFY(t.dialogos.mensagens.last().startsWith(QStringLiteral("Série íntegra")));
    QCOMPARE(t.dialogos.codigos.back(), platform::Dialogos::OkInformacao);

    // Ctrl+P asks for the minutes' form of the running series.
    QString formulario;
    QTimer::singleShot(50, [&] {
        if (QWidget* aberto = QApplication::activeModalWidget()) {
            formulario = aberto->windowTitle();
            aberto->close();
        }
    });
    QTest::keyClick(t.janela.get(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(formulario, QStringLiteral("Gerar ata do sorteio"));
}

// F5 opens the audience screen beside the window; it follows every draw and count at once,
// shows nothing drawn before it is on file, and closing it ends nothing.
void tst_frm1::telaoSegueASerieSemTirarAsTeclasDaJanela() {
    JanelaDeTeste t;
    QVERIFY(t.abrir());
    t.janela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.janela.get()));
    QTest::keyClick(t.janela.get(), Qt::Key_F5);
    telao::TelaoDoPublico* telao = t.janela->telao();
    QVERIFY(telao && telao->isVisible());
    QVERIFY(!telao->diagrama().numero);

    t.informarParticipantes(QStringLiteral("60"));
    const auto ultimoNoTelao = [&] {
        const telao::Diagrama& d = telao->diagrama();
        return d.numero ? d.textos[*d.numero].texto.toInt() : 0;
    };
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(ultimoNoTelao(), t.controle<QLineEdit>("txtX")->text().toInt());
    }
    QCOMPARE(QApplication::activeWindow(), t.janela.get());

    QTest::keyClick(t.janela.get(), Qt::Key_F5);
    QVERIFY(!telao->isVisible());
    QVERIFY(t.janela->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(t.janela.get(), Qt::Key_F5);
    QVERIFY(telao->isVisible());
    QCOMPARE(ultimoNoTelao(), t.controle<QLineEdit>("txtX")->text().toInt());
}

QTEST_MAIN(tst_frm1)
#include "tst_frm1.moc"
