#pragma once

#include <QString>

#include <cstdint>

namespace rodaleque {

// The window's controls as the engine sees them. The main window implements these on its
// real widgets; tests implement them in memory.

class CaixaDeTexto {
public:
    virtual ~CaixaDeTexto() = default;
    virtual QString text() const = 0;
    // A box with a maximum length keeps only that many leading characters.
    virtual void setText(const QString& texto) = 0;
};

// A text box whose text the operator may select, to copy it.
class CaixaSelecionavel : public CaixaDeTexto {
public:
    virtual void setSelection(int inicio, int comprimento) = 0;
};

// A drum ball: a text box whose back colour the animations change.
class Bola : public CaixaDeTexto {
public:
    // Colour values as &H00BBGGRR: red + 256 * green + 65536 * blue.
    virtual int64_t backColor() const = 0;
    // False (and the colour unchanged) for a value that is not a colour.
    [[nodiscard]] virtual bool setBackColor(int64_t cor) = 0;
};

class Rotulo {
public:
    virtual ~Rotulo() = default;
    virtual void setCaption(const QString& legenda) = 0;
};

class Botao {
public:
    virtual ~Botao() = default;
    virtual void setEnabled(bool habilitado) = 0;
    virtual void setCaption(const QString& legenda) = 0;
    // False when the button cannot take the focus (disabled or hidden).
    virtual bool setFocus() = 0;
};

class Temporizador {
public:
    virtual ~Temporizador() = default;
    virtual void setEnabled(bool habilitado) = 0;
};

// The results panel: the one record of the numbers drawn in a series.
class ListaDeResultados {
public:
    virtual ~ListaDeResultados() = default;
    virtual int listCount() const = 0;
    // Selecting an entry runs the panel's selection handling. False for an index past
    // the entries, and the selection is unchanged.
    [[nodiscard]] virtual bool setListIndex(int indice) = 0;
    virtual int listIndex() const = 0;
    virtual QString selectedText() const = 0;
    virtual void addItem(const QString& texto) = 0;
    virtual void clear() = 0;
    virtual void setColumns(int colunas) = 0;
    virtual void setVisible(bool visivel) = 0;
};

class Controles {
public:
    virtual ~Controles() = default;

    virtual ListaDeResultados& lstN() = 0;

    virtual CaixaDeTexto& txtX() = 0;
    virtual CaixaDeTexto& txtBar() = 0;
    virtual CaixaSelecionavel& txtEnder() = 0;
    virtual CaixaDeTexto& txtPart() = 0;

    // Control arrays: an index with no element gives nullptr.
    virtual int txtEstatCount() const = 0;
    virtual CaixaDeTexto* txtEstat(int indice) = 0;
    virtual int txtGloboCount() const = 0;
    virtual Bola* txtGlobo(int indice) = 0;

    virtual Rotulo& lblN() = 0;
    virtual Rotulo& lblSnum() = 0;
    virtual Rotulo& lblPos() = 0;
    // The last draw's short verification code, for the operator to read out.
    virtual Rotulo& lblCodigo() = 0;

    virtual Botao& cmdSorteio() = 0;
    virtual Botao& cmdX() = 0;

    virtual Temporizador& sorter() = 0;
    virtual Temporizador& sorter2() = 0;
    virtual Temporizador& sorter3() = 0;
    virtual Temporizador& sorter4() = 0;
    virtual Temporizador& Timer1() = 0;
};

} // namespace rodaleque
