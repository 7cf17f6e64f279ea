#pragma once

#include "Adaptadores.h"
#include "Animacao.h"
#include "BotaoDeComando.h"
#include "CaixaDeExibicao.h"
#include "CaixasPintadas.h"
#include "Chuva.h"
#include "MenuDeComandos.h"
#include "PainelResultados.h"

#include <ata/ComandosDaAta.h>
#include <telao/TelaoDoPublico.h>
#include <engine/Aleatorio.h>
#include <engine/ArquivoResultados.h>
#include <engine/Controles.h>
#include <engine/MotorSorteio.h>
#include <panel/Painel.h>
#include <platform/Abridor.h>
#include <platform/Arquivos.h>
#include <platform/Dialogos.h>
#include <platform/Entropia.h>
#include <platform/InstanciaUnica.h>
#include <platform/Janelas.h>
#include <platform/Programa.h>
#include <platform/Relogio.h>
#include <widgets/RotuloClicavel.h>

#include <QCheckBox>
#include <QSessionManager>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>

namespace rodaleque::janela {

// What the window takes from the platform; tests hand in their own.
struct Plataforma {
    platform::Relogio& relogio;
    platform::Arquivos& arquivos;
    platform::Dialogos& dialogos;
    platform::AbridorDeArquivos& abridor;
    Gerador& gerador;
    platform::Entropia& entropia;
    platform::PastaDeResultados& pastaDeResultados;
    QString separador;
    platform::Janelas& janelas;
    platform::InstanciaUnica& instancia;
    // Where the running series is kept on record, so that it can go on after a crash; with
    // no path, nowhere.
    QString registroDaSerie;
    // The bytes of the running executable, whose SHA-256 each series' record names.
    std::function<std::optional<QByteArray>()> lerExecutavel;
    // The settings file where the minutes' form is remembered; with no path, nowhere.
    QString memoriaDaAta = {};
};

// The black surface that holds every control; it paints the light panels behind them.
class Superficie final : public QWidget {
public:
    explicit Superficie(QWidget* pai);

protected:
    void paintEvent(QPaintEvent* evento) override;
};

// The main window: every control as built, and the handlers that drive them.
class frm1 final : public QWidget, public Controles, private JanelaAnimada {
    Q_OBJECT
public:
    explicit frm1(Plataforma plataforma);

    // The start-up: caption, one running copy only, the first series, maximised, the rain.
    // False when another copy already runs: this one has handed over to it and must end.
    [[nodiscard]] bool Form_Load();
    // Asked before every close; Cancel set to -1 keeps the window open.
    void Form_QueryUnload(int16_t& Cancel);
    // Ends the whole program.
    void Form_Unload();
    // Places the panel for the window's state: centred when maximised, else at its corner
    // with the window centred on the screen.
    void Form_Resize();
    void chk1_Click();
    void cmdAnimar_Click();
    void cmdChacoalhar_Click();
    // Opens the About window, modal: returns once it is closed.
    void s_Click();

    MotorSorteio& motor() { return motor_; }
    Painel& painel() { return painel_; }
    Animacao& animacao() { return animacao_; }
    Chuva& chuva() { return *chuva_; }
    // Where the panel stands, in twips, as it was last placed.
    QPointF posicaoDoPainel() const { return {pct1Left_, pct1Top_}; }

    // Controles: what the engine and the panel reach.
    ListaDeResultados& lstN() override { return *lstN_; }
    CaixaDeTexto& txtX() override { return *txtX_; }
    CaixaDeTexto& txtBar() override { return *txtBar_; }
    CaixaSelecionavel& txtEnder() override { return *txtEnder_; }
    CaixaDeTexto& txtPart() override { return *txtPart_; }
    int txtEstatCount() const override { return int(txtEstat_.size()); }
    CaixaDeTexto* txtEstat(int indice) override;
    int txtGloboCount() const override { return int(txtGlobo_.size()); }
    Bola* txtGlobo(int indice) override;
    Rotulo& lblN() override { return *lblNAdaptado_; }
    Rotulo& lblSnum() override { return *lblSnumAdaptado_; }
    Rotulo& lblPos() override { return *lblPosAdaptado_; }
    Rotulo& lblCodigo() override { return *lblCodigoAdaptado_; }
    Botao& cmdSorteio() override { return *cmdSorteioAdaptado_; }
    Botao& cmdX() override { return *cmdXAdaptado_; }
    Temporizador& sorter() override { return *temporizadores_[0]; }
    Temporizador& sorter2() override { return *temporizadores_[1]; }
    Temporizador& sorter3() override { return *temporizadores_[2]; }
    Temporizador& sorter4() override { return *temporizadores_[3]; }
    Temporizador& Timer1() override { return *temporizadores_[4]; }

