#include "ArquivoResultados.h"

#include "Checked.h"
#include "Numeros.h"

#include <registro/Verificacao.h>

namespace rodaleque {

using numeros::text;

ArquivoResultados::ArquivoResultados(platform::Arquivos& arquivos, platform::Relogio& relogio,
                                     platform::PastaDeResultados& pasta, QString separador)
    : arquivos_(arquivos), relogio_(relogio), pasta_(pasta), separador_(std::move(separador)),
      arquivo_(arquivos) {}

QString ArquivoResultados::pastaComSeparador() {
    const QString pasta = pasta_.pasta();
    return pasta.endsWith(separador_) ? pasta : pasta + separador_;
}

QString ArquivoResultados::caminho(const QString& pastaComSeparador, int32_t nSerie) {
    QString nome = pastaComSeparador + QStringLiteral("sn.") + text(nSerie) + u'[';
    nome += text(relogio_.agora().dia) + u'-';
    nome += text(relogio_.agora().mes) + u']';
    nome += text(relogio_.agora().hora) + u'h';
    nome += text(relogio_.agora().minuto) + QStringLiteral("min");
    nome += text(relogio_.agora().segundo) + QStringLiteral(".txt");
    return nome;
}

bool ArquivoResultados::nomear(int32_t& nSerie, QString& arquivo) {
    arquivo_.esquecer(); // a new name is claimed by its first line
    const QString pasta = pastaComSeparador();
    arquivo = caminho(pasta, nSerie);
    // The name is the series' for both its files: the results and, beside them, the record.
    while (arquivos_.nomeOcupado(arquivo) || arquivos_.nomeOcupado(registro::caminhoDoRegistro(arquivo))) {
        if (!assign(nSerie, checkedAdd(nSerie, 1)))
            return false;
        arquivo = caminho(pasta, nSerie);
    }
    return true;
}

namespace {

// Digits only, so the system's single-byte code page is plain ASCII; CR LF everywhere.
QByteArray linhaDe(int32_t n) { return text(n).toLatin1() + "\r\n"; }

QByteArray linhasDe(const std::vector<int32_t>& numeros) {
    QByteArray linhas;
    for (const int32_t n : numeros)
        linhas += linhaDe(n);
    return linhas;
}

} // namespace

ArquivoResultados::Gravacao ArquivoResultados::gravar(const QString& arquivo,
                                                      const std::vector<int32_t>& numeros) {
    return arquivo_.gravar(arquivo, linhasDe(numeros));
}

void ArquivoResultados::retomar(const QString& arquivo, const platform::Identidade& identidade,
                                const std::vector<int32_t>& numeros) {
    arquivo_.retomar(arquivo, identidade, linhasDe(numeros).size());
}

std::optional<SerieLida> ArquivoResultados::lerSerie(const QString& arquivo,
                                                     const platform::Identidade& identidade,
                                                     int32_t nParticipantes) {
    const std::optional<QByteArray> conteudo = lerSeForOMesmo(arquivos_, arquivo, identidade);
    if (!conteudo)
        return std::nullopt;
    return rodaleque::lerSerie(*conteudo, nParticipantes);
}

} // namespace rodaleque
