// The About window's controls as built: positions in twips, texts, fonts, colours, pictures.
// Each is made after those it lies in front of, so they stack as listed from the rear up.
#include "frmSobre.h"

#include "Forma.h"

#include <engine/Produto.h>
#include <widgets/Geometria.h>

#include <QMouseEvent>
#include <QPixmap>

namespace rodaleque::sobre {

namespace {

using janela::cor;
using janela::retangulo;

constexpr int64_t fundoDaJanela = 0xA09887;
constexpr int64_t textoDaJanela = 0x80000008;

// The project's own credits, on a domain kept for examples until it has one of its own.
const char* const enderecoDoSite = "https://www.example.com/rodaleque";
const char* const enderecoDeEmail = "rodaleque@example.com";

QLabel* criarRotulo(QWidget* pai, const char* nome, QRect lugar, const QString& legenda,
                    bool negrito) {
    auto* rotulo = new QLabel(legenda, pai);
    rotulo->setObjectName(QString::fromLatin1(nome));
    rotulo->setTextFormat(Qt::PlainText);
    rotulo->setGeometry(lugar);
    rotulo->setFont(janela::fonte(9.75, negrito));
    return rotulo;
}

// A label sized to its caption: only its corner is given.
QLabel* criarRotuloAjustado(QWidget* pai, const char* nome, int esquerda, int topo,
                            const QString& legenda, bool negrito) {
    QLabel* rotulo = criarRotulo(pai, nome, retangulo(esquerda, topo, 0, 0), legenda, negrito);
    rotulo->adjustSize();
    return rotulo;
}

QLabel* criarImagem(QWidget* pai, const char* nome, QRect lugar, const char* figura) {
    auto* imagem = new QLabel(pai);
    imagem->setObjectName(QString::fromLatin1(nome));
    imagem->setGeometry(lugar);
    imagem->setPixmap(QPixmap(QString::fromLatin1(figura)));
    return imagem;
}

// X11 pastes the primary selection on a middle click; these boxes take no mouse edit at all.
class SemBotaoDoMeio final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* evento) override {
        switch (evento->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return static_cast<QMouseEvent*>(evento)->button() == Qt::MiddleButton;
        default:
            return false;
        }
    }
};

janela::CaixaComEventos* criarCaixa(QWidget* pai, const char* nome, QRect lugar,
                                    const char* texto) {
    auto* caixa = new janela::CaixaComEventos(pai);
    caixa->setObjectName(QString::fromLatin1(nome));
    caixa->setGeometry(lugar);
    // Without a border, on the window's own colour; both stay in the tab order.
    caixa->setFrame(false);
    QPalette p = caixa->palette();
    p.setColor(QPalette::Base, cor(fundoDaJanela));
    caixa->setPalette(p);
    caixa->setFont(janela::fonte(9.75));
    caixa->setText(QString::fromLatin1(texto));
    caixa->setCursorPosition(0);
    // Read and copied with the keyboard, never edited with the mouse: no menu to paste from
    // and nothing dropped in.
    caixa->setContextMenuPolicy(Qt::NoContextMenu);
    caixa->setAcceptDrops(false);
    caixa->installEventFilter(new SemBotaoDoMeio(caixa));
    return caixa;
}

} // namespace

// Owned by the main window, so that it has no task bar button of its own.
frmSobre::frmSobre(QWidget& principal, platform::Janelas& janelas)
    : QDialog(&principal), principal_(principal), janelas_(janelas) {
    setObjectName(QStringLiteral("frmSobre"));
    // A fixed dialog border: the title and its close button, nothing to minimise or maximise,
    // and on Windows no sizing border either.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral(" Sobre"));
    setFixedSize(janela::pixels(5460), janela::pixels(2970));
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, cor(fundoDaJanela));
    setPalette(fundo);
    setAutoFillBackground(true);
    setFont(janela::fontePadrao());

    montarTitulo();
    montarBotaoOk();
    montarCreditos();
    montarCaixas();
    ligarEventos();
}

void frmSobre::montarTitulo() {
    lblName_ = criarRotulo(this, "lblName", retangulo(960, 120, 4395, 255),
                           QStringLiteral("Rodaleque"), true);
    lblVersao_ = criarRotulo(this, "lblVersao", retangulo(960, 360, 1605, 255),
                             QStringLiteral("Versão:"), false);
    // The rule under the title, one pixel high, from (120, 990) to (5340, 990).
    auto* Line1 = new Forma(this, cor(textoDaJanela), cor(textoDaJanela));
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(QRect(janela::pixels(120), janela::pixels(990),
                             janela::pixels(5340) - janela::pixels(120), 1));
    criarImagem(this, "imgIcon", retangulo(120, 150, 720, 720), ":/sobre/imgIcon.gif");
}

// The label drawn as a button, on a rectangle that frames it 30 twips wide.
void frmSobre::montarBotaoOk() {
    auto* Shape1 = new Forma(this, cor(corDoOk), cor(textoDaJanela));
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(retangulo(2108, 2520, 1245, 315));
    lblOk_ = new janela::RotuloClicavel(this);
    lblOk_->setObjectName(QStringLiteral("lblOk"));
    lblOk_->setText(QStringLiteral("OK"));
    lblOk_->setGeometry(retangulo(2138, 2550, 1185, 255));
    lblOk_->setFont(janela::fonte(9.75, true));
    lblOk_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette branco = lblOk_->palette();
    branco.setColor(QPalette::WindowText, cor(0xFFFFFF));
    lblOk_->setPalette(branco);
    pintarOk(corDoOk);
    lblOk_->setAutoFillBackground(true);
}

void frmSobre::montarCreditos() {
    criarRotulo(this, "Label2", retangulo(90, 1080, 2025, 255), QStringLiteral("Distribuído por:"),
                true);
    criarImagem(this, "imgQz", retangulo(1740, 1080, 1200, 225), ":/sobre/imgQz.gif");
    criarRotuloAjustado(this, "Label6", 90, 1650, QStringLiteral("Desenvolvido por:"), true);
    criarRotuloAjustado(this, "Label4", 630, 1890, QStringLiteral("Equipe ") + produto::nome(),
                        false);
    criarImagem(this, "vexo", retangulo(90, 1890, 480, 480), ":/sobre/vexo.gif");
}

// The only controls that take the focus; it lands in txtMail, the first of them.
void frmSobre::montarCaixas() {
    txtMail_ = criarCaixa(this, "txtMail", retangulo(630, 2130, 2565, 285), enderecoDeEmail);
    txtSite_ = criarCaixa(this, "txtSite", retangulo(90, 1320, 5265, 315), enderecoDoSite);
}

} // namespace rodaleque::sobre
