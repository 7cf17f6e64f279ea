#pragma once

#include "DadosDaAta.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace rodaleque::ata {

// The form the minutes ask for: who drew, what, where, and who signs. Closes with OK only when
// the fields the minutes cannot do without are filled in.
class DialogoDaAta final : public QDialog {
public:
    DialogoDaAta(const Formulario& lembrado, QWidget* pai);

    Formulario formulario() const;
    void accept() override;

private:
    QLineEdit* orgao_;
    QLineEdit* objeto_;
    QLineEdit* local_;
    QLineEdit* responsavel_;
    QPlainTextEdit* presentes_;
    QLineEdit* referencia_;
    QLabel* aviso_;
};

} // namespace rodaleque::ata
