#pragma once

#include <engine/MotorSorteio.h>
#include <platform/Abridor.h>
#include <platform/Arquivos.h>
#include <platform/Dialogos.h>

#include <cstdint>

namespace rodaleque {

// The results panel, its search and the commands that steer a series: the participant
// count, the restart, opening the results file, a note for the record and the check of a
// series against its record. Also what the display boxes do with clicks and keys: the program
// writes them, the operator only reads (and copies the path).
class Painel {
public:
    Painel(MotorSorteio& motor, Controles& controles, platform::Dialogos& dialogos,
           platform::AbridorDeArquivos& abridor, platform::Arquivos& arquivos)
        : motor_(motor), controles_(controles), dialogos_(dialogos), abridor_(abridor),
          arquivos_(arquivos) {}

    void cmdX_Click();
    void cmdR_Click();
    void Command1_Click();

    // "Registrar ocorrência…": a line of text, with the time, into the running series' record.
    void registrarOcorrencia();
    // "Verificar série…": a results file the operator picks, checked against its record.
    void verificarSerie();

    void cmdLocalizar_Click();
    void lstN_Click();

    void txtX_Click() { focarSorteio(); }
    void txtPart_Click() { focarSorteio(); }
    void txtBar_Click() { focarSorteio(); }
    void txtEnder_Click();

    // A character or key set to 0 is discarded.
    static void txtX_KeyPress(int16_t& KeyAscii) { KeyAscii = 0; }
    static void txtPart_KeyPress(int16_t& KeyAscii) { KeyAscii = 0; }
    static void txtEnder_KeyPress(int16_t& KeyAscii);
    static void txtEnder_KeyDown(int16_t& KeyCode, int16_t Shift);

private:
    // A button that cannot take the focus (disabled) simply keeps it elsewhere.
    void focarSorteio() { controles_.cmdSorteio().setFocus(); }
    bool nadaSorteado() { return controles_.txtX().text().isEmpty(); }
    void avisar(const QString& texto);

    MotorSorteio& motor_;
    Controles& controles_;
    platform::Dialogos& dialogos_;
    platform::AbridorDeArquivos& abridor_;
    platform::Arquivos& arquivos_;
};

} // namespace rodaleque
