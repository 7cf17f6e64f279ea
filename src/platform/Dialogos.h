#pragma once

#include <QString>

namespace rodaleque::platform {

// Message and input boxes, modal and titled with the product name. Tests answer them.
class Dialogos {
public:
    // Button codes and answers of a message box, as the window system numbers them.
    static constexpr int OkInformacao = 64;
    static constexpr int OkAviso = 48;
    static constexpr int SimNaoPergunta = 36;
    static constexpr int RespostaOk = 1;
    static constexpr int RespostaSim = 6;
    static constexpr int RespostaNao = 7;

    virtual ~Dialogos() = default;

    // Shows the prompt with the given buttons and icon; returns the button pressed.
    virtual int caixaDeMensagem(const QString& prompt, int botoes) = 0;

    // Asks for a text with an empty default answer; Cancel gives the empty text. With a
    // maximum length, typing stops at it.
    virtual QString caixaDeEntrada(const QString& prompt, int comprimentoMaximo = 0) = 0;

    // Asks for an existing file to open, starting in the folder given; nothing on Cancel.
    virtual QString escolherArquivo(const QString& titulo, const QString& pasta) = 0;
};

} // namespace rodaleque::platform
