#include "PorExtenso.h"

#include <QStringList>

#include <array>

namespace rodaleque::extenso {

namespace {

const std::array<const char16_t*, 20> ateDezenove{
    u"zero", u"um", u"dois", u"três", u"quatro", u"cinco", u"seis", u"sete", u"oito", u"nove",
    u"dez", u"onze", u"doze", u"treze", u"catorze", u"quinze", u"dezesseis", u"dezessete",
    u"dezoito", u"dezenove"};
const std::array<const char16_t*, 10> dezenas{u"", u"", u"vinte", u"trinta", u"quarenta",
                                              u"cinquenta", u"sessenta", u"setenta", u"oitenta",
                                              u"noventa"};
const std::array<const char16_t*, 10> centenas{u"", u"cento", u"duzentos", u"trezentos",
                                               u"quatrocentos", u"quinhentos", u"seiscentos",
                                               u"setecentos", u"oitocentos", u"novecentos"};
const std::array<const char16_t*, 12> meses{
    u"janeiro", u"fevereiro", u"março", u"abril", u"maio", u"junho", u"julho", u"agosto",
    u"setembro", u"outubro", u"novembro", u"dezembro"};

QString texto(const char16_t* s) { return QString::fromUtf16(s); }

QString feminino(QString palavra) {
    if (palavra == QStringLiteral("um"))
        return QStringLiteral("uma");
    if (palavra == QStringLiteral("dois"))
        return QStringLiteral("duas");
    if (palavra.endsWith(QStringLiteral("entos")))
        palavra.replace(palavra.size() - 2, 2, QStringLiteral("as"));
    return palavra;
}

QString palavra(const char16_t* s, Genero genero) {
    return genero == Genero::Feminino ? feminino(texto(s)) : texto(s);
}

// 1 to 999, the words joined by "e": "cento e vinte e um".
QString ateNovecentos(int n, Genero genero) {
    if (n == 100)
        return QStringLiteral("cem");
    QStringList partes;
    if (n >= 100)
        partes << palavra(centenas[n / 100], genero);
    const int resto = n % 100;
    if (resto >= 20) {
        partes << texto(dezenas[resto / 10]);
        if (resto % 10 != 0)
            partes << palavra(ateDezenove[resto % 10], genero);
    } else if (resto > 0) {
        partes << palavra(ateDezenove[resto], genero);
    }
    return partes.join(QStringLiteral(" e "));
}

} // namespace

QString cardinal(int n, Genero genero) {
    if (n == 0)
        return texto(ateDezenove[0]);
    const int milhares = n / 1000;
    const int resto = n % 1000;
    QString milhar;
    if (milhares > 0)
        milhar = milhares == 1 ? QStringLiteral("mil") : ateNovecentos(milhares, genero) + QStringLiteral(" mil");
    if (resto == 0)
        return milhar;
    const QString final = ateNovecentos(resto, genero);
    if (milhar.isEmpty())
        return final;
    // "mil e um", "mil e cem", "dois mil e trezentos", but "mil cento e um".
    const bool comE = resto < 100 || resto % 100 == 0;
    return milhar + (comE ? QStringLiteral(" e ") : QStringLiteral(" ")) + final;
}

QString data(const QDate& dia) {
    const QString mes = QStringLiteral(" do mês de ") + texto(meses[dia.month() - 1]) + QStringLiteral(" de ") +
                        cardinal(dia.year());
    if (dia.day() == 1)
        return QStringLiteral("Ao primeiro dia") + mes;
    return QStringLiteral("Aos ") + cardinal(dia.day()) + QStringLiteral(" dias") + mes;
}

QString hora(const QTime& momento) {
    const int h = momento.hour();
    const int m = momento.minute();
    const bool singular = h <= 1;
    QString texto = (singular ? QStringLiteral("à ") : QStringLiteral("às ")) +
                    cardinal(h, Genero::Feminino) + (singular ? QStringLiteral(" hora") : QStringLiteral(" horas"));
    if (m > 0)
        texto += QStringLiteral(" e ") + cardinal(m) + (m == 1 ? QStringLiteral(" minuto") : QStringLiteral(" minutos"));
    return texto;
}

} // namespace rodaleque::extenso
