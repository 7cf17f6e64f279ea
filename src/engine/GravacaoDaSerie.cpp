// The series' two files, the results and the record, written as the series runs: durably,
// only ever the series' own, and never out of step without the operator knowing.
#include "MotorSorteio.h"

#include <registro/Verificacao.h>

namespace rodaleque {

using Gravacao = ArquivoResultados::Gravacao;

QString MotorSorteio::caminhoDoRegistro() const {
    return registro::caminhoDoRegistro(estado_.Arquivo);
}

MotorSorteio::Gravado MotorSorteio::gravarNoArquivo(int32_t n) {
    naoGravados_.push_back(n);
    return gravarSerie();
}

MotorSorteio::Gravado MotorSorteio::gravarSerie() {
    if (ambiente_.controles.lstN().listCount() == 0)
        return {}; // nothing drawn yet: what the record holds waits for the first number
    std::vector<Perda> perdas;
    const Gravado gravado = gravarOQueFalta(perdas);
    for (const Perda& p : perdas) {
        const QString aviso =
            p.doRegistro ? QStringLiteral("O registro desta série não foi encontrado, foi "
                                          "substituído ou foi alterado:\n%1\n\nA série e o seu "
                                          "registro serão gravados em novos arquivos.")
                         : QStringLiteral("O arquivo de resultados desta série não foi encontrado "
                                          "ou foi substituído:\n%1\n\nOs números desta série "
                                          "serão gravados em um novo arquivo.");
        ambiente_.dialogos.caixaDeMensagem(aviso.arg(p.caminho), platform::Dialogos::OkInformacao);
    }
    return gravado;
}

// The results file first: a number on it counts as drawn, so the record follows it, and a
// series taken up after a crash between the two writes recovers the record's entry. A file
// taken away, or a name taken before its claim, moves the series on to a new pair of files.
MotorSorteio::Gravado MotorSorteio::gravarOQueFalta(std::vector<Perda>& perdas) {
    while (true) {
        const QString resultados = estado_.Arquivo;
        const Gravacao noArquivo = gravarResultados();
        if (tirado(noArquivo)) {
            if (!mudarDepoisDe(noArquivo, {resultados, false}, perdas))
                return {false, false};
            continue;
        }
        const QString registro = caminhoDoRegistro();
        const Gravacao noRegistro = gravarRegistro();
        if (tirado(noRegistro)) {
            if (!mudarDepoisDe(noRegistro, {registro, true}, perdas))
                return {false, false};
            continue;
        }
        if (noArquivo == Gravacao::Criado || noRegistro == Gravacao::Criado)
            guardarSerie();
        return {noArquivo != Gravacao::Falhou, noRegistro != Gravacao::Falhou};
    }
}

bool MotorSorteio::tirado(Gravacao g) {
    return g == Gravacao::Trocado || g == Gravacao::NomeOcupado;
}

bool MotorSorteio::mudarDepoisDe(Gravacao g, const Perda& arquivo, std::vector<Perda>& perdas) {
    if (g == Gravacao::NomeOcupado)
        return mudarDeArquivos("nome-ocupado");
    perdas.push_back(arquivo);
    return mudarDeArquivos(arquivo.doRegistro ? "registro-trocado" : "arquivo-trocado");
}

// A claim gets the whole series so far; an append, every number not on file yet (one whose
// write failed goes in with the next).
Gravacao MotorSorteio::gravarResultados() {
    const bool reivindicado = ambiente_.arquivo.identidade(estado_.Arquivo).has_value();
    if (reivindicado && naoGravados_.empty())
        return Gravacao::Acrescentado;
    const Gravacao g = ambiente_.arquivo.gravar(estado_.Arquivo,
                                                reivindicado ? naoGravados_ : registro_.emOrdem());
    if (g == Gravacao::Criado || g == Gravacao::Acrescentado)
        naoGravados_.clear();
    return g;
}

Gravacao MotorSorteio::gravarRegistro() {
    RegistroDaSerie& r = ambiente_.registroDaSerie;
    const QString caminho = caminhoDoRegistro();
    if (r.identidade(caminho) && r.emDia())
        return Gravacao::Acrescentado;
    return r.gravar(caminho);
}

bool MotorSorteio::mudarDeArquivos(const char* motivo) {
    const QString anterior = estado_.Arquivo;
    if (!avancarSerie())
        return false;
    ambiente_.registroDaSerie.arquivoRefeito(motivo, registro::nomeDoArquivo(anterior),
                                             registro::nomeDoArquivo(estado_.Arquivo));
    ambiente_.controles.txtEnder().setText(prefixoDoArquivo::gravando() + estado_.Arquivo);
    return true;
}

bool MotorSorteio::avancarSerie() {
    if (!assign(estado_.nSerie, checkedAdd(estado_.nSerie, 1)) ||
        !ambiente_.arquivo.nomear(estado_.nSerie, estado_.Arquivo))
        return false;
    mostrarSerie();
    return true;
}

void MotorSorteio::avisarRegistroNaoGravado(const QString& oQue) {
    ambiente_.dialogos.caixaDeMensagem(
        QStringLiteral("Não foi possível gravar %1 no registro da série:\n").arg(oQue) +
            caminhoDoRegistro() +
            QStringLiteral("\n\nO registro será completado na próxima gravação que der certo."),
        platform::Dialogos::OkInformacao);
}

} // namespace rodaleque
