#pragma once

#include <engine/Controles.h>
#include <widgets/CaixaComEventos.h>

namespace rodaleque::janela {

// A text box the program writes and the operator only reads.
class CaixaDeExibicao final : public CaixaComEventos, public CaixaSelecionavel {
    Q_OBJECT
public:
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

private:
    bool exibicaoLimitada() const { return exibidos_ > 0; }

    int exibidos_ = 0;
    QString texto_;
};

} // namespace rodaleque::janela
