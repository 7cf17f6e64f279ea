#include "Numeros.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <optional>

namespace rodaleque::numeros {

namespace {

template <typename I>
Checked<I> intoWidth(double whole) {
    if (!(whole >= std::numeric_limits<I>::min() && whole <= std::numeric_limits<I>::max()))
        return {}; // also catches NaN
    return static_cast<I>(whole);
}

// Plain digits mean the same whole number in every locale; reading them directly spares the
// locale look-ups, which cost more than the rest of a draw attempt.
std::optional<double> plainDigits(QStringView t) {
    if (t.isEmpty() || t.size() > 15)
        return std::nullopt;
    double x = 0;
    for (QChar c : t) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        x = x * 10 + (c.unicode() - u'0');
    }
    return x;
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

} // namespace

// std::nearbyint rounds in the current mode, which is round-half-to-even unless changed.
Checked<int32_t> roundTo32(double x) { return intoWidth<int32_t>(std::nearbyint(x)); }
Checked<int16_t> roundTo16(double x) { return intoWidth<int16_t>(std::nearbyint(x)); }
Checked<int32_t> floorTo32(double x) { return intoWidth<int32_t>(std::floor(x)); }

double fractionalPart(double x) { return x - std::floor(x); }

QString text(double x) {
    if (x == std::trunc(x) && std::fabs(x) < 1e15)
        return QString::number(static_cast<qlonglong>(x));
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(x, 'G', 15);
}

double value(const QString& t) {
    qsizetype i = 0;
    while (i < t.size() && isBlank(t[i]))
        ++i;
    const qsizetype start = i;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < t.size(); ++i) {
        if (t[i].isDigit() && t[i].unicode() < 128)
            seenDigit = true;
        else if (t[i] == u'.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    if (!seenDigit)
        return 0;
    const QStringView numero = QStringView(t).mid(start, i - start);
    if (const std::optional<double> digits = plainDigits(numero))
        return *digits;
    return numero.toDouble();
}

Checked<double> number(const QString& t) {
    const QStringView trimmed = QStringView(t).trimmed();
    if (const std::optional<double> digits = plainDigits(trimmed))
        return *digits;
    bool ok = false;
    const double x = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        return {};
    return x;
}

QString lastChars(const QString& t, int k) { return t.right(k); }

} // namespace rodaleque::numeros
