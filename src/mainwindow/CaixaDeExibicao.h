#pragma once

#include <engine/Controles.h>

#include <QLineEdit>

#include <cstdint>
#include <functional>

namespace rodaleque::janela {

// A text box the program writes and the operator only reads. Its handlers see each key
// twice, as a key (key down) and as the character it types (key press), and discard it by
// setting the code to 0.
class CaixaDeExibicao final : public QLineEdit, public CaixaSelecionavel {
    Q_OBJECT
public:
    using AoTeclar = std::function<void(int16_t& codigo)>;
    using AoBaixarTecla = std::function<void(int16_t& codigo, int16_t shift)>;

    explicit CaixaDeExibicao(QWidget* pai);

    QString text() const override { return exibicaoLimitada() ? texto_ : QLineEdit::text(); }
    void setText(const QString& texto) override;
    void setSelection(int inicio, int comprimento) override {
        QLineEdit::setSelection(inicio, comprimento);
    }

    // The box keeps the whole text for whoever reads it, but lays out only its first
    // characters, more than it can ever show: a draw near the end of a large series writes
    // one dash per attempt, hundreds of thousands of them.
    void limitarExibicao(int caracteres) { exibidos_ = caracteres; }

    // Without a handler, keys are not handled here and reach the box.
    void aoBaixarTecla(AoBaixarTecla f) { aoBaixarTecla_ = std::move(f); }
    void aoTeclar(AoTeclar f) { aoTeclar_ = std::move(f); }

Q_SIGNALS:
    void clicada();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    bool exibicaoLimitada() const { return exibidos_ > 0; }

    int exibidos_ = 0;
    QString texto_;
    AoBaixarTecla aoBaixarTecla_;
    AoTeclar aoTeclar_;
};

} // namespace rodaleque::janela
