#include "frm1.h"

#include "Leiaute.h"

#include <about/frmSobre.h>
#include <engine/Produto.h>
#include <registro/Verificacao.h>
#include <widgets/Geometria.h>

#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QContextMenuEvent>
#include <QResizeEvent>

namespace rodaleque::janela {

namespace {

struct Retangulo {
    int esquerda, topo, largura, altura;
    int64_t interior, borda;
};

// The light panels on the black surface, from the rear-most up.
constexpr Retangulo paineis[] = {
    {7950, -30, 2775, 1005, 0xE0E0E0, 0x80000008},  // shp2, behind the participant count
    {2100, 390, 3675, 2265, 0xE0E0E0, 0xC0C0C0},    // shp3, behind the number drawn
    {-30, 3210, 10755, 3915, 0xE0E0E0, 0x000000},   // shp4, the lower half
    {7950, 990, 2775, 2205, 0xC8D0D4, 0x000000},    // shp1, behind the series commands
};

// Qt reads the mask of the icon's palette images but not of its true-colour ones, whose
// corners would then show black; the palette images of each size make the window's icon.
QIcon iconeDaJanela() {
    QIcon icone;
    QImageReader leitor(QStringLiteral(":/imagens/rodaleque.ico"));
    for (int i = 0; leitor.jumpToImage(i); ++i) {
        if (leitor.imageFormat() == QImage::Format_Indexed8)
            icone.addPixmap(QPixmap::fromImage(leitor.read()));
    }
    return icone;
}

} // namespace

Superficie::Superficie(QWidget* pai) : QWidget(pai) {
    // All of it is painted here; nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Superficie::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    for (const Retangulo& r : paineis) {
        const QRect area = retangulo(r.esquerda, r.topo, r.largura, r.altura);
        p.fillRect(area, cor(r.interior));
        p.setPen(cor(r.borda));
        p.drawRect(area.adjusted(0, 0, -1, -1));
    }
}

frm1::frm1(Plataforma plataforma)
    : dialogos_(plataforma.dialogos), janelas_(plataforma.janelas),
      instancia_(plataforma.instancia),
      aleatorio_(plataforma.gerador, plataforma.relogio, plataforma.entropia),
      arquivo_(plataforma.arquivos, plataforma.relogio, plataforma.pastaDeResultados,
               plataforma.separador),
      emAndamento_(plataforma.arquivos, plataforma.registroDaSerie),
      registroDaSerie_(plataforma.arquivos, plataforma.relogio, plataforma.entropia,
                       {produto::nome() + u' ' + produto::versao(), plataforma.lerExecutavel}),
      motor_(Ambiente{*this, aleatorio_, plataforma.relogio, plataforma.dialogos, arquivo_,
                      emAndamento_, registroDaSerie_}),
      painel_(motor_, *this, plataforma.dialogos, plataforma.abridor, plataforma.arquivos),
      animacao_(motor_.estado(), *this, aleatorio_, *this), menu_(*this),
      ata_(*this, plataforma.arquivos, plataforma.dialogos, plataforma.abridor,
           plataforma.memoriaDaAta) {
    setObjectName(QStringLiteral("frm1"));
    setWindowTitle(QStringLiteral(" RODALEQUE"));
    setWindowIcon(iconeDaJanela());
    setFixedSize(pixels(leiaute::larguraDaJanela), pixels(leiaute::alturaDaJanela));
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, Qt::black);
    setPalette(fundo);
    setAutoFillBackground(true);
    setFont(fontePadrao());

    montarSuperficie();
    montarRotulos();
    montarCaixas();
    montarTambores();
    montarEstatisticas();
    montarBotoes();
    montarFerramentas();
    montarTemporizadores();
    empilhar();
    definirOrdemDeTabulacao();
    ligarEventos();
    montarMenu();
}

