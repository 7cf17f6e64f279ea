#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A whole file's bytes as a test reads and writes them, around the code under test.
inline QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return f.readAll();
}

inline bool gravar(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
