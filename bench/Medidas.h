#pragma once

#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

#include <sys/resource.h>

namespace rodaleque::bench {

inline double mediana(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t meio = v.size() / 2;
    return v.size() % 2 ? v[meio] : (v[meio - 1] + v[meio]) / 2;
}

// The value below which a share p (0..1) of the figures lie, the nearest one.
inline double percentil(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(std::ceil(p * double(v.size()))) - (p > 0 ? 1 : 0);
    return v[std::min(i, v.size() - 1)];
}

// CPU seconds this process has used so far, user and system.
inline double segundosDeCpu() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
           double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

// A memory figure of this process (VmHWM, VmRSS...), in MiB, as the kernel reports it.
inline double memoriaMiB(const char* campo) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefixo = QByteArray(campo) + ':';
    for (const QByteArray& linha : status.readAll().split('\n')) {
        if (linha.startsWith(prefixo))
            return linha.mid(prefixo.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// Peak resident memory of this process, in MiB.
inline double picoDeMemoriaMiB() { return memoriaMiB("VmHWM"); }

// Resident memory now, in MiB.
inline double memoriaResidenteMiB() { return memoriaMiB("VmRSS"); }

// The machine's load average over 1, 5 and 15 minutes, as the kernel reports it.
inline QString cargaDaMaquina() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).section(u' ', 0, 2)
                                       : QStringLiteral("unknown");
}

} // namespace rodaleque::bench
