#include "ArquivoResultados.h"

#include "Checked.h"
#include "Numeros.h"

namespace rodaleque {

using numeros::text;

ArquivoResultados::ArquivoResultados(platform::Arquivos& arquivos, platform::Relogio& relogio,
                                     platform::PastaDeResultados& pasta, QString separador)
    : arquivos_(arquivos), relogio_(relogio), pasta_(pasta), separador_(std::move(separador)) {}

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
    criado_.clear(); // a new name is claimed by its first line
    const QString pasta = pastaComSeparador();
    arquivo = caminho(pasta, nSerie);
    while (arquivos_.nomeOcupado(arquivo)) {
        if (!assign(nSerie, checkedAdd(nSerie, 1)))
            return false;
        arquivo = caminho(pasta, nSerie);
    }
    return true;
}

platform::Arquivos::Criacao ArquivoResultados::gravar(const QString& arquivo, int32_t n) {
    using Criacao = platform::Arquivos::Criacao;
    // Digits only, so the system's single-byte code page is plain ASCII; CR LF everywhere.
    const QByteArray linha = text(n).toLatin1() + "\r\n";
    if (arquivo == criado_)
        return arquivos_.acrescentarDuravel(arquivo, linha) ? Criacao::Gravado : Criacao::Falhou;
    const Criacao criacao = arquivos_.criarDuravel(arquivo, linha);
    if (criacao == Criacao::Gravado)
        criado_ = arquivo;
    return criacao;
}

} // namespace rodaleque
