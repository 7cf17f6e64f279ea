#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace rodaleque::fuzz {

// A fuzz input read as text, so that seeds can be written and read by hand: a first byte that
// picks the locale ('p': Portuguese of Brazil, where the decimal separator is a comma; anything
// else: C), then fields separated by line feeds, the last of which takes the rest.
class Entrada {
public:
    Entrada(const uint8_t* dados, std::size_t tamanho)
        : bytes_(QByteArray::fromRawData(reinterpret_cast<const char*>(dados),
                                         static_cast<qsizetype>(tamanho))) {
        const bool portugues = !bytes_.isEmpty() && bytes_[0] == 'p';
        QLocale::setDefault(portugues ? QLocale(QLocale::Portuguese, QLocale::Brazil)
                                      : QLocale::c());
        posicao_ = bytes_.isEmpty() ? 0 : 1;
    }

    bool acabou() const { return posicao_ >= bytes_.size(); }

    QByteArray campoEmBytes() {
        qsizetype fim = bytes_.indexOf('\n', posicao_);
        if (fim < 0)
            fim = bytes_.size();
        const QByteArray campo = bytes_.mid(posicao_, fim - posicao_);
        posicao_ = fim + 1;
        return campo;
    }
    QString campo() { return QString::fromUtf8(campoEmBytes()); }
    QString resto() {
        const QString r = QString::fromUtf8(bytes_.mid(std::min(posicao_, bytes_.size())));
        posicao_ = bytes_.size();
        return r;
    }

    // The next field as a whole number, brought into [minimo, maximo]; padrao if it is none.
    int32_t inteiro(int32_t minimo, int32_t maximo, int32_t padrao) {
        bool ok = false;
        const long long v = campoEmBytes().toLongLong(&ok);
        return ok ? static_cast<int32_t>(std::clamp<long long>(v, minimo, maximo)) : padrao;
    }

    // All the bytes after the locale's, for targets that read them as raw values.
    QByteArray crus() const { return bytes_.mid(1); }

private:
    QByteArray bytes_;
    qsizetype posicao_ = 0;
};

} // namespace rodaleque::fuzz
