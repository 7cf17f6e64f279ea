#pragma once

#include <QFile>
#include <QString>

#include <algorithm>
#include <vector>

namespace rodaleque::bench {

inline double mediana(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t meio = v.size() / 2;
    return v.size() % 2 ? v[meio] : (v[meio - 1] + v[meio]) / 2;
}

// Peak resident memory of this process, in MiB, as the kernel reports it.
inline double picoDeMemoriaMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& linha : status.readAll().split('\n')) {
        if (linha.startsWith("VmHWM:"))
            return linha.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

} // namespace rodaleque::bench
