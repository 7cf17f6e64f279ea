// Start-up: the window, the first series, and the platform's services behind them.
#include "frm1.h"

#include <engine/Gerador.h>
#include <engine/Produto.h>
#include <platform/Abridor.h>
#include <platform/Arquivos.h>
#include <platform/Entropia.h>
#include <platform/InstanciaUnica.h>
#include <platform/Janelas.h>
#include <platform/Programa.h>
#include <platform/Relogio.h>
#include <platform/gui/DialogosQt.h>

#include <QApplication>
#include <QStyleFactory>

using namespace rodaleque;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(produto::nome());
    QApplication::setApplicationVersion(produto::versao());
    // One look on every desktop, which honours the colours the buttons are given.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    platform::RelogioDoSistema relogio;
    platform::ArquivosDoSistema arquivos;
    platform::DialogosQt dialogos(nullptr, produto::nome());
    platform::AbridorDoSistema abridor;
    GeradorPcg gerador;
    platform::EntropiaDoSistema entropia;
    platform::PastaDeResultadosDoSistema pastaDeResultados;
    platform::JanelasDoSistema janelas;
    const std::unique_ptr<platform::InstanciaUnica> instancia =
        platform::criarInstanciaUnica(produto::nome());
    janela::frm1 janela({relogio, arquivos, dialogos, abridor, gerador, entropia,
                         pastaDeResultados, platform::Programa::separador(), janelas,
                         *instancia});

    dialogos.definirJanela(&janela);
    if (!janela.Form_Load())
        return 0; // another copy runs and has been called to the front
    janela.show();
    return app.exec();
}
