#pragma once

#include <platform/Janelas.h>
#include <widgets/CaixaComEventos.h>
#include <widgets/RotuloClicavel.h>

#include <QDialog>
#include <QLabel>

#include <cstdint>

namespace rodaleque::sobre {

// The About window: the program's name and version, who distributes and who made it, and
// the web and e-mail addresses to copy. Built anew at each opening, destroyed on closing.
class frmSobre final : public QDialog {
    Q_OBJECT
public:
    // Opens it, modal over the main window, and returns once it is closed.
    static void mostrar(QWidget& principal, platform::Janelas& janelas);

protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    frmSobre(QWidget& principal, platform::Janelas& janelas);

    void Form_Load();
    void Form_Unload();
    void lblOk_Click() { Form_Unload(); }
    void lblOk_MouseDown();
    void lblOk_MouseUp();
    void txtMail_Click();
    static void txtMail_KeyPress(int16_t& KeyAscii);
    static void txtsite_KeyPress(int16_t& KeyAscii);
    static void txtSite_KeyDown(int16_t& KeyCode, int16_t Shift);

    void montarTitulo();
    void montarBotaoOk();
    void montarCreditos();
    void montarCaixas();
    void ligarEventos();
    void pintarOk(int64_t valor);

    static constexpr int64_t corDoOk = 0x6B6352;
    static constexpr int64_t corDoOkPressionado = 0x3B3322;

    QWidget& principal_;
    platform::Janelas& janelas_;
    bool descarregando_ = false;

    // The controls the handlers act on; the others, once built, are left alone.
    QLabel* lblName_ = nullptr;
    QLabel* lblVersao_ = nullptr;
    janela::RotuloClicavel* lblOk_ = nullptr;
    janela::CaixaComEventos* txtMail_ = nullptr;
    janela::CaixaComEventos* txtSite_ = nullptr;
};

} // namespace rodaleque::sobre
