#include "DialogoDaAta.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rodaleque::ata {

namespace {

QLineEdit* campo(const QString& texto, QWidget* pai) {
    auto* c = new QLineEdit(texto, pai);
    c->setMaxLength(300);
    return c;
}

} // namespace

DialogoDaAta::DialogoDaAta(const Formulario& f, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      orgao_(campo(f.orgao, this)), objeto_(campo(f.objeto, this)), local_(campo(f.local, this)),
      responsavel_(campo(f.responsavel, this)),
      presentes_(new QPlainTextEdit(f.presentes.join(u'\n'), this)),
      referencia_(campo(f.referencia, this)), aviso_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Gerar ata do sorteio"));
    for (auto [campo, nome] : {std::pair<QWidget*, const char*>{orgao_, "orgao"}, {objeto_, "objeto"},
                               {local_, "local"}, {responsavel_, "responsavel"},
                               {presentes_, "presentes"}, {referencia_, "referencia"}})
        campo->setObjectName(QString::fromLatin1(nome));
    presentes_->setTabChangesFocus(true);
    presentes_->setPlaceholderText(QStringLiteral("Um nome por linha; cada um terá uma linha para assinar"));
    aviso_->setWordWrap(true);
    aviso_->setStyleSheet(QStringLiteral("color: #b00000"));
    aviso_->hide();

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Ó&rgão ou entidade:"), orgao_);
    campos->addRow(QStringLiteral("&Objeto do sorteio:"), objeto_);
    campos->addRow(QStringLiteral("&Local:"), local_);
    campos->addRow(QStringLiteral("&Responsável pela condução:"), responsavel_);
    campos->addRow(QStringLiteral("&Demais presentes:"), presentes_);
    campos->addRow(QStringLiteral("&Edital ou referência (opcional):"), referencia_);

    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    botoes->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Gerar ata"));
    botoes->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancelar"));
    connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* leiaute = new QVBoxLayout(this);
    leiaute->addLayout(campos);
    leiaute->addWidget(aviso_);
    leiaute->addWidget(botoes);
    setMinimumWidth(560);
}

Formulario DialogoDaAta::formulario() const {
    QStringList presentes;
    for (const QString& linha : presentes_->toPlainText().split(u'\n')) {
        if (!linha.trimmed().isEmpty())
            presentes << linha.simplified();
    }
    return {orgao_->text().simplified(), objeto_->text().simplified(), local_->text().simplified(),
            responsavel_->text().simplified(), presentes, referencia_->text().simplified()};
}

void DialogoDaAta::accept() {
    QStringList faltam;
    QLineEdit* primeiro = nullptr;
    for (const auto& [c, nome] : {std::pair{orgao_, "Órgão ou entidade"},
                                  std::pair{objeto_, "Objeto do sorteio"}, std::pair{local_, "Local"},
                                  std::pair{responsavel_, "Responsável pela condução"}}) {
        if (c->text().trimmed().isEmpty()) {
            faltam << QString::fromUtf8(nome);
            if (!primeiro)
                primeiro = c;
        }
    }
    if (primeiro) {
        aviso_->setText(QStringLiteral("Preencha antes de gerar a ata: ") + faltam.join(QStringLiteral(", ")) + u'.');
        aviso_->show();
        primeiro->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace rodaleque::ata
