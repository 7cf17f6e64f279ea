#pragma once

#include <engine/Gerador.h>
#include <platform/Arquivos.h>
#include <platform/Dialogos.h>
#include <platform/Entropia.h>
#include <platform/InstanciaUnica.h>
#include <platform/Janelas.h>
#include <platform/Programa.h>
#include <platform/Relogio.h>

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QStringList>

#include <cmath>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace rodaleque::teste {

// A clock that stands still unless a test moves it, or moves by a fixed step per reading.
struct RelogioFixo : platform::Relogio {
    float SegundosDoDia() override {
        const float s = segundos;
        segundos += passoPorLeitura;
        ++leituras;
        return s;
    }
    platform::DataHoraLocal agora() override {
        ++leiturasDeData;
        return data;
    }
    float segundos = 45000.5f;
    float passoPorLeitura = 0.0f;
    platform::DataHoraLocal data{2026, 7, 7, 14, 5, 9};
    int leituras = 0;
    int leiturasDeData = 0;
};

// Gives the values a test scripts, in order, and notes every reseed. A word is the scripted
// value u as the 32 bits of u * 2^32, so that a candidate from 1..M is floor(u * M) + 1 unless
// u sits on one of the few values drawn again. Past the script it goes on with real random
// values, so that a draw always comes to an end.
struct GeradorRoteirizado : Gerador {
    void misturar(double s) override {
        misturas.push_back(s);
        real.misturar(s);
    }
    void fixar(double s) override {
        fixacoes.push_back(s);
        real.fixar(s);
    }
    void misturarEntropia(uint64_t bits) override {
        entropias.push_back(bits);
        real.misturarEntropia(bits);
    }
    void iniciar(uint64_t estado, uint64_t sequencia) override {
        entropias.push_back(estado);
        entropias.push_back(sequencia);
        real.iniciar(estado, sequencia);
    }
    float proximo() override {
        if (valores.empty())
            return depoisDoRoteiro ? *depoisDoRoteiro : real.proximo();
        const float v = valores.front();
        valores.pop_front();
        return v;
    }
    uint32_t palavra() override {
        if (valores.empty() && !depoisDoRoteiro)
            return real.palavra();
        return static_cast<uint32_t>(std::ldexp(double(proximo()), 32));
    }
    std::deque<float> valores;
    std::optional<float> depoisDoRoteiro; // past the script: this value for ever, if given
    GeradorPcg real;
    std::vector<double> misturas;
    std::vector<double> fixacoes;
    std::vector<uint64_t> entropias;
};

// Files in memory, with names and appends that a test can make fail.
// Files in memory, each with an identity of its own; a test can take one away or put
// another in its place, as a person tidying the folder would.
struct ArquivosEmMemoria : platform::Arquivos {
    bool nomeOcupado(const QString& caminho) override {
        return conteudo.contains(caminho) || pastas.contains(caminho);
    }
    Criacao criarDuravel(const QString& caminho, const QByteArray& bytes,
                         platform::Identidade& criado) override {
        if (nomeOcupado(caminho))
            return Criacao::NomeOcupado;
        if (falharAcrescimos || falharEm.contains(caminho))
            return Criacao::Falhou;
        conteudo[caminho] = bytes;
        criado = identidades[caminho] = novaIdentidade();
        return Criacao::Gravado;
    }
    Acrescimo acrescentarDuravel(const QString& caminho, const platform::Identidade& arquivo,
                                 const QByteArray& bytes, qint64 tamanho) override {
        if (identidade(caminho) != arquivo ||
            (tamanho != qualquerTamanho && conteudo.value(caminho).size() != tamanho))
            return Acrescimo::Trocado;
        if (falharAcrescimos || falharEm.contains(caminho))
            return Acrescimo::Falhou;
        conteudo[caminho] += bytes;
        return Acrescimo::Gravado;
    }
    std::optional<platform::Identidade> identidade(const QString& caminho) override {
        if (!conteudo.contains(caminho))
            return std::nullopt;
        return identidades.value(caminho);
    }
    std::optional<QByteArray> ler(const QString& caminho) override {
        if (!conteudo.contains(caminho))
            return std::nullopt;
        return conteudo.value(caminho);
    }
    bool substituirDuravel(const QString& caminho, const QByteArray& bytes) override {
        if (falharSubstituicoes)
            return false;
        conteudo[caminho] = bytes;
        identidades[caminho] = novaIdentidade();
        return true;
    }
    bool remover(const QString& caminho) override {
        conteudo.remove(caminho);
        identidades.remove(caminho);
        return true;
    }

