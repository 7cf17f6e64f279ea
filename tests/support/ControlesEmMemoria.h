#pragma once

#include <engine/Controles.h>

#include <QString>
#include <QStringList>

#include <array>

namespace rodaleque::teste {

struct CaixaEmMemoria : CaixaDeTexto {
    explicit CaixaEmMemoria(int comprimentoMaximo = 0) : maximo(comprimentoMaximo) {}
    QString text() const override { return valor; }
    void setText(const QString& t) override { valor = maximo > 0 ? t.left(maximo) : t; }
    QString valor;
    int maximo;
    int escritas = 0;
};

struct CaixaSelecionavelEmMemoria : CaixaSelecionavel {
    QString text() const override { return valor; }
    void setText(const QString& t) override { valor = t; }
    void setSelection(int inicio, int comprimento) override {
        selecaoInicio = inicio;
        selecaoComprimento = comprimento;
    }
    QString valor;
    int selecaoInicio = -1;
    int selecaoComprimento = 0;
};

struct BolaEmMemoria : Bola {
    QString text() const override { return valor; }
    void setText(const QString& t) override { valor = t.left(4); }
    int64_t backColor() const override { return cor; }
    bool setBackColor(int64_t c) override {
        if (recusarCor || c < 0 || c > 0xFFFFFF)
            return false;
        cor = c;
        return true;
    }
    QString valor;
    int64_t cor = 0xFFFFFF;
    bool recusarCor = false;
};

struct RotuloEmMemoria : Rotulo {
    void setCaption(const QString& l) override { legenda = l; }
    QString legenda;
};

struct BotaoEmMemoria : Botao {
    void setEnabled(bool h) override { habilitado = h; }
    void setCaption(const QString& l) override { legenda = l; }
    bool setFocus() override {
        if (!habilitado)
            return false;
        focado = true;
        return true;
    }
    bool habilitado = true;
    bool focado = false;
    QString legenda;
};

struct TemporizadorEmMemoria : Temporizador {
    void setEnabled(bool h) override { habilitado = h; }
    bool habilitado = false;
};

// The panel, with the window's selection handling: a change of selection shows the
// position in lblPos.
struct ListaEmMemoria : ListaDeResultados {
    explicit ListaEmMemoria(RotuloEmMemoria& posicao) : lblPos(posicao) {}
    int listCount() const override { return static_cast<int>(itens.size()); }
    bool setListIndex(int i) override {
        if (i < -1 || i >= listCount())
            return false;
        if (i != indice) {
            indice = i;
            lblPos.setCaption(QStringLiteral("Posição selecionada: ") + QString::number(i + 1));
        }
        return true;
    }
    int listIndex() const override { return indice; }
    QString selectedText() const override { return indice >= 0 ? itens[indice] : QString(); }
    void addItem(const QString& t) override { itens.append(t); }
    void clear() override {
        itens.clear();
        indice = -1;
    }
    void setColumns(int c) override { colunas = c; }
    void setVisible(bool v) override {
        visivel = v;
        if (!v)
            ++ocultacoes;
    }
    RotuloEmMemoria& lblPos;
    QStringList itens;
    int indice = -1;
    int colunas = 8;
    bool visivel = true;
    int ocultacoes = 0;
};

// The window's controls in memory, as the window builds them.
struct ControlesEmMemoria : Controles {
    ControlesEmMemoria() { txtX_.valor = QStringLiteral("99999"); cmdSorteio_.habilitado = false; }

    ListaDeResultados& lstN() override { return lista; }
    CaixaDeTexto& txtX() override { return txtX_; }
    CaixaDeTexto& txtBar() override { return txtBar_; }
    CaixaSelecionavel& txtEnder() override { return txtEnder_; }
    CaixaDeTexto& txtPart() override { return txtPart_; }
    int txtEstatCount() const override { return static_cast<int>(estat.size()); }
    CaixaDeTexto* txtEstat(int i) override {
        return i >= 0 && i < txtEstatCount() ? &estat[i] : nullptr;
    }
    int txtGloboCount() const override { return static_cast<int>(bolas.size()); }
    Bola* txtGlobo(int i) override { return i >= 0 && i < txtGloboCount() ? &bolas[i] : nullptr; }
    Rotulo& lblN() override { return lblN_; }
    Rotulo& lblSnum() override { return lblSnum_; }
    Rotulo& lblPos() override { return lblPos_; }
    Rotulo& lblCodigo() override { return lblCodigo_; }
    Botao& cmdSorteio() override { return cmdSorteio_; }
    Botao& cmdX() override { return cmdX_; }
    Temporizador& sorter() override { return sorter_; }
    Temporizador& sorter2() override { return sorter2_; }
    Temporizador& sorter3() override { return sorter3_; }
    Temporizador& sorter4() override { return sorter4_; }
    Temporizador& Timer1() override { return Timer1_; }

    CaixaEmMemoria txtX_{6}, txtBar_, txtPart_{6};
    CaixaSelecionavelEmMemoria txtEnder_;
    std::array<CaixaEmMemoria, 9> estat;
    std::array<BolaEmMemoria, 30> bolas;
    RotuloEmMemoria lblN_, lblSnum_, lblPos_, lblCodigo_;
    ListaEmMemoria lista{lblPos_};
    BotaoEmMemoria cmdSorteio_, cmdX_;
    TemporizadorEmMemoria sorter_, sorter2_, sorter3_, sorter4_, Timer1_;
};

} // namespace rodaleque::teste
