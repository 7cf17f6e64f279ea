#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// A property of the fuzzed code that must hold for every input: when it does not, the input
// is reported with what was seen, and libFuzzer keeps it as a crash.
#define EXIGIR(condicao, detalhe)                                                                  \
    do {                                                                                           \
        if (!(condicao)) {                                                                         \
            std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", __FILE__, __LINE__,         \
                         #condicao, qPrintable(QString(detalhe)));                                 \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
