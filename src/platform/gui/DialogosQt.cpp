#include "platform/gui/DialogosQt.h"

#include "platform/gui/Centrar.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace rodaleque::platform {

namespace {

// The window system packs the buttons into the low four bits and the icon into the next four.
constexpr int MascaraBotoes = 0x0F;
constexpr int MascaraIcone = 0xF0;
constexpr int BotaoSoOk = 0x00;
constexpr int BotoesSimNao = 0x04;

struct Aparencia {
    bool simNao = false;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
};

// Anything this program does not use falls back to a plain box with OK only.
Aparencia aparenciaDe(int botoes) {
    const Aparencia simples;
    if ((botoes & ~(MascaraBotoes | MascaraIcone)) != 0)
        return simples;

    Aparencia a;
    switch (botoes & MascaraBotoes) {
    case BotaoSoOk:
        break;
    case BotoesSimNao:
        a.simNao = true;
        break;
    default:
        return simples;
    }
    switch (botoes & MascaraIcone) {
    case 0x00:
        break;
    case 0x10:
        a.icone = QMessageBox::Critical;
        break;
    case 0x20:
        a.icone = QMessageBox::Question;
        break;
    case 0x30:
        a.icone = QMessageBox::Warning;
        break;
    case 0x40:
        a.icone = QMessageBox::Information;
        break;
    default:
        return simples;
    }
    return a;
}

// A box that, once Qt has sized it and placed it over its owner as it shows, is moved to the
// middle of the screen before it reaches it.
template <typename Caixa> class CaixaCentrada final : public Caixa {
public:
    CaixaCentrada(QWidget* dono, Janelas* janelas) : Caixa(dono), janelas_(janelas) {}

protected:
    void showEvent(QShowEvent* evento) override {
        Caixa::showEvent(evento);
        if (janelas_ != nullptr)
            centrarNaTela(*janelas_, *this, *this->screen());
    }

private:
    Janelas* janelas_;
};

} // namespace

DialogosQt::DialogosQt(QWidget* janela, QString titulo, Janelas* janelas)
    : janela_(janela), titulo_(std::move(titulo)), janelas_(janelas) {}

int DialogosQt::caixaDeMensagem(const QString& prompt, int botoes) {
    const Aparencia aparencia = aparenciaDe(botoes);

    CaixaCentrada<QMessageBox> caixa(janela_.data(), janelas_);
    caixa.setWindowTitle(titulo_);
    // Prompts are plain text, and a "<" in one must show as it is.
    caixa.setTextFormat(Qt::PlainText);
    caixa.setText(prompt);
    caixa.setIcon(aparencia.icone);

    // Texts set by hand: the installed Qt translations may be missing or in another language.
    if (aparencia.simNao) {
        QPushButton* sim = caixa.addButton(QMessageBox::Yes);
        QPushButton* nao = caixa.addButton(QMessageBox::No);
        sim->setText(QStringLiteral("Sim"));
        nao->setText(QString::fromUtf8("Não"));
        caixa.setDefaultButton(QMessageBox::Yes);
        caixa.setEscapeButton(nao);
        caixa.exec();
        // Closing the box any other way is a refusal too.
        return caixa.clickedButton() == sim ? RespostaSim : RespostaNao;
    }

    QPushButton* ok = caixa.addButton(QMessageBox::Ok);
    ok->setText(QStringLiteral("OK"));
    caixa.setDefaultButton(QMessageBox::Ok);
    caixa.setEscapeButton(ok);
    caixa.exec();
    return RespostaOk;
}

QString DialogosQt::caixaDeEntrada(const QString& prompt, int comprimentoMaximo) {
    CaixaCentrada<QInputDialog> caixa(janela_.data(), janelas_);
    caixa.setWindowTitle(titulo_);
    caixa.setInputMode(QInputDialog::TextInput);
    caixa.setTextEchoMode(QLineEdit::Normal);
    caixa.setLabelText(prompt);
    caixa.setTextValue(QString());
    // The box's own line edit: the dialog offers no limit of its own.
    if (auto* linha = caixa.findChild<QLineEdit*>(); linha && comprimentoMaximo > 0)
        linha->setMaxLength(comprimentoMaximo);
    caixa.setOkButtonText(QStringLiteral("OK"));
    caixa.setCancelButtonText(QStringLiteral("Cancelar"));
    if (caixa.exec() != QDialog::Accepted)
        return QString();
    return caixa.textValue();
}

QString DialogosQt::escolherArquivo(const QString& titulo, const QString& pasta) {
    // Results files and their records share the beginning of their names; either will do.
    return QFileDialog::getOpenFileName(
        janela_.data(), titulo, pasta,
        QStringLiteral("Arquivos de resultados (sn.*.txt);;Todos os arquivos (*)"));
}

} // namespace rodaleque::platform
