// The numeric conventions on any text and any double: the numbers the handlers read from
// boxes and answers, the rounding of every step, and the texts of the numbers they write.
#include "Entrada.h"
#include "Exigir.h"

#include <engine/Numeros.h>

#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

using namespace rodaleque;
using namespace rodaleque::numeros;

namespace {

QString mostrar(double x) {
    return QString::number(x, 'g', 17);
}

bool mesmo(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// The nearest whole number, halves to the even one, worked out without the rounding mode.
double paraOParMaisProximo(double x) {
    const double piso = std::floor(x);
    const double resto = x - piso; // exact for every finite double
    if (resto < 0.5)
        return piso;
    if (resto > 0.5)
        return piso + 1;
    return std::fmod(piso, 2.0) == 0 ? piso : piso + 1;
}

template <typename I> bool cabe(double inteiro) {
    return inteiro >= std::numeric_limits<I>::min() && inteiro <= std::numeric_limits<I>::max();
}

template <typename I> void conferirArredondamento(const Checked<I>& r, double x) {
    const double esperado = paraOParMaisProximo(x);
    EXIGIR(r.ok() == (!std::isnan(x) && cabe<I>(esperado)), mostrar(x));
    if (r.ok())
        EXIGIR(*r == esperado, mostrar(x) + QStringLiteral(" gave ") + QString::number(*r));
}

void conferirPiso(double x) {
    const Checked<int32_t> r = floorTo32(x);
    EXIGIR(r.ok() == (!std::isnan(x) && cabe<int32_t>(std::floor(x))), mostrar(x));
    if (r.ok())
        EXIGIR(*r == std::floor(x), mostrar(x) + QStringLiteral(" gave ") + QString::number(*r));
    if (std::isfinite(x) && x >= 0) {
        const double f = fractionalPart(x);
        EXIGIR(f >= 0 && f < 1, mostrar(x) + QStringLiteral(" has fractional part ") + mostrar(f));
    }
}

// Fifteen significant digits round the very largest doubles (from 1.797693134862315E+308 up)
// past the largest one, so their texts cannot be read back; the program's numbers are nowhere
// near.
constexpr double maiorTextoLegivel = 1.79769313486231e308;

void conferirTexto(double x) {
    if (!std::isfinite(x) || std::fabs(x) > maiorTextoLegivel)
        return;
    const QString t = text(x);
    const Checked<double> lido = number(t);
    const QString detalhe = mostrar(x) + QStringLiteral(" as \"") + t + u'"';
    EXIGIR(lido.ok(), detalhe);
    if (x == std::trunc(x) && std::fabs(x) < 1e15) {
        const QStringView digitos = QStringView(t).mid(x < 0 ? 1 : 0);
        EXIGIR(!digitos.isEmpty() && std::all_of(digitos.begin(), digitos.end(),
                                                 [](QChar c) { return c >= u'0' && c <= u'9'; }),
               detalhe);
        EXIGIR(*lido == x, detalhe + QStringLiteral(" read back as ") + mostrar(*lido));
    } else {
        EXIGIR(std::fabs(*lido - x) <= 1e-14 * std::fabs(x),
               detalhe + QStringLiteral(" read back as ") + mostrar(*lido));
    }
}

// The number a text begins with, as the C library reads the same characters: blanks skipped,
// then digits with at most one point.
double inicioPelaBibliotecaC(const QString& t) {
    qsizetype i = 0;
    while (i < t.size() && (t[i] == u' ' || t[i] == u'\t' || t[i] == u'\n' || t[i] == u'\r'))
        ++i;
    std::string numero;
    bool ponto = false;
    bool digito = false;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= u'0' && c <= u'9')
            digito = true;
        else if (c != u'.' || ponto)
            break;
        ponto = ponto || c == u'.';
        numero += static_cast<char>(c);
    }
    return digito ? std::strtod(numero.c_str(), nullptr) : 0;
}

void conferirLeitura(const QString& t) {
    const double v = value(t);
    EXIGIR(mesmo(v, inicioPelaBibliotecaC(t)),
           u'"' + t + QStringLiteral("\" begins with ") + mostrar(v));
    // Plain digits are read without the locale: the answer must be the locale's all the same.
    bool ok = false;
    const double pelaLocalidade = QLocale().toDouble(QStringView(t).trimmed(), &ok);
    const Checked<double> n = number(t);
    EXIGIR(n.ok() == ok && (!ok || mesmo(*n, pelaLocalidade)),
           u'"' + t + QStringLiteral("\" read as ") + (n.ok() ? mostrar(*n) : QStringLiteral("-")));
    for (double x : {v, n.ok() ? *n : 0.0}) {
        conferirArredondamento(roundTo32(x), x);
        conferirArredondamento(roundTo16(x), x);
        conferirPiso(x);
        conferirTexto(x);
    }
}

// The boxes' last digits are taken without making texts; they must be what the texts give.
void conferirUltimosDigitos(int32_t n) {
    for (int k : {1, 2}) {
        EXIGIR(lastDigits(n, k) == value(lastChars(text(n), k)),
               QString::number(n) + QStringLiteral(", k = ") + QString::number(k));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    fuzz::Entrada entrada(dados, tamanho);
    // The same bytes as raw doubles and whole numbers reach what no typed text gives:
    // NaNs, infinities, halves at the widths' edges.
    const QByteArray crus = entrada.crus();
    for (qsizetype i = 0; i + 8 <= crus.size(); i += 8) {
        double x;
        std::memcpy(&x, crus.constData() + i, sizeof x);
        conferirArredondamento(roundTo32(x), x);
        conferirArredondamento(roundTo16(x), x);
        conferirPiso(x);
        conferirTexto(x);
    }
    for (qsizetype i = 0; i + 4 <= crus.size(); i += 4) {
        uint32_t bits;
        std::memcpy(&bits, crus.constData() + i, sizeof bits);
        conferirUltimosDigitos(static_cast<int32_t>(bits & 0x7fffffffu));
    }
    conferirLeitura(entrada.resto());
    return 0;
}
