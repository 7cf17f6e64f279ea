#pragma once

#include <QByteArray>
#include <QFile>

#include <optional>

namespace rodaleque::platform {

// A file's whole content, read through `lerPedaco(destino, cabe)`: the bytes it read into
// `destino` (at most `cabe`), 0 at the end of the file, less than 0 on an error. The size
// known beforehand is only a hint, the end of the file decides; one byte more lets the read
// that finds the end land without growing the buffer.
template <typename LerPedaco>
std::optional<QByteArray> lerAteOFim(qsizetype tamanhoPrevisto, LerPedaco lerPedaco) {
    QByteArray conteudo(tamanhoPrevisto + 1, Qt::Uninitialized);
    qsizetype lidos = 0;
    while (true) {
        if (lidos == conteudo.size())
            conteudo.resize(conteudo.size() * 2);
        const qint64 n = lerPedaco(conteudo.data() + lidos, conteudo.size() - lidos);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        lidos += n;
    }
    conteudo.truncate(lidos);
    return conteudo;
}

// The whole content of the file at the path, links followed, as Qt reads it; nothing on an error.
inline std::optional<QByteArray> lerPorQFile(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace rodaleque::platform