// The keys: Alt with a letter as the window's own commands have them, none of theirs taken;
// Ctrl+P is kept for the minutes and F5 for the audience screen.
void frm1::montarMenu() {
    menu_.adicionar(QStringLiteral("Registrar &ocorrência…"), QKeySequence(Qt::ALT | Qt::Key_O),
                    [this] { painel_.registrarOcorrencia(); });
    menu_.adicionar(QStringLiteral("&Verificar série…"), QKeySequence(Qt::ALT | Qt::Key_V),
                    [this] { painel_.verificarSerie(); });
    menu_.adicionar(QStringLiteral("Gerar &ata do sorteio…"), QKeySequence(Qt::CTRL | Qt::Key_P),
                    [this] {
                        ata_.daSerie(motor_.estado().Arquivo);
                        atualizarTelao(); // the form may have named the object
                        cmdSorteio().setFocus();
                    });
    menu_.adicionar(QStringLiteral("Gerar ata de outra &série…"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [this] {
                        ata_.deOutraSerie(registro::pastaDoArquivo(motor_.estado().Arquivo));
                        cmdSorteio().setFocus();
                    });
    menu_.adicionar(QStringLiteral("&Telão do público"), QKeySequence(Qt::Key_F5),
                    [this] { alternarTelao(); });
    menu_.adicionar(QStringLiteral("Telão em tela &cheia"), QKeySequence(Qt::Key_F11), [this] {
        if (telao_ && telao_->isVisible())
            telao_->alternarTelaCheia(screen());
    });
    menu_.adicionar(QStringLiteral("&Escurecer o telão"), QKeySequence(Qt::CTRL | Qt::Key_B), [this] {
        if (telao_ && telao_->isVisible())
            telao_->alternarApagado();
    });
    // The boxes that only show a number open the window's menu, not a text box's.
    for (QWidget* caixa : {static_cast<QWidget*>(txtX_), static_cast<QWidget*>(txtPart_),
                           static_cast<QWidget*>(txtBar_)})
        caixa->setContextMenuPolicy(Qt::NoContextMenu);
}

void frm1::contextMenuEvent(QContextMenuEvent* evento) { menu_.abrir(evento->globalPos()); }

void frm1::alternarTelao() {
    if (telao_ && telao_->isVisible()) {
        telao_->close();
        return;
    }
    if (!telao_)
        telao_ = std::make_unique<telao::TelaoDoPublico>();
    atualizarTelao();
    telao_->abrirFora(screen());
}

void frm1::atualizarTelao() {
    if (!telao_)
        return;
    const MotorSorteio::VistaDoPublico v = motor_.vistaDoPublico(telao::ultimosNoQuadro);
    telao_->mostrar({v.serie, v.participantes, v.ultimos, v.sorteados, v.codigoCurto,
                     ata_.ultimoFormulario().objeto, v.todosSorteados});
}

void frm1::s_Click() { sobre::frmSobre::mostrar(*this, janelas_); }

CaixaDeTexto* frm1::txtEstat(int indice) {
    return indice >= 0 && indice < txtEstatCount() ? txtEstat_[indice] : nullptr;
}

Bola* frm1::txtGlobo(int indice) {
    return indice >= 0 && indice < txtGloboCount() ? txtGlobo_[indice] : nullptr;
}

QTimer* frm1::temporizador(const QString& nome) {
    for (QTimer* t : {&sorter_, &sorter2_, &sorter3_, &sorter4_, &sorter5_, &sorter7_, &Timer1_,
                      &Timer2_, &tmpCor_}) {
        if (t->objectName() == nome)
            return t;
    }
    return nullptr;
}

QuadroDeCaixas* frm1::quadro(const QString& nome) {
    for (QuadroDeCaixas* q : {Picture1_, pictGlobo_[0], pictGlobo_[1]}) {
        if (q->objectName() == nome)
            return q;
    }
    return nullptr;
}

void frm1::aoQuadro() {
    Picture1_->aoQuadro();
    pictGlobo_[0]->aoQuadro();
    pictGlobo_[1]->aoQuadro();
}

void frm1::ligarEventos() {
    connect(cmdSorteio_, &QAbstractButton::clicked, this, [this] {
        motor_.cmdSorteio_Click();
        atualizarTelao();
    });
    connect(cmdX_, &QAbstractButton::clicked, this, [this] {
        painel_.cmdX_Click();
        atualizarTelao();
    });
    connect(cmdR_, &QAbstractButton::clicked, this, [this] {
        painel_.cmdR_Click();
        atualizarTelao();
    });
    connect(Command1_, &QAbstractButton::clicked, this, [this] { painel_.Command1_Click(); });
    connect(cmdLocalizar_, &QAbstractButton::clicked, this,
            [this] { painel_.cmdLocalizar_Click(); });
    connect(lstN_, &PainelResultados::selecaoMudou, this, [this] { painel_.lstN_Click(); });
    connect(s_, &RotuloClicavel::clicado, this, [this] { s_Click(); });

    connect(txtX_, &CaixaDeExibicao::clicada, this, [this] { painel_.txtX_Click(); });
    connect(txtPart_, &CaixaDeExibicao::clicada, this, [this] { painel_.txtPart_Click(); });
    connect(txtBar_, &CaixaDeExibicao::clicada, this, [this] { painel_.txtBar_Click(); });
    connect(txtEnder_, &CaixaDeExibicao::clicada, this, [this] { painel_.txtEnder_Click(); });
    txtX_->aoTeclar(&Painel::txtX_KeyPress);
    txtPart_->aoTeclar(&Painel::txtPart_KeyPress);
    txtEnder_->aoTeclar(&Painel::txtEnder_KeyPress);
    txtEnder_->aoBaixarTecla(&Painel::txtEnder_KeyDown);

    connect(&sorter_, &QTimer::timeout, this, [this] { motor_.sorter_Timer(); });
    connect(&sorter2_, &QTimer::timeout, this, [this] { motor_.sorter2_Timer(); });
    connect(&sorter3_, &QTimer::timeout, this, [this] { motor_.sorter3_Timer(); });
    connect(&sorter4_, &QTimer::timeout, this, [this] { motor_.sorter4_Timer(); });
    connect(&sorter5_, &QTimer::timeout, this, [this] { motor_.sorter5_Timer(); });
    connect(&sorter7_, &QTimer::timeout, this, [this] { motor_.sorter7_Timer(); });
    connect(&quadros_, &QTimer::timeout, this, [this] { aoQuadro(); });

    connect(&Timer1_, &QTimer::timeout, this, [this] { aoTimer1(); });
    connect(&Timer2_, &QTimer::timeout, this, [this] { animacao_.Timer2_Timer(); });
    connect(&tmpCor_, &QTimer::timeout, this, [this] { animacao_.tmpCor_Timer(); });
    connect(cmdAnimar_, &QAbstractButton::clicked, this, [this] { cmdAnimar_Click(); });
    connect(cmdChacoalhar_, &QAbstractButton::clicked, this, [this] { cmdChacoalhar_Click(); });
    connect(chk1_, &QCheckBox::stateChanged, this, [this] { chk1_Click(); });
}

} // namespace rodaleque::janela