    // Another file at the same path, with these bytes.
    void trocar(const QString& caminho, const QByteArray& bytes) {
        conteudo[caminho] = bytes;
        identidades[caminho] = novaIdentidade();
    }
    platform::Identidade novaIdentidade() { return {1, ++ultimoIndice}; }

    QMap<QString, QByteArray> conteudo;
    QMap<QString, platform::Identidade> identidades;
    QSet<QString> pastas;
    bool falharAcrescimos = false;
    QSet<QString> falharEm; // paths whose claims and appends fail
    bool falharSubstituicoes = false;
    uint64_t ultimoIndice = 0;
};

// The results folder, always the same one.
struct PastaFixa : platform::PastaDeResultados {
    explicit PastaFixa(QString p) : caminho(std::move(p)) {}
    QString pasta() override { return caminho; }
    QString caminho;
};

// Entropy that a test scripts: the values given, in order, then failures.
struct EntropiaRoteirizada : platform::Entropia {
    std::optional<uint64_t> ler64() override {
        ++leituras;
        if (valores.empty())
            return std::nullopt;
        const uint64_t v = valores.front();
        valores.pop_front();
        return v;
    }
    std::deque<uint64_t> valores;
    int leituras = 0;
};

// The window system's calls, noted instead of made; the pauses are noted and, when a test
// wants to see time pass, also slept.
struct JanelasDeTeste : platform::Janelas {
    bool pode(Poder poder) override { return !negados.contains(poder); }
    void SetWindowPos(QWidget&, bool acima) override { chamadasAcima.push_back(acima); }
    void BordaFixa(QWidget&, QSize tamanho) override { bordasFixas.push_back(tamanho); }
    QMargins moldura(const QWidget&) override { return molduraDaJanela; }
    void moverJanela(QWidget&, QPoint canto, QMargins) override { cantos.push_back(canto); }
    void janelaAuxiliar(QWidget& janela) override { semBotaoNaBarra.push_back(&janela); }
    void trazerParaFrente(QWidget&, const QByteArray& ficha) override {
        trazidas.append(ficha);
    }
    void Sleep(int ms) override {
        pausas.push_back(ms);
        if (aoPausar)
            aoPausar(ms);
    }
    std::vector<bool> chamadasAcima;
    std::vector<QSize> bordasFixas;
    QMargins molduraDaJanela;
    std::vector<QPoint> cantos;
    std::vector<const QWidget*> semBotaoNaBarra;
    std::vector<int> pausas;
    std::function<void(int)> aoPausar;
    QList<Poder> negados;
    QByteArrayList trazidas;
};

// Another copy running, or not, as the test says; notes what this copy asks of it.
struct InstanciaDeTeste : platform::InstanciaUnica {
    bool outraCopiaRodando() override { return outraCopia; }
    void chamarPrimeiraCopia(const QString& titulo) override { chamadas.append(titulo); }
    void aoSerChamada(AoSerChamada f) override { aoSerChamada_ = std::move(f); }
    bool outraCopia = false;
    QStringList chamadas;
    AoSerChamada aoSerChamada_;
};

// Answers message and input boxes from a script, and notes what was asked.
struct DialogosRoteirizados : platform::Dialogos {
    int caixaDeMensagem(const QString& prompt, int botoes) override {
        mensagens.append(prompt);
        codigos.push_back(botoes);
        if (respostasMensagem.empty())
            return RespostaOk;
        const int r = respostasMensagem.front();
        respostasMensagem.pop_front();
        return r;
    }
    QString caixaDeEntrada(const QString& prompt, int comprimentoMaximo = 0) override {
        perguntas.append(prompt);
        const QString resposta = respostasEntrada.isEmpty() ? QString() : respostasEntrada.takeFirst();
        return comprimentoMaximo > 0 ? resposta.left(comprimentoMaximo) : resposta;
    }
    QString escolherArquivo(const QString& titulo, const QString&) override {
        perguntas.append(titulo);
        return arquivosEscolhidos.isEmpty() ? QString() : arquivosEscolhidos.takeFirst();
    }
    QStringList mensagens;
    std::vector<int> codigos;
    std::deque<int> respostasMensagem;
    QStringList perguntas;
    QStringList respostasEntrada;
    QStringList arquivosEscolhidos;
};

} // namespace rodaleque::teste
