#include "MemoriaDoFormulario.h"

#include <QSettings>

namespace rodaleque::ata {

namespace {

const QString orgao = QStringLiteral("ata/orgao");
const QString local = QStringLiteral("ata/local");
const QString responsavel = QStringLiteral("ata/responsavel");
const QString presentes = QStringLiteral("ata/presentes");
const QString referencia = QStringLiteral("ata/referencia");

} // namespace

Formulario MemoriaDoFormulario::lembrado() const {
    if (arquivo_.isEmpty())
        return {};
    const QSettings s(arquivo_, QSettings::IniFormat);
    Formulario f;
    f.orgao = s.value(orgao).toString();
    f.local = s.value(local).toString();
    f.responsavel = s.value(responsavel).toString();
    f.presentes = s.value(presentes).toStringList();
    f.referencia = s.value(referencia).toString();
    return f;
}

bool MemoriaDoFormulario::lembrar(const Formulario& f) const {
    if (arquivo_.isEmpty())
        return false;
    QSettings s(arquivo_, QSettings::IniFormat);
    s.setValue(orgao, f.orgao);
    s.setValue(local, f.local);
    s.setValue(responsavel, f.responsavel);
    s.setValue(presentes, f.presentes);
    s.setValue(referencia, f.referencia);
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace rodaleque::ata