    // The nine timers by name, for whoever needs to look at them.
    QTimer* temporizador(const QString& nome);
    // The disabled picture boxes whose boxes are painted: Picture1, pictGlobo(0), (1).
    QuadroDeCaixas* quadro(const QString& nome);
    MenuDeComandos& menu() { return menu_; }
    // The audience screen, once opened; it lives until the window does.
    telao::TelaoDoPublico* telao() { return telao_.get(); }

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;

private:
    // JanelaAnimada: what the animations ask of the window.
    bool maximizada() const override;
    bool pedidaMaximizada() const;
    double larguraExterna() const override;
    double alturaExterna() const override;
    int twipsPorPixelY() const override { return 15; }
    void processarEventosPendentes() override;

    void maximizar();
    void maximizacaoNaoVeio();
    void moverPainel(double left, double top);
    void trazerParaFrente(const QString& titulo, const QByteArray& ficha);
    // Tells the person, the first time only, that the window system does not allow this.
    void avisarSeNaoPode(platform::Janelas::Poder poder);
    void aoFimDaSessao(QSessionManager& sessao);
    void aoTimer1();

    void montarSuperficie();
    void montarRotulos();
    void montarCaixas();
    void montarTambores();
    void montarEstatisticas();
    void montarBotoes();
    void montarFerramentas();
    void montarTemporizadores();
    void empilhar();
    void definirOrdemDeTabulacao();
    void ligarEventos();
    void montarMenu();
    // F5: the audience screen opened where the audience looks, or closed.
    void alternarTelao();
    // What the audience screen shows follows every event of the series at once.
    void atualizarTelao();
    void aoQuadro();

    std::unique_ptr<Chuva> chuva_;
    Superficie* pct1_ = nullptr;
    double pct1Left_ = 30, pct1Top_ = 30;
    QWidget* pctFerramentas_ = nullptr;
    QuadroDeCaixas* Picture1_ = nullptr;
    std::array<QuadroDeCaixas*, 2> pictGlobo_{};
    std::array<CaixaPintada*, 9> txtEstat_{};
    std::array<CaixaPintada*, 30> txtGlobo_{};
    CaixaDeExibicao* txtX_ = nullptr;
    CaixaDeExibicao* txtPart_ = nullptr;
    CaixaDeExibicao* txtBar_ = nullptr;
    CaixaDeExibicao* txtEnder_ = nullptr;
    PainelResultados* lstN_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLabel* lblSorteio_ = nullptr;
    QLabel* lblSnum_ = nullptr;
    QLabel* lblN_ = nullptr;
    QLabel* lblPos_ = nullptr;
    QLabel* lblCodigo_ = nullptr;
    RotuloClicavel* s_ = nullptr;
    BotaoDeComando* cmdAnimar_ = nullptr;
    BotaoDeComando* Command1_ = nullptr;
    BotaoDeComando* cmdLocalizar_ = nullptr;
    BotaoDeComando* cmdChacoalhar_ = nullptr;
    QCheckBox* chk1_ = nullptr;
    BotaoDeComando* cmdR_ = nullptr;
    BotaoDeComando* cmdX_ = nullptr;
    BotaoDeComando* cmdSorteio_ = nullptr;

    QTimer sorter_, sorter2_, sorter3_, sorter4_, sorter5_, sorter7_, Timer1_, Timer2_, tmpCor_;
    // Repaints the painted boxes that changed, at most once per screen frame.
    QTimer quadros_;
    // How long a maximise may wait for its size before the window is laid out as it is.
    QTimer esperaPeloMaximizado_;
    // Asked to be maximised, and not seen so yet.
    bool maximizacaoPendente_ = false;

    std::optional<RotuloDaJanela> lblNAdaptado_, lblSnumAdaptado_, lblPosAdaptado_,
        lblCodigoAdaptado_;
    std::optional<BotaoDaJanela> cmdSorteioAdaptado_, cmdXAdaptado_;
    std::array<std::optional<TemporizadorDaJanela>, 5> temporizadores_;

    platform::Dialogos& dialogos_;
    platform::Janelas& janelas_;
    platform::InstanciaUnica& instancia_;
    std::set<platform::Janelas::Poder> avisados_;
    Aleatorio aleatorio_;
    ArquivoResultados arquivo_;
    SerieEmAndamento emAndamento_;
    RegistroDaSerie registroDaSerie_;
    MotorSorteio motor_;
    Painel painel_;
    Animacao animacao_;
    MenuDeComandos menu_;
    ata::ComandosDaAta ata_;
    std::unique_ptr<telao::TelaoDoPublico> telao_;
};

} // namespace rodaleque::janela
