// The window's life: start-up, one running copy, always on top, and the close.
#include "frm1.h"

#include <engine/Produto.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>

namespace rodaleque::janela {

namespace {

constexpr int intervaloDaChuvaEmMs = 20;

// What the person is told, once, where the window system will not do what they asked.
QString aviso(platform::Janelas::Poder poder) {
    switch (poder) {
    case platform::Janelas::Poder::FicarAcima:
        return QString::fromUtf8("Neste sistema de janelas (Wayland) o Rodaleque não pode se "
                                 "manter acima das outras janelas: \"Sempre Visível\" não tem "
                                 "efeito aqui.");
    case platform::Janelas::Poder::FicarAcimaMaximizada:
        return QString::fromUtf8("Neste ambiente (GNOME) uma janela maximizada não fica acima "
                                 "das outras: \"Sempre Visível\" vale enquanto a janela não "
                                 "estiver maximizada.");
    case platform::Janelas::Poder::VirParaFrente:
        return QString::fromUtf8("O Rodaleque já está aberto, mas neste sistema de janelas "
                                 "(Wayland) não pode vir para a frente sozinho: escolha a "
                                 "janela dele na lista de janelas abertas.");
    }
    return {};
}

} // namespace

bool frm1::Form_Load() {
    setWindowTitle(u' ' + produto::nome() + QStringLiteral(" - ") + produto::versao());
    if (instancia_.outraCopiaRodando()) {
        const QString titulo = windowTitle();
        setWindowTitle(QString()); // so that the search cannot find this window
        instancia_.chamarPrimeiraCopia(titulo);
        close();
        return false;
    }
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &frm1::aoFimDaSessao);
    motor_.iniciar();
    janelas_.BordaFixa(*this, size());
    maximizar();
    animacao_.prepararModelo();
    Timer1_.setInterval(intervaloDaChuvaEmMs);
    animacao_.MontarColunas();
    chuva_->aoMudar();
    // Only a window that is all set up comes to the front: not while the start-up still asks
    // whether to continue a series.
    instancia_.aoSerChamada([this](const QString& titulo, const QByteArray& ficha) {
        trazerParaFrente(titulo, ficha);
    });
    return true;
}

// Only the window a later copy searched for comes to the front, as a search by title would.
// Where the window system keeps a program from coming forward by itself, a launcher's token
// may still let it.
void frm1::trazerParaFrente(const QString& titulo, const QByteArray& ficha) {
    if (titulo != windowTitle())
        return;
    showNormal();
    janelas_.trazerParaFrente(*this, ficha);
    if (ficha.isEmpty())
        avisarSeNaoPode(platform::Janelas::Poder::VirParaFrente);
}

void frm1::avisarSeNaoPode(platform::Janelas::Poder poder) {
    if (janelas_.pode(poder) || avisados_.count(poder) != 0)
        return;
    avisados_.insert(poder);
    dialogos_.caixaDeMensagem(aviso(poder), platform::Dialogos::OkInformacao);
}

void frm1::Form_QueryUnload(int16_t& Cancel) {
    if (motor_.estado().ConfirmaSaida == 0 || txtX().text().isEmpty())
        return;
    const int resposta = dialogos_.caixaDeMensagem(
        QStringLiteral("Deseja realmente sair do programa?"), platform::Dialogos::SimNaoPergunta);
    if (resposta == platform::Dialogos::RespostaNao)
        Cancel = -1;
}

// Every other window goes with it and nothing more runs: the results are already on disk, and
// the series, ended, is nothing to go on with at the next start.
void frm1::Form_Unload() {
    motor_.esquecerSerie(MotorSorteio::Encerramento::Fechamento);
    QCoreApplication::exit(0);
}

void frm1::closeEvent(QCloseEvent* evento) {
    int16_t cancelar = 0;
    Form_QueryUnload(cancelar);
    if (cancelar != 0) {
        evento->ignore();
        return;
    }
    evento->accept();
    Form_Unload();
}

// A log-off or shutdown is one more request to close, asked as the close box asks: a No keeps
// the program, and with it the session, running; an allowed close ends the program here, as
// every allowed close does. Left to the session, the end would come as Qt's quit, which
// closes the window and so would ask a second time, while Windows waits for its answer.
void frm1::aoFimDaSessao(QSessionManager& sessao) {
    if (!sessao.allowsInteraction())
        return;
    int16_t cancelar = 0;
    Form_QueryUnload(cancelar);
    if (cancelar != 0) {
        // Not released: on Windows a release blocks the window's input until the session ends.
        sessao.cancel();
        return;
    }
    Form_Unload();
}

void frm1::chk1_Click() {
    janelas_.SetWindowPos(*this, chk1_->isChecked());
    if (!chk1_->isChecked())
        return;
    avisarSeNaoPode(platform::Janelas::Poder::FicarAcima);
    if (janelas_.pode(platform::Janelas::Poder::FicarAcima) && isMaximized())
        avisarSeNaoPode(platform::Janelas::Poder::FicarAcimaMaximizada);
}

void frm1::cmdAnimar_Click() {
    Timer1_.isActive() ? Timer1_.stop() : Timer1_.start();
    Timer2_.isActive() ? Timer2_.stop() : Timer2_.start();
    cmdSorteio().setFocus();
}

void frm1::aoTimer1() {
    animacao_.Timer1_Timer();
    chuva_->aoMudar();
}

// Only what is already waiting to be painted: no tick, click or draw may run in the middle
// of a rebuild of the columns.
void frm1::processarEventosPendentes() {
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

} // namespace rodaleque::janela
