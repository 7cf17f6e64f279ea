#pragma once

#include "Aleatorio.h"
#include "ArquivoResultados.h"
#include "Controles.h"
#include "EstadoSorteio.h"
#include "RegistroDaSerie.h"
#include "RegistroDoPainel.h"
#include "SerieEmAndamento.h"

#include <platform/Dialogos.h>
#include <platform/Relogio.h>

#include <functional>
#include <optional>
#include <vector>

namespace rodaleque {

// What the engine works with: the window's controls and the platform's services.
struct Ambiente {
    Controles& controles;
    Aleatorio& aleatorio;
    platform::Relogio& relogio;
    platform::Dialogos& dialogos;
    ArquivoResultados& arquivo;
    SerieEmAndamento& emAndamento;
    RegistroDaSerie& registroDaSerie;
};

// The draw state of the main window and the engine's handlers on it.
class MotorSorteio {
public:
    explicit MotorSorteio(Ambiente ambiente) : ambiente_(ambiente) {}

    EstadoSorteio& estado() { return estado_; }
    const EstadoSorteio& estado() const { return estado_; }
    const RegistroDoPainel& registro() const { return registro_; }

    // Attempts a draw may make before it gives up; only tests set another bound. Far beyond
    // what a fair draw needs: the last free number of a series of 99999 takes about 220
    // thousand attempts on average, so a fair draw reaches ten million with a chance of about
    // e^-45. Only a fault could bring a draw there, and then it must not freeze the window.
    int64_t limiteDeTentativas = 10'000'000;

    // The state's first values and the first series, as the program starts; or, if the
    // operator wants it, the series that was running when the program last stopped without
    // ending it.
    void iniciar();

    // A count of n participants accepted: the series is under way, and kept on record.
    void aplicarContagem(int32_t n);

    // The series ends in an orderly way (a restart, or the program closing): its record says
    // so, and nothing is left to go on with. Only the engine that started can end it.
    enum class Encerramento { Reinicio, Fechamento };
    void esquecerSerie(Encerramento como);

    // A note the operator typed, with the time, into the series' record: a winner absent, a
    // protest, a power cut. The panel and the results file stay as they are.
    static constexpr int maximoDaOcorrencia = 500;
    void registrarOcorrencia(const QString& texto);

    // Clears the state and the window for a new series; does nothing while a series runs.
    void NovaSerie();

    // Draws one number not drawn before in the series.
    void cmdSorteio_Click();

    // What an audience may be shown of the series: only numbers already on file, the last
    // `maximo` of them in the order drawn, and the short code of the last.
    struct VistaDoPublico {
        int32_t serie = 0;
        int32_t participantes = 0;
        int32_t sorteados = 0;         // on file
        std::vector<int32_t> ultimos;  // the last of those, oldest first
        QString codigoCurto;           // of the last of those; empty when it is not known
        bool todosSorteados = false;
    };
    VistaDoPublico vistaDoPublico(int32_t maximo) const;

    // The spinning counters, one tick of each timer: Giro1 climbs through 1..N, Giro2 falls
    // through N..0, and two of them write the digits the drum balls show.
    void sorter_Timer();
    void sorter2_Timer();
    void sorter3_Timer();
    void sorter4_Timer();
    void sorter5_Timer();
    void sorter7_Timer();

private:
    friend class Sorteio;

    void prepararNome();
    void mostrarSerie();
    QString caminhoDoRegistro() const;

    // The draw of n into the record (opened by it if need be), and its short code shown.
    void registrarSorteio(int32_t n);
    void abrirRegistro();
    void mostrarCodigo();
    // Which of the series' two files hold everything after a write.
    struct Gravado {
        bool resultados = true;
        bool registro = true;
    };
    // Appends n to the series' file, and the record's new entries to the record; a name taken
    // since the set-up moves the series on to the next free one, as the set-up itself does.
    Gravado gravarNoArquivo(int32_t n);
    // Both files get what they lack, and the operator hears of any that was taken away. No file
    // is made before the first number is drawn.
    Gravado gravarSerie();
    struct Perda {
        QString caminho;
        bool doRegistro = false;
    };
    // Writes until both files hold everything, or a write fails.
    Gravado gravarOQueFalta(std::vector<Perda>& perdas);
    ArquivoResultados::Gravacao gravarResultados();
    ArquivoResultados::Gravacao gravarRegistro();
    // A write that found its file taken away, or its name taken before the claim.
    static bool tirado(ArquivoResultados::Gravacao g);
    // The move to a new pair of files after such a write; false if the series cannot move.
    bool mudarDepoisDe(ArquivoResultados::Gravacao g, const Perda& arquivo,
                       std::vector<Perda>& perdas);
    // The series moves on to a new pair of files, which get it whole, and its record says why.
    bool mudarDeArquivos(const char* motivo);
    // Moves the series on to the next free name from the following series number on.
    bool avancarSerie();
    // Tells the operator that the record lacks what was written: `oQue` is what it lacks.
    void avisarRegistroNaoGravado(const QString& oQue);
    void guardarSerie();
    void retomarSerieInterrompida();
    // Asks the operator, unless the record or the files rule it out; true if it goes on.
    bool oferecerContinuacao(const SerieEmAndamento::Leitura& leitura);
    // The record of an interrupted series, read back, if it can go on in it.
    struct RegistroLido {
        QString caminho;
        platform::Identidade identidade;
        QByteArray conteudo;
        registro::LeituraDoRegistro leitura;
    };
    std::optional<RegistroLido> lerRegistroInterrompido(const SerieInterrompida& serie,
                                                         const std::vector<int32_t>& numeros,
                                                         const std::function<void(const QString&)>& avisar);
    void continuarSerie(const SerieInterrompida& serie, const std::vector<int32_t>& numeros,
                        const RegistroLido& registro);
    void retomarRegistro(const SerieInterrompida& serie, const std::vector<int32_t>& numeros,
                         const RegistroLido& registro);
    bool limparBolas();
    void avancarGiro1();
    void recuarGiro2();
    void escreverBolas(int primeira, QString (*texto)(int32_t giro1, int32_t giro2, int bola));

    Ambiente ambiente_;
    bool iniciado_ = false;
    std::vector<int32_t> naoGravados_; // drawn, not yet on file
    std::vector<ContagemDaSerie> contagens_;  // the series' counts, with the entries each found
    EstadoSorteio estado_;
    RegistroDoPainel registro_;
};

} // namespace rodaleque
