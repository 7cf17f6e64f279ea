#include "LeituraDoRegistro.h"

#include "Formato.h"

#include <engine/EstadoSorteio.h>

#include <QSet>

#include <optional>

namespace rodaleque::registro {

namespace {

using Falha = Problema::Tipo;

bool ehNome(QByteArrayView nome) {
    if (nome.isEmpty())
        return false;
    for (const char c : nome)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
            return false;
    return true;
}

// A whole number as the program writes it: digits, no sign, no leading zero, at most `maximo`.
std::optional<int64_t> natural(const QString& texto, int64_t maximo) {
    if (texto.isEmpty() || texto.size() > 10 || (texto.front() == u'0' && texto.size() > 1))
        return std::nullopt;
    int64_t n = 0;
    for (const QChar c : texto) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n <= maximo ? std::optional(n) : std::nullopt;
}

const struct {
    const char* nome;
    Tipo tipo;
} tipos[] = {
    {tipo::abertura, Tipo::Abertura},
    {tipo::sorteio, Tipo::Sorteio},
    {tipo::sorteioRecuperado, Tipo::SorteioRecuperado},
    {tipo::contagem, Tipo::Contagem},
    {tipo::ocorrencia, Tipo::Ocorrencia},
    {tipo::continuacao, Tipo::Continuacao},
    {tipo::arquivoRefeito, Tipo::ArquivoRefeito},
    {tipo::concluida, Tipo::Concluida},
    {tipo::encerrada, Tipo::Encerrada},
};

Tipo tipoDe(QByteArrayView nome) {
    for (const auto& t : tipos)
        if (nome == t.nome)
            return t.tipo;
    return Tipo::Outro;
}

// Reads entry after entry, each checked against the ones before.
class Leitor {
public:
    explicit Leitor(LeituraDoRegistro& leitura) : l_(leitura) {}

    // False, with the problem noted, when the line cannot be taken.
    bool ler(QByteArrayView linha, int numero);

private:
    bool falhar(Falha tipo, const QString& detalhe) {
        l_.problema = {tipo, entrada_.linha, detalhe};
        return false;
    }
    bool separar(QByteArrayView linha);
    bool encadear();
    bool lerCampos();
    bool seguir();
    std::optional<int64_t> numero(QByteArrayView chave, int64_t minimo, int64_t maximo);
    bool exigir(QByteArrayView chave);

