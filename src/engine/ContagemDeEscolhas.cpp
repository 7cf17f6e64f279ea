#include "ContagemDeEscolhas.h"

#include "Numeros.h"

namespace rodaleque {

ContagemDeEscolhas::ContagemDeEscolhas(Controles& controles) : controles_(controles) {
    for (int i = 0; i < controles.txtEstatCount(); ++i) {
        const CaixaDeTexto* caixa = controles.txtEstat(i);
        textos_.push_back(caixa ? caixa->text() : QString());
        valores_.push_back(numeros::value(textos_.back()));
    }
    alterados_.assign(textos_.size(), false);
}

bool ContagemDeEscolhas::contar(int k) {
    if (k < 0 || static_cast<std::size_t>(k) >= textos_.size())
        return false;
    // A box's text becomes text(value(text) + 1); the value is kept so that the text is only
    // made when somebody reads it.
    valores_[k] += 1;
    alterados_[k] = true;
    return true;
}

Checked<double> ContagemDeEscolhas::numero(int i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= textos_.size())
        return {};
    // A count's text reads back as the count itself.
    return alterados_[i] ? Checked<double>(valores_[i]) : numeros::number(textos_[i]);
}

void ContagemDeEscolhas::escrever() {
    for (std::size_t i = 0; i < textos_.size(); ++i) {
        if (!alterados_[i])
            continue;
        if (CaixaDeTexto* caixa = controles_.txtEstat(static_cast<int>(i)))
            caixa->setText(numeros::text(valores_[i]));
    }
}

} // namespace rodaleque
