#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace rodaleque::janela {

// A text box whose handlers see each key twice, as a key (key down) and as the character it
// types (key press), and discard either by setting its code to 0; and that tells of a click.
class CaixaComEventos : public QLineEdit {
    Q_OBJECT
public:
    using AoTeclar = std::function<void(int16_t& codigo)>;
    using AoBaixarTecla = std::function<void(int16_t& codigo, int16_t shift)>;

    explicit CaixaComEventos(QWidget* pai) : QLineEdit(pai) {}

    // Without a handler, keys are not handled here and reach the box.
    void aoBaixarTecla(AoBaixarTecla f) { aoBaixarTecla_ = std::move(f); }
    void aoTeclar(AoTeclar f) { aoTeclar_ = std::move(f); }

Q_SIGNALS:
    void clicada();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    AoBaixarTecla aoBaixarTecla_;
    AoTeclar aoTeclar_;
};

} // namespace rodaleque::janela
