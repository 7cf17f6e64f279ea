#include "frmSobre.h"

#include <engine/Produto.h>
#include <platform/gui/Centrar.h>
#include <widgets/Geometria.h>

#include <QCloseEvent>
#include <QScreen>

namespace rodaleque::sobre {

namespace {

// Copying is the one thing these boxes let the user do.
void descartarMenosCopia(int16_t& KeyAscii) {
    constexpr int16_t ctrlC = 3;
    if (KeyAscii != ctrlC)
        KeyAscii = 0;
}

} // namespace

void frmSobre::mostrar(QWidget& principal, platform::Janelas& janelas) {
    // It deletes itself once closed.
    auto* sobre = new frmSobre(principal, janelas);
    sobre->Form_Load();
    sobre->exec();
}

void frmSobre::Form_Load() {
    setWindowIcon(principal_.windowIcon());
    setWindowTitle(QStringLiteral(" Sobre: ") + produto::nome());
    lblName_->setText(produto::nome());
    lblVersao_->setText(QStringLiteral("Versão: ") + produto::versao());
    create(); // the window itself, which the calls below act on
    janelas_.janelaAuxiliar(*this);
    platform::centrarNaTela(janelas_, *this, *principal_.screen());
    janelas_.SetWindowPos(*this, true);
}

// Qt's modality kept the main window from all input without disabling it; what is left of
// enabling it again is handing it back the activation.
void frmSobre::Form_Unload() {
    if (descarregando_)
        return;
    descarregando_ = true;
    hide();
    deleteLater();
    principal_.activateWindow();
}

// The title bar's close button and Alt+F4 close it as lblOk does; nothing asks first.
void frmSobre::closeEvent(QCloseEvent* evento) {
    Form_Unload();
    evento->accept();
}

// Neither Esc nor Enter closes it: the window has no buttons, only a label drawn as one.
void frmSobre::keyPressEvent(QKeyEvent* evento) {
    QWidget::keyPressEvent(evento);
}

void frmSobre::pintarOk(int64_t valor) {
    QPalette p = lblOk_->palette();
    p.setColor(QPalette::Window, janela::cor(valor));
    lblOk_->setPalette(p);
}

void frmSobre::lblOk_MouseDown() {
    pintarOk(corDoOkPressionado);
}

void frmSobre::lblOk_MouseUp() {
    pintarOk(corDoOk);
}

void frmSobre::txtMail_Click() {
    txtMail_->setSelection(0, int(txtMail_->text().size()));
}

void frmSobre::txtMail_KeyPress(int16_t& KeyAscii) {
    descartarMenosCopia(KeyAscii);
}

void frmSobre::txtsite_KeyPress(int16_t& KeyAscii) {
    descartarMenosCopia(KeyAscii);
}

void frmSobre::txtSite_KeyDown(int16_t& KeyCode, int16_t) {
    KeyCode = 0;
}

void frmSobre::ligarEventos() {
    using janela::CaixaComEventos;
    using janela::RotuloClicavel;
    // The button goes up before the click, so the colour is back as the window closes.
    connect(lblOk_, &RotuloClicavel::botaoPressionado, this, [this] { lblOk_MouseDown(); });
    connect(lblOk_, &RotuloClicavel::botaoSolto, this, [this] { lblOk_MouseUp(); });
    connect(lblOk_, &RotuloClicavel::clicado, this, [this] { lblOk_Click(); });
    connect(txtMail_, &CaixaComEventos::clicada, this, [this] { txtMail_Click(); });
    txtMail_->aoTeclar(&frmSobre::txtMail_KeyPress);
    txtSite_->aoTeclar(&frmSobre::txtsite_KeyPress);
    txtSite_->aoBaixarTecla(&frmSobre::txtSite_KeyDown);
}

} // namespace rodaleque::sobre
