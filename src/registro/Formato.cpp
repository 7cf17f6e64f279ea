#include "Formato.h"

#include <QCryptographicHash>
#include <QDate>
#include <QStringDecoder>

#include <cstdlib>

namespace rodaleque::registro {

namespace {

bool precisaDeEscape(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

// Digits of a number at the front of the text, exactly `digitos` of them.
std::optional<int> numeroFixo(QByteArrayView texto, qsizetype inicio, qsizetype digitos) {
    if (inicio + digitos > texto.size())
        return std::nullopt;
    int n = 0;
    for (qsizetype i = inicio; i < inicio + digitos; ++i) {
        if (texto[i] < '0' || texto[i] > '9')
            return std::nullopt;
        n = n * 10 + (texto[i] - '0');
    }
    return n;
}

QByteArray doisDigitos(int n) {
    return QByteArray::number(n).rightJustified(2, '0');
}

// One code point onto the text; QString::fromUcs4 would take a lone U+FEFF for a byte order mark.
void anexar(QString& texto, char32_t c) {
    if (QChar::requiresSurrogates(c)) {
        texto += QChar(QChar::highSurrogate(c));
        texto += QChar(QChar::lowSurrogate(c));
    } else {
        texto += QChar(static_cast<char16_t>(c));
    }
}

} // namespace

Texto& Texto::campo(QByteArrayView chave, const QString& valor) {
    texto_ += '\t';
    texto_ += chave;
    texto_ += '=';
    texto_ += escapar(valor);
    return *this;
}

Texto& Texto::campo(QByteArrayView chave, qint64 valor) {
    texto_ += '\t';
    texto_ += chave;
    texto_ += '=';
    texto_ += QByteArray::number(valor);
    return *this;
}

Texto& Texto::data(const platform::DataHoraLocal& quando, bool comDeslocamento) {
    texto_ += "\tdata=";
    texto_ += textoDaData(quando, comDeslocamento);
    return *this;
}

QByteArray escapar(const QString& valor) {
    QString escrito;
    escrito.reserve(valor.size());
    for (const char32_t c : valor.toUcs4()) {
        switch (c) {
        case U'\\':
            escrito += QStringLiteral("\\\\");
            break;
        case U'\t':
            escrito += QStringLiteral("\\t");
            break;
        case U'\n':
            escrito += QStringLiteral("\\n");
            break;
        case U'\r':
            escrito += QStringLiteral("\\r");
            break;
        default:
            if (precisaDeEscape(c))
                escrito += QStringLiteral("\\u{") + QString::number(uint(c), 16).toUpper() + u'}';
            else
                anexar(escrito, c);
        }
    }
    return escrito.toUtf8();
}

std::optional<QString> desescapar(QByteArrayView escrito) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString bruto = utf8.decode(escrito);
    if (utf8.hasError())
        return std::nullopt;
    QString valor;
    valor.reserve(bruto.size());
    for (qsizetype i = 0; i < bruto.size(); ++i) {
        if (bruto[i] != u'\\') {
            valor += bruto[i];
            continue;
        }
        if (++i >= bruto.size())
            return std::nullopt;
        switch (bruto[i].unicode()) {
        case u'\\':
            valor += u'\\';
            break;
        case u't':
            valor += u'\t';
            break;
        case u'n':
            valor += u'\n';
            break;
        case u'r':
            valor += u'\r';
            break;
        case u'u': {
            const qsizetype fim = bruto.indexOf(u'}', i);
            if (fim < 0 || i + 1 >= bruto.size() || bruto[i + 1] != u'{' || fim - i - 2 > 6)
                return std::nullopt;
            bool ok = false;
            const uint c = bruto.mid(i + 2, fim - i - 2).toUInt(&ok, 16);
            if (!ok || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
                return std::nullopt;
            anexar(valor, c);
            i = fim;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    // Only the one way escapar writes a value: anything else is not what the program wrote.
    if (escapar(valor) != escrito)
        return std::nullopt;
    return valor;
}

QByteArray encadear(QByteArrayView anterior, QByteArrayView texto) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(anterior);
    hash.addData(texto);
    return hash.result().toHex();
}

QByteArray linha(QByteArrayView texto, QByteArrayView codigo) {
    QByteArray l;
    l.reserve(texto.size() + codigo.size() + 10);
    l += texto;
    l += "\tcodigo=";
    l += codigo;
    l += "\r\n";
    return l;
}

QString codigoCurto(QByteArrayView codigo) {
    const QString digitos =
        QString::fromLatin1(codigo.first(std::min<qsizetype>(8, codigo.size()))).toUpper();
    return digitos.left(4) + u'-' + digitos.mid(4);
}

bool ehHexadecimal(QByteArrayView texto, qsizetype digitos) {
    if (texto.size() != digitos)
        return false;
    for (const char c : texto)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

QByteArray textoDaData(const platform::DataHoraLocal& d, bool comDeslocamento) {
    QByteArray t = QByteArray::number(d.ano).rightJustified(4, '0') + '-' + doisDigitos(d.mes) +
                   '-' + doisDigitos(d.dia) + ' ' + doisDigitos(d.hora) + ':' +
                   doisDigitos(d.minuto) + ':' + doisDigitos(d.segundo);
    if (comDeslocamento) {
        const int minutos = std::abs(d.deslocamentoUtc);
        t += QByteArray(d.deslocamentoUtc < 0 ? " -" : " +") + doisDigitos(minutos / 60) + ':' +
             doisDigitos(minutos % 60);
    }
    return t;
}

std::optional<platform::DataHoraLocal> lerData(QByteArrayView t, bool comDeslocamento) {
    const qsizetype tamanho = comDeslocamento ? 26 : 19;
    if (t.size() != tamanho || t[4] != '-' || t[7] != '-' || t[10] != ' ' || t[13] != ':' ||
        t[16] != ':')
        return std::nullopt;
    const auto ano = numeroFixo(t, 0, 4), mes = numeroFixo(t, 5, 2), dia = numeroFixo(t, 8, 2);
    const auto hora = numeroFixo(t, 11, 2), minuto = numeroFixo(t, 14, 2);
    const auto segundo = numeroFixo(t, 17, 2);
    if (!ano || !mes || !dia || !hora || !minuto || !segundo ||
        !QDate(*ano, *mes, *dia).isValid() || *hora > 23 || *minuto > 59 || *segundo > 60)
        return std::nullopt;
    platform::DataHoraLocal d{*ano, *mes, *dia, *hora, *minuto, *segundo};
    if (comDeslocamento) {
        const auto horas = numeroFixo(t, 21, 2), minutos = numeroFixo(t, 24, 2);
        if (t[19] != ' ' || (t[20] != '+' && t[20] != '-') || t[23] != ':' || !horas || !minutos ||
            *minutos > 59 || *horas * 60 + *minutos > 18 * 60)
            return std::nullopt;
        d.deslocamentoUtc = (t[20] == '-' ? -1 : 1) * (*horas * 60 + *minutos);
    }
    return d;
}

} // namespace rodaleque::registro