    LeituraDoRegistro& l_;
    Entrada entrada_;
    QByteArray anterior_; // the code the next entry chains from
    int32_t participantes_ = 0;
    int32_t sorteados_ = 0;
    QSet<int32_t> numeros_;
    QString arquivo_;
};

bool Leitor::ler(QByteArrayView linha, int numero) {
    entrada_ = Entrada{};
    entrada_.linha = numero;
    if (!separar(linha) || !encadear() || !lerCampos() || !seguir())
        return false;
    entrada_.participantes = participantes_;
    anterior_ = entrada_.codigo;
    l_.entradas.push_back(std::move(entrada_));
    return true;
}

bool Leitor::separar(QByteArrayView linha) {
    const QByteArrayView marca("\tcodigo=");
    const qsizetype fimDoTexto = linha.lastIndexOf(marca);
    if (fimDoTexto < 0)
        return falhar(Falha::EntradaInvalida, QStringLiteral("a linha não tem o campo codigo"));
    entrada_.texto = linha.first(fimDoTexto).toByteArray();
    entrada_.codigo = linha.sliced(fimDoTexto + marca.size()).toByteArray();
    if (!ehHexadecimal(entrada_.codigo))
        return falhar(Falha::EntradaInvalida,
                      QStringLiteral("o código não tem 64 dígitos hexadecimais"));
    const QList<QByteArray> partes = entrada_.texto.split('\t');
    entrada_.nomeDoTipo = partes.front();
    if (!ehNome(entrada_.nomeDoTipo))
        return falhar(Falha::EntradaInvalida,
                      QStringLiteral("a linha não começa com o tipo da entrada"));
    entrada_.tipo = tipoDe(entrada_.nomeDoTipo);
    for (qsizetype i = 1; i < partes.size(); ++i) {
        const qsizetype igual = partes[i].indexOf('=');
        const QByteArray chave = partes[i].left(igual);
        const std::optional<QString> valor =
            igual < 0 ? std::nullopt : desescapar(QByteArrayView(partes[i]).sliced(igual + 1));
        if (!ehNome(chave) || !valor || entrada_.campo(chave))
            return falhar(
                Falha::EntradaInvalida,
                QStringLiteral("o campo %1 não está como o programa o escreve").arg(i + 1));
        entrada_.campos.emplace_back(chave, *valor);
    }
    return true;
}

bool Leitor::encadear() {
    if (l_.entradas.empty()) {
        if (entrada_.tipo != Tipo::Abertura)
            return falhar(Falha::EntradaInvalida,
                          QStringLiteral("o registro não começa com a entrada de abertura"));
        anterior_ = entrada_.valor("sessao").toLatin1();
        if (!ehHexadecimal(anterior_, 32))
            return falhar(Falha::EntradaInvalida,
                          QStringLiteral("a sessão não tem 32 dígitos hexadecimais"));
    }
    if (registro::encadear(anterior_, entrada_.texto) != entrada_.codigo)
        return falhar(Falha::CodigoNaoConfere,
                      QStringLiteral("o código não confere com o texto da entrada e o código da "
                                     "entrada anterior (a entrada foi alterada, ou foram "
                                     "incluídas ou removidas entradas antes dela)"));
    return true;
}

bool Leitor::exigir(QByteArrayView chave) {
    if (!entrada_.valor(chave).isEmpty())
        return true;
    return falhar(Falha::EntradaInvalida,
                  QStringLiteral("falta o campo %1").arg(QString::fromLatin1(chave)));
}

std::optional<int64_t> Leitor::numero(QByteArrayView chave, int64_t minimo, int64_t maximo) {
    const std::optional<int64_t> n = natural(entrada_.valor(chave), maximo);
    if (!n || *n < minimo) {
        falhar(Falha::EntradaInvalida,
               QStringLiteral("o campo %1 não é um número válido").arg(QString::fromLatin1(chave)));
        return std::nullopt;
    }
    return n;
}

// The fields each known kind must have, in their forms.
bool Leitor::lerCampos() {
    if (entrada_.tipo == Tipo::Outro)
        return true; // a later version's entry: its code is all this one can check
    const bool abertura = entrada_.tipo == Tipo::Abertura;
    const std::optional<platform::DataHoraLocal> data =
        lerData(entrada_.valor("data").toLatin1(), abertura);
    if (!data)
        return falhar(Falha::EntradaInvalida, QStringLiteral("a data não é válida"));
    entrada_.data = *data;
    switch (entrada_.tipo) {
    case Tipo::Abertura: {
        const QString executavel = entrada_.valor("executavel");
        if (entrada_.valor("formato") != QString::number(versaoDoFormato))
            return falhar(Falha::EntradaInvalida,
                          QStringLiteral("o formato do registro não é conhecido"));
        if (!exigir("programa") || !exigir("arquivo") || !numero("serie", 1, INT32_MAX))
            return false;
        if (executavel != QStringLiteral("indisponivel") && !ehHexadecimal(executavel.toLatin1()))
            return falhar(Falha::EntradaInvalida,
                          QStringLiteral("o código do executável não é válido"));
        const auto n = numero("participantes", minimoDeParticipantes, maximoDeParticipantes);
        if (!n)
            return false;
        entrada_.participantes = static_cast<int32_t>(*n);
        return true;
    }
    case Tipo::Sorteio:
    case Tipo::SorteioRecuperado: {
        const auto posicao = numero("posicao", 1, maximoDeParticipantes);
        const auto n = posicao ? numero("numero", 1, maximoDeParticipantes) : std::nullopt;
        const auto participantes =
            n ? numero("participantes", minimoDeParticipantes, maximoDeParticipantes)
              : std::nullopt;
        if (!participantes)
            return false;
        entrada_.posicao = static_cast<int32_t>(*posicao);
        entrada_.numero = static_cast<int32_t>(*n);
        entrada_.participantes = static_cast<int32_t>(*participantes);
        return true;
    }
    case Tipo::Contagem: {
        const auto de = numero("de", minimoDeParticipantes, maximoDeParticipantes);
        const auto para =
            de ? numero("para", minimoDeParticipantes, maximoDeParticipantes) : std::nullopt;
        if (!para)
            return false;
        entrada_.participantes = static_cast<int32_t>(*para);
        return true;
    }
    case Tipo::Ocorrencia:
        return entrada_.campo("texto") ||
               falhar(Falha::EntradaInvalida, QStringLiteral("falta o campo texto"));
    case Tipo::Continuacao: {
        const auto posicao = numero("posicao", 1, maximoDeParticipantes + 1);
        if (posicao)
            entrada_.posicao = static_cast<int32_t>(*posicao);
        return posicao.has_value();
    }
    case Tipo::ArquivoRefeito:
        return exigir("motivo") && exigir("anterior") && exigir("novo");
    case Tipo::Concluida:
        return numero("sorteados", 1, maximoDeParticipantes).has_value();
    case Tipo::Encerrada: {
        const QString motivo = entrada_.valor("motivo");
        return motivo == QStringLiteral("reinicio") || motivo == QStringLiteral("fechamento") ||
               falhar(Falha::EntradaInvalida,
                      QStringLiteral("o motivo do encerramento não é conhecido"));
    }
    case Tipo::Outro:
        break;
    }
    return true;
}

// What each entry may say, given the entries before it.
bool Leitor::seguir() {
    const Entrada& e = entrada_;
    const auto fora = [&](const QString& detalhe) {
        return falhar(Falha::ForaDeSequencia, detalhe);
    };
    if (!l_.entradas.empty() && l_.encerrada())
        return fora(QStringLiteral("há uma entrada depois do encerramento da série"));
    switch (e.tipo) {
    case Tipo::Abertura:
        if (!l_.entradas.empty())
            return fora(QStringLiteral("uma segunda entrada de abertura"));
        participantes_ = e.participantes;
        arquivo_ = e.valor("arquivo");
        return true;
    case Tipo::Sorteio:
    case Tipo::SorteioRecuperado:
        if (e.posicao != sorteados_ + 1)
            return fora(QStringLiteral("o sorteio %1 vem depois do sorteio %2")
                            .arg(e.posicao)
                            .arg(sorteados_));
        if (e.participantes != participantes_)
            return fora(QStringLiteral("o sorteio diz %1 participantes, mas eram %2")
                            .arg(e.participantes)
                            .arg(participantes_));
        if (e.numero > participantes_)
            return fora(QStringLiteral("o número %1 está acima dos %2 participantes")
                            .arg(e.numero)
                            .arg(participantes_));
        if (numeros_.contains(e.numero))
            return fora(QStringLiteral("o número %1 já tinha sido sorteado").arg(e.numero));
        numeros_.insert(e.numero);
        ++sorteados_;
        return true;
    case Tipo::Contagem:
        if (e.valor("de") != QString::number(participantes_) || e.participantes <= participantes_)
            return fora(
                QStringLiteral("a contagem não parte dos %1 participantes para um número maior")
                    .arg(participantes_));
        participantes_ = e.participantes;
        return true;
    case Tipo::Continuacao:
        if (e.posicao != sorteados_ + 1)
            return fora(
                QStringLiteral("a continuação não parte do sorteio %1").arg(sorteados_ + 1));
        return true;
    case Tipo::ArquivoRefeito:
        if (e.valor("anterior") != arquivo_)
            return fora(QStringLiteral("o arquivo refeito não é o arquivo da série"));
        arquivo_ = e.valor("novo");
        return true;
    case Tipo::Concluida:
        if (e.valor("sorteados") != QString::number(sorteados_) || sorteados_ != participantes_)
            return fora(QStringLiteral("a série não estava concluída"));
        return true;
    case Tipo::Ocorrencia:
    case Tipo::Encerrada:
    case Tipo::Outro:
        return true;
    }
    return true;
}

} // namespace

const QString* Entrada::campo(QByteArrayView chave) const {
    for (const auto& [c, v] : campos)
        if (c == chave)
            return &v;
    return nullptr;
}

std::vector<const Entrada*> LeituraDoRegistro::sorteios() const {
    std::vector<const Entrada*> s;
    for (const Entrada& e : entradas)
        if (e.ehSorteio())
            s.push_back(&e);
    return s;
}

QString LeituraDoRegistro::arquivo() const {
    QString nome;
    for (const Entrada& e : entradas) {
        if (e.tipo == Tipo::Abertura)
            nome = e.valor("arquivo");
        else if (e.tipo == Tipo::ArquivoRefeito)
            nome = e.valor("novo");
    }
    return nome;
}

LeituraDoRegistro lerRegistro(const QByteArray& conteudo) {
    LeituraDoRegistro leitura;
    if (conteudo.isEmpty()) {
        leitura.problema = {Falha::Vazio, 1, QStringLiteral("o registro está vazio")};
        return leitura;
    }
    Leitor leitor(leitura);
    qsizetype inicio = 0;
    for (int numero = 1; inicio < conteudo.size(); ++numero) {
        const qsizetype fim = conteudo.indexOf('\n', inicio);
        if (fim < 0) {
            leitura.problema = {
                Falha::LinhaCortada, numero,
                QStringLiteral("a linha não termina: o registro foi cortado no meio dela")};
            break;
        }
        if (fim == inicio || conteudo[fim - 1] != '\r') {
            leitura.problema = {Falha::EntradaInvalida, numero,
                                QStringLiteral("a linha não termina com CR LF")};
            break;
        }
        if (!leitor.ler(QByteArrayView(conteudo).sliced(inicio, fim - 1 - inicio), numero))
            break;
        inicio = fim + 1;
        leitura.bytesBons = inicio;
    }
    return leitura;
}

} // namespace rodaleque::registro
