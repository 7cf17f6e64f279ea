#pragma once

#include <platform/Relogio.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The record of a series, line by line: each entry is its kind and its fields, separated by
// tabs, then the field "codigo" with its chained code, then CR LF:
//
//   sorteio<TAB>data=2026-12-09
//   11:20:14<TAB>posicao=1<TAB>numero=17<TAB>participantes=30<TAB>codigo=<64 hex>
//
// An entry's code is the SHA-256 of the previous entry's code (64 lowercase hexadecimal digits;
// for the opening entry, its session id of 32) followed by the entry's text, which is the line up
// to the tab before "codigo=": anyone can check it with a SHA-256 tool of their own.
namespace rodaleque::registro {

// The kinds of entry, as written.
namespace tipo {
inline constexpr char abertura[] = "abertura";
inline constexpr char sorteio[] = "sorteio";
inline constexpr char sorteioRecuperado[] = "sorteio-recuperado"; // on file, not yet in the record
inline constexpr char contagem[] = "contagem";
inline constexpr char ocorrencia[] = "ocorrencia";
inline constexpr char continuacao[] = "continuacao";
inline constexpr char arquivoRefeito[] = "arquivo-refeito";
inline constexpr char concluida[] = "concluida";
inline constexpr char encerrada[] = "encerrada";
} // namespace tipo

// The version of this format, in the opening entry.
inline constexpr int versaoDoFormato = 1;

// The text of an entry, field by field. Every value is escaped, so that no character it holds
// can end the line or the field.
class Texto {
public:
    explicit Texto(QByteArrayView tipo) : texto_(tipo.toByteArray()) {}
    Texto& campo(QByteArrayView chave, const QString& valor);
    Texto& campo(QByteArrayView chave, qint64 valor);
    Texto& data(const platform::DataHoraLocal& quando, bool comDeslocamento = false);
    const QByteArray& texto() const { return texto_; }

private:
    QByteArray texto_;
};

// A value as it stands in an entry: UTF-8, with a backslash before a backslash, "t", "n" and
// "r" for a tab, a line feed and a carriage return, and "u{XXXX}" for any other control or
// format character, or line or paragraph separator (which some editors break lines at).
QByteArray escapar(const QString& valor);
// Nothing for an escape that escapar does not write, or bytes that are not UTF-8.
std::optional<QString> desescapar(QByteArrayView escrito);

// The code of an entry: SHA-256 of the previous code followed by the entry's text, in 64
// lowercase hexadecimal digits.
QByteArray encadear(QByteArrayView anterior, QByteArrayView texto);
// The line as written: the text, the code, CR LF.
QByteArray linha(QByteArrayView texto, QByteArrayView codigo);
// The short form of a code that people read out: its first eight digits, "AB12-CD34".
QString codigoCurto(QByteArrayView codigo);
// 64 lowercase hexadecimal digits (or `digitos` of them).
bool ehHexadecimal(QByteArrayView texto, qsizetype digitos = 64);

// "2026-12-09 11:20:14", and with " -03:00" when the offset from UTC is asked for.
QByteArray textoDaData(const platform::DataHoraLocal& quando, bool comDeslocamento);
std::optional<platform::DataHoraLocal> lerData(QByteArrayView texto, bool comDeslocamento);

} // namespace rodaleque::registro
