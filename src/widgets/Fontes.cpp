#include "Fontes.h"

#include <QFontDatabase>
#include <QStringList>

namespace rodaleque::fontes {

namespace {

// Registered once, on first use; should the program's own copy not load, the system's sans
// serif stands in.
QString familia() {
    static const QString nome = [] {
        QString encontrado = QStringLiteral("Liberation Sans");
        for (const char* arquivo : {":/fontes/LiberationSans-Regular.ttf", ":/fontes/LiberationSans-Bold.ttf"}) {
            const QStringList familias =
                QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(QString::fromLatin1(arquivo)));
            if (!familias.isEmpty())
                encontrado = familias.first();
        }
        return encontrado;
    }();
    return nome;
}

QFont fonte(double pontos, QFont::Weight peso) {
    QFont f(familia());
    f.setPointSizeF(pontos);
    f.setWeight(peso);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace

QFont texto(double pontos) { return fonte(pontos, QFont::Normal); }
QFont negrito(double pontos) { return fonte(pontos, QFont::Bold); }

} // namespace rodaleque::fontes
