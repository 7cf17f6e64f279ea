// The window's controls as built: kinds, containers, positions in twips, texts, fonts,
// colours, pictures and states.
#include "frm1.h"

#include <widgets/Geometria.h>

#include <QIcon>
#include <QPixmap>

namespace rodaleque::janela {

namespace {

constexpr int64_t cinzaDaBola = 0x404040;
constexpr int64_t textoCinza = 0x6D6D6D;

void colorir(QWidget& w, int64_t fundo, int64_t texto) {
    QPalette p = w.palette();
    for (QPalette::ColorRole papel : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(papel, cor(fundo));
    for (QPalette::ColorRole papel : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(papel, cor(texto));
    w.setPalette(p);
}

void colocar(QWidget& w, int esquerda, int topo, int largura, int altura) {
    w.setGeometry(retangulo(esquerda, topo, largura, altura));
}

struct DadosDoRotulo {
    const char* nome;
    int esquerda, topo, largura, altura;
    const char* legenda;
    bool transparente;
    int64_t fundo, texto;
    double pontos;
    bool negrito, centrado;
};

QLabel* criarRotulo(QWidget* pai, const DadosDoRotulo& d) {
    auto* rotulo = new QLabel(QString::fromUtf8(d.legenda), pai);
    rotulo->setObjectName(QString::fromLatin1(d.nome));
    rotulo->setTextFormat(Qt::PlainText);
    colocar(*rotulo, d.esquerda, d.topo, d.largura, d.altura);
    colorir(*rotulo, d.fundo, d.texto);
    rotulo->setAutoFillBackground(!d.transparente);
    rotulo->setFont(fonte(d.pontos, d.negrito));
    rotulo->setAlignment((d.centrado ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    return rotulo;
}

struct DadosDaCaixa {
    const char* nome;
    int esquerda, topo, largura, altura;
    int64_t fundo, texto;
    QFont fonte;
    Qt::Alignment alinhamento;
    int comprimentoMaximo; // 0: no limit
    bool comBorda = false; // the ordinary sunken border of a text box, else flat
};

CaixaDeExibicao* criarCaixa(QWidget* pai, const DadosDaCaixa& d) {
    auto* caixa = new CaixaDeExibicao(pai);
    caixa->setObjectName(QString::fromLatin1(d.nome));
    colocar(*caixa, d.esquerda, d.topo, d.largura, d.altura);
    colorir(*caixa, d.fundo, d.texto);
    caixa->setFrame(d.comBorda);
    caixa->setFont(d.fonte);
    caixa->setAlignment(d.alinhamento | Qt::AlignVCenter);
    // Without a limit of their own, the status line's dashes and a long path must fit.
    caixa->setMaxLength(d.comprimentoMaximo > 0 ? d.comprimentoMaximo
                                                : std::numeric_limits<int>::max());
    return caixa;
}

struct DadosDoBotao {
    const char* nome;
    int esquerda, topo, largura, altura;
    const char* legenda;
    int64_t fundo;
    double pontos;
    const char* figura; // resource, or nullptr
    const char* dica;
};

BotaoDeComando* criarBotao(QWidget* pai, const DadosDoBotao& d) {
    auto* botao = new BotaoDeComando(pai);
    botao->setObjectName(QString::fromLatin1(d.nome));
    botao->setText(QString::fromUtf8(d.legenda));
    colocar(*botao, d.esquerda, d.topo, d.largura, d.altura);
    colorir(*botao, d.fundo, 0x000000);
    // A disabled button must look disabled, in the system's grey text (its picture is greyed
    // by the kit), or "&Inserir mais participantes" at N = 99999 would seem to invite a click.
    QPalette p = botao->palette();
    p.setColor(QPalette::Disabled, QPalette::ButtonText, cor(textoCinza));
    botao->setPalette(p);
    botao->setFont(fonte(d.pontos));
    botao->setToolTip(QString::fromUtf8(d.dica));
    if (d.figura) {
        const QPixmap figura(QString::fromLatin1(d.figura));
        botao->setIcon(QIcon(figura));
        botao->setIconSize(figura.size());
    } else {
        botao->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    return botao;
}

// Ball i of a drum: three to a row, five rows; the right drum counts from its far end.
QRect lugarDaBola(int i) {
    const int k = i < 15 ? i : 29 - i;
    return retangulo(690 * (k % 3), 450 * (k / 3), 705, 450);
}

} // namespace

void frm1::montarSuperficie() {
    pct1_ = new Superficie(this);
    pct1_->setObjectName(QStringLiteral("pct1"));
    colocar(*pct1_, 30, 30, 10755, 7155);
    colorir(*pct1_, 0x000000, 0x404040);
    pct1_->setFocusPolicy(Qt::TabFocus);

    // The control array Code: the rain's columns, painted on one surface behind the panel.
    chuva_ = std::make_unique<Chuva>(this, animacao_);
    chuva_->ajustar(rect(), pct1_->geometry());
}

void frm1::montarRotulos() {
    // Labels lie on their container's surface, beneath all its other controls.
    Label4_ = criarRotulo(pct1_, {"Label4", 8100, 30, 2475, 375, "Nº de participantes", true,
                                  0, 0x404040, 9.75, true, true});
    lblN_ = criarRotulo(pct1_, {"lblN", 90, 3570, 3075, 285, "Números sorteados: 0", true, 0,
                                0x000000, 12, false, false});
    lblSorteio_ = criarRotulo(pct1_, {"lblSorteio", 2280, 510, 3315, 225, "NÚMERO SORTEADO",
                                      true, 0, 0x404040, 9.75, true, true});
    lblSnum_ = criarRotulo(pct1_, {"lblSnum", 90, 3300, 2415, 285, "Sorteio número:", false,
                                   0xE0E0E0, 0x000000, 9.75, false, false});
    s_ = new RotuloClicavel(pct1_);
    s_->setObjectName(QStringLiteral("s"));
    colocar(*s_, 10110, 3330, 480, 480);
    s_->setPixmap(QPixmap(QStringLiteral(":/imagens/s.gif")));
    s_->setToolTip(QStringLiteral("Clique!"));
    lblPos_ = criarRotulo(pct1_, {"lblPos", 90, 6780, 2595, 285, "Posição selecionada:", false,
                                  0xE0E0E0, 0x000000, 9.75, false, false});
    // Below the number drawn, inside its light panel, where nothing stood before.
    lblCodigo_ = criarRotulo(pct1_, {"lblCodigo", 2190, 2370, 3495, 270, "", true, 0, 0x404040,
                                     8.25, true, true});
    lblNAdaptado_.emplace(*lblN_);
    lblSnumAdaptado_.emplace(*lblSnum_);
    lblPosAdaptado_.emplace(*lblPos_);
    lblCodigoAdaptado_.emplace(*lblCodigo_);
}

void frm1::montarCaixas() {
    txtPart_ = criarCaixa(pct1_, {"txtPart", 8070, 330, 2535, 555, 0xC0C0C0, 0x404040,
                                  fonte(18, true), Qt::AlignHCenter, 6});
    lstN_ = new PainelResultados(pct1_);
    lstN_->setObjectName(QStringLiteral("lstN"));
    colocar(*lstN_, 90, 3900, 10545, 2835);
    colorir(*lstN_, 0x404040, 0x00FF00);
    lstN_->setFont(fonte(24, true));
    lstN_->setColumns(8);

    txtX_ = criarCaixa(pct1_, {"txtX", 2190, 840, 3495, 1515, 0xC0C0C0, 0x404040,
                               fonte(60, true), Qt::AlignHCenter, 6});
    txtX_->setText(QStringLiteral("99999"));
}

void frm1::montarTambores() {
    const QuadroDeCaixas::Aparencia bola{cor(0x808080), fonte(14.25, true), 4};
    pictGlobo_[0] = new QuadroDeCaixas(pct1_, retangulo(-30, 375, 2115, 2385), bola);
    pictGlobo_[1] = new QuadroDeCaixas(pct1_, retangulo(5790, 360, 2145, 2385), bola);
    pictGlobo_[0]->setObjectName(QStringLiteral("pictGlobo(0)"));
    pictGlobo_[1]->setObjectName(QStringLiteral("pictGlobo(1)"));
    // Rear-most first: in the left drum 2, 1, 0 lie behind 3 to 14; in the right one 15 is
    // at the rear and 29 in front.
    for (int i : {2, 1, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})
        txtGlobo_[i] = &pictGlobo_[0]->adicionar(lugarDaBola(i));
    for (int i = 15; i < 30; ++i)
        txtGlobo_[i] = &pictGlobo_[1]->adicionar(lugarDaBola(i));
    for (CaixaPintada* b : txtGlobo_)
        (void)b->setBackColor(cinzaDaBola);

    txtBar_ = criarCaixa(pct1_, {"txtBar", -30, 2700, 7935, 480, 0x404040, 0xFFFF00,
                                 fonte(13.5, true), Qt::AlignLeft, 0});
    txtBar_->limitarExibicao(1000);
}

void frm1::montarEstatisticas() {
    Picture1_ = new QuadroDeCaixas(pct1_, retangulo(-30, -60, 7935, 435),
                                   {cor(0xE0E0E0), fontePadrao(), 0});
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    constexpr int esquerdas[] = {-30, 848, 1726, 2604, 3482, 4360, 5238, 6116, 6990};
    for (int i = 0; i < 9; ++i)
        txtEstat_[i] = &Picture1_->adicionar(retangulo(esquerdas[i], 30, 900, 345));

    txtEnder_ = criarCaixa(pct1_, {"txtEnder", 2610, 6780, 8025, 285, 0xC0C0C0, 0x80000008,
                                   fontePadrao(), Qt::AlignHCenter, 0, true});
}

void frm1::montarBotoes() {
    cmdSorteio_ = criarBotao(pct1_, {"cmdSorteio", 8070, 2010, 2535, 1065, "&Sortear!", 0xC8D0D4,
                                     13.5, ":/imagens/sortear.jpg", "Clique para sortear"});
    cmdSorteio_->setEnabled(false);
    cmdX_ = criarBotao(pct1_, {"cmdX", 8070, 1530, 2535, 465, "&Inserir nº de participantes",
                               0xC8D0D4, 9.75, nullptr,
                               "Clique para inserir o número de partipantes"});
    cmdR_ = criarBotao(pct1_, {"cmdR", 8070, 1110, 2535, 405, "&Reiniciar sorteio", 0xC8D0D4,
                               9.75, nullptr, "Limpa tudo e reinicia o sorteio"});
    cmdSorteioAdaptado_.emplace(*cmdSorteio_);
    cmdXAdaptado_.emplace(*cmdX_);
}

void frm1::montarFerramentas() {
    pctFerramentas_ = new QWidget(pct1_);
    pctFerramentas_->setObjectName(QStringLiteral("pctFerramentas"));
    colocar(*pctFerramentas_, 3420, 3270, 6585, 615);
    colorir(*pctFerramentas_, 0xE0E0E0, 0x80000008);
    pctFerramentas_->setAutoFillBackground(true);
    pctFerramentas_->setFocusPolicy(Qt::TabFocus);

    cmdLocalizar_ = criarBotao(pctFerramentas_,
                               {"cmdLocalizar", 2520, 0, 1245, 555, "&Localizar", 0xE0E0E0, 8.25,
                                ":/imagens/localizar.gif",
                                "Clique para localizar um resultado no painel"});
    cmdChacoalhar_ = criarBotao(
        pctFerramentas_,
        {"cmdChacoalhar", 3780, 0, 1305, 555, "(( &Chacoalhar ))", 0xE0E0E0, 8.25,
         ":/imagens/chacoalhar.gif", "Clique para chacoalhar e recarregar o sistema sorteio"});
    chk1_ = new QCheckBox(QStringLiteral("S&empre Visível"), pctFerramentas_);
    chk1_->setObjectName(QStringLiteral("chk1"));
    colocar(*chk1_, 5130, 180, 1365, 255);
    colorir(*chk1_, 0xE0E0E0, 0x000000);
    chk1_->setAutoFillBackground(true);
    // The sans-serif face runs wider than the Windows one: in its narrow cut the caption
    // fits the box it was given.
    QFont estreita = fontePadrao();
    estreita.setFamily(QStringLiteral("Liberation Sans Narrow"));
    chk1_->setFont(estreita);
    cmdAnimar_ = criarBotao(pctFerramentas_,
                            {"cmdAnimar", 0, 0, 1245, 555, "A&nimar", 0xE0E0E0, 8.25,
                             ":/imagens/animar.gif",
                             "Clique para parar ou iniciar a animação de fundo"});
    Command1_ = criarBotao(pctFerramentas_,
                           {"Command1", 1260, 0, 1245, 555, "&Abrir Arquivo", 0xE0E0E0, 8.25,
                            ":/imagens/abrir.gif",
                            "Abre o arquivo com os resultados. ATENÇÃO: Não altere o conteúdo "
                            "do arquivo!"});

}

void frm1::empilhar() {
    // Rear-most first, as the surface holds its controls; the labels, made first, stay
    // beneath them all.
    for (QWidget* w : std::initializer_list<QWidget*>{
             txtPart_, lstN_, cmdSorteio_, cmdX_, txtX_, cmdR_, pictGlobo_[0], pictGlobo_[1],
             txtBar_, Picture1_, txtEnder_, pctFerramentas_})
        w->raise();
}

void frm1::montarTemporizadores() {
    struct DadosDoTemporizador {
        QTimer& timer;
        const char* nome;
        int intervalo;
        bool ligado;
    };
    for (const DadosDoTemporizador& d : {DadosDoTemporizador{sorter_, "sorter", 1, false},
                                         {sorter2_, "sorter2", 1, false},
                                         {sorter3_, "sorter3", 1, false},
                                         {sorter4_, "sorter4", 1, false},
                                         {sorter5_, "sorter5", 1, true},
                                         {sorter7_, "sorter7", 1, true},
                                         {Timer1_, "Timer1", 200, false},
                                         {Timer2_, "Timer2", 100, false},
                                         {tmpCor_, "tmpCor", 100, false}}) {
        d.timer.setObjectName(QString::fromLatin1(d.nome));
        d.timer.setInterval(d.intervalo);
        d.timer.setTimerType(d.intervalo == 1 ? Qt::PreciseTimer : Qt::CoarseTimer);
        if (d.ligado)
            d.timer.start();
    }
    temporizadores_[0].emplace(sorter_);
    temporizadores_[1].emplace(sorter2_);
    temporizadores_[2].emplace(sorter3_);
    temporizadores_[3].emplace(sorter4_);
    temporizadores_[4].emplace(Timer1_);
    quadros_.setInterval(16);
    quadros_.start();
    esperaPeloMaximizado_.setSingleShot(true);
    esperaPeloMaximizado_.setInterval(1000);
    connect(&esperaPeloMaximizado_, &QTimer::timeout, this, &frm1::maximizacaoNaoVeio);
}

void frm1::definirOrdemDeTabulacao() {
    QWidget* const ordem[] = {cmdSorteio_, cmdX_,  cmdR_,   cmdAnimar_, Command1_,
                              cmdLocalizar_, cmdChacoalhar_, chk1_, txtEnder_, lstN_,
                              pct1_,         txtPart_,       txtX_, txtBar_,
                              pctFerramentas_};
    for (std::size_t i = 0; i + 1 < std::size(ordem); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);
    cmdX_->setFocus(Qt::OtherFocusReason); // the draw button comes first but is disabled
}

} // namespace rodaleque::janela
