#include "ComposicaoDaAta.h"

#include "PorExtenso.h"

#include <engine/PainelFormato.h>

namespace rodaleque::ata {

namespace {

const QString naoRegistrado = QStringLiteral("não registrado");

QString horaCurta(const std::optional<QDateTime>& momento) {
    return momento ? momento->toString(QStringLiteral("HH:mm:ss")) : naoRegistrado;
}

// "A", "A e B", "A, B e C".
QString enumerar(const QStringList& nomes) {
    if (nomes.size() <= 1)
        return nomes.join(QString());
    return nomes.mid(0, nomes.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" e ") +
           nomes.last();
}

QString quando(const std::optional<QDateTime>& momento) {
    if (!momento)
        return QStringLiteral("Em data e hora não registradas");
    return extenso::data(momento->date()) + QStringLiteral(", ") + extenso::hora(momento->time());
}

QString abertura(const Formulario& f, const Serie& s) {
    QString texto = quando(s.primeiraEntrada) + QStringLiteral(", em ") + f.local +
                    QStringLiteral(", realizou-se o sorteio público eletrônico de ") + f.objeto;
    if (!f.referencia.isEmpty())
        texto += QStringLiteral(", conforme ") + f.referencia;
    texto += QStringLiteral(", sob a condução de ") + f.responsavel;
    if (!f.presentes.isEmpty())
        texto += QStringLiteral(", na presença de ") + enumerar(f.presentes);
    return texto + u'.';
}

QString metodo(const Serie& s) {
    if (!s.comRegistro)
        return QStringLiteral("Esta série foi sorteada antes de o programa manter o registro das "
                              "séries: o programa e sua versão, o número de participantes, as horas "
                              "e os códigos de verificação dos sorteios não foram registrados. Os "
                              "números abaixo são os do arquivo de resultados, na ordem em que "
                              "foram gravados.");
    const int32_t nInicial = s.mudancas.empty() ? s.participantes : s.mudancas.front().de;
    QString texto = QStringLiteral("O sorteio foi realizado com o programa ") + s.programa +
                    QStringLiteral(", versão ") + s.versao;
    if (!s.sha256DoPrograma.isEmpty())
        texto += QStringLiteral(", cujo arquivo executável tem o resumo SHA-256 dado abaixo");
    texto += QStringLiteral(". Participaram os números de 1 a ") + QString::number(nInicial) +
             QStringLiteral(", cada número com a mesma chance de ser sorteado e sem repetição "
                            "de número já sorteado. A cada sorteio o programa tomou nova "
                            "aleatoriedade do sistema operacional, de modo que nenhum resultado "
                            "podia ser previsto nem pode ser reproduzido.");
    for (const MudancaDeContagem& m : s.mudancas)
        texto += QStringLiteral(" Às ") + m.momento.toString(QStringLiteral("HH:mm:ss")) +
                 QStringLiteral(", o número de participantes passou de ") + QString::number(m.de) +
                 QStringLiteral(" para ") + QString::number(m.para) + u'.';
    return texto;
}

Bloco linha(const Sorteado& s) {
    // With no N on record, the digits as they are.
    const QString digitos = s.participantes > 0
                                ? textoDaEntrada(s.numero, formatoDoPainel(s.participantes))
                                : QString::number(s.numero);
    return {Bloco::Tipo::LinhaDaTabela,
            {QString::number(s.posicao), horaCurta(s.momento),
             digitos + QStringLiteral(" — ") + extenso::cardinal(s.numero),
             s.codigoCurto.isEmpty() ? naoRegistrado : s.codigoCurto}};
}

QString encerramento(const Serie& s) {
    QString texto = s.ultimaEntrada ? extenso::hora(s.ultimaEntrada->time())
                                    : QStringLiteral("em hora não registrada");
    texto[0] = texto[0].toUpper();
    texto += QStringLiteral(", encerrou-se o sorteio, com ") + QString::number(s.sorteados.size()) +
             QStringLiteral(" números sorteados");
    if (s.participantes > 0)
        texto += QStringLiteral(" de ") + QString::number(s.participantes);
    return texto + u'.';
}

QString conferencia(const Serie& s) {
    const QString fim = QStringLiteral(
        " Nada mais havendo a tratar, foi lavrada a presente ata, que, lida e achada conforme, "
        "vai assinada pelo responsável pela condução do sorteio e pelos demais presentes.");
    if (!s.comRegistro)
        return QStringLiteral("Esta série não tem registro: as horas e os códigos de verificação "
                              "não foram registrados.") + fim;
    return QStringLiteral("Com o código de verificação e o registro da série, qualquer pessoa "
                          "pode conferir os resultados com o programa rodaleque-verificar.") + fim;
}

Bloco dado(const QString& rotulo, const QString& valor) {
    return {Bloco::Tipo::Dado, {rotulo + QStringLiteral(": ") + valor}};
}

} // namespace

Composicao compor(const Formulario& f, const Serie& s) {
    Composicao c;
    auto& b = c.blocos;
    b.reserve(s.sorteados.size() + s.ocorrencias.size() + f.presentes.size() + 16);
    b.push_back({Bloco::Tipo::Titulo, {f.orgao}});
    b.push_back({Bloco::Tipo::Titulo, {QStringLiteral("ATA DO SORTEIO PÚBLICO ELETRÔNICO")}});
    b.push_back({Bloco::Tipo::Titulo, {f.objeto}});
    if (!f.referencia.isEmpty())
        b.push_back({Bloco::Tipo::Titulo, {f.referencia}});
    b.push_back({Bloco::Tipo::Paragrafo, {abertura(f, s)}});
    b.push_back({Bloco::Tipo::Secao, {QStringLiteral("MÉTODO")}});
    b.push_back({Bloco::Tipo::Paragrafo, {metodo(s)}});
    if (!s.sha256DoPrograma.isEmpty())
        b.push_back(dado(QStringLiteral("SHA-256 do programa"), s.sha256DoPrograma));

    b.push_back({Bloco::Tipo::Secao, {QStringLiteral("NÚMEROS SORTEADOS, NA ORDEM DO SORTEIO")}});
    if (s.sorteados.empty())
        b.push_back({Bloco::Tipo::Paragrafo, {QStringLiteral("Nenhum número foi sorteado.")}});
    else
        b.push_back({Bloco::Tipo::CabecalhoDaTabela,
                     {QStringLiteral("Ordem"), QStringLiteral("Hora"),
                      QStringLiteral("Número sorteado"), QStringLiteral("Código")}});
    for (const Sorteado& sorteado : s.sorteados)
        b.push_back(linha(sorteado));

    b.push_back({Bloco::Tipo::Secao, {QStringLiteral("OCORRÊNCIAS")}});
    if (s.ocorrencias.empty())
        b.push_back({Bloco::Tipo::Paragrafo, {QStringLiteral("Não houve ocorrências.")}});
    for (const Ocorrencia& o : s.ocorrencias)
        b.push_back({Bloco::Tipo::Paragrafo,
                     {o.momento.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" — ") + o.texto}});

    b.push_back({Bloco::Tipo::Secao, {QStringLiteral("ENCERRAMENTO")}});
    b.push_back({Bloco::Tipo::Paragrafo, {encerramento(s)}});
    b.push_back(dado(QStringLiteral("Arquivo de resultados"), s.arquivoDeResultados));
    b.push_back(dado(QStringLiteral("SHA-256 do arquivo de resultados"), s.sha256DoArquivo));
    if (s.comRegistro)
        b.push_back(dado(QStringLiteral("Código de verificação da série"), s.codigoDeVerificacao));
    b.push_back({Bloco::Tipo::Paragrafo, {conferencia(s)}});
    b.push_back({Bloco::Tipo::Assinatura, {f.responsavel, QStringLiteral("Responsável pela condução")}});
    for (const QString& nome : f.presentes)
        b.push_back({Bloco::Tipo::Assinatura, {nome, QString()}});

    c.rodape = QStringLiteral("Código da série: ") + (s.comRegistro ? s.codigoCurto : naoRegistrado);
    return c;
}

} // namespace rodaleque::ata
