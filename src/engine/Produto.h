#pragma once

#include <QString>

namespace rodaleque::produto {

// The product name titles every message box and input box and stands in the caption.
inline QString nome() { return QStringLiteral("Rodaleque"); }
inline QString versao() { return QStringLiteral("1.0.98"); }
inline QString descricao() { return QStringLiteral("Aplicativo para sortear números."); }
inline QString comentario() { return QStringLiteral("Realiza sorteios"); }

} // namespace rodaleque::produto
