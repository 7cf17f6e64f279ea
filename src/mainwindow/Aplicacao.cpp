#include "Aplicacao.h"

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
#include <platform/SistemaDeJanelas.h>
#include <platform/gui/DialogosQt.h>

#include <QApplication>
#include <QStyleFactory>

namespace rodaleque::janela {

int executar(int argc, char** argv, const std::function<void(frm1&)>& aoMostrar) {
    // Where no window system can be opened, the person is told so and the program ends.
    if (!platform::SistemaDeJanelas::escolher())
        return 1;
    QApplication app(argc, argv);
    platform::SistemaDeJanelas::aberto();
    QApplication::setApplicationName(produto::nome());
    QApplication::setApplicationVersion(produto::versao());
    // One look on every desktop, which honours the colours the buttons are given.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    platform::RelogioDoSistema relogio;
    platform::ArquivosDoSistema arquivos;
    platform::JanelasDoSistema janelas;
    platform::DialogosQt dialogos(nullptr, produto::nome(), &janelas);
    platform::AbridorDoSistema abridor;
    GeradorPcg gerador;
    platform::EntropiaDoSistema entropia;
    platform::PastaDeResultadosDoSistema pastaDeResultados;
    const std::unique_ptr<platform::InstanciaUnica> instancia =
        platform::criarInstanciaUnica(produto::nome());
    frm1 janela({relogio, arquivos, dialogos, abridor, gerador, entropia, pastaDeResultados,
                 platform::Programa::separador(), janelas, *instancia,
                 platform::Programa::pastaDeDados() + platform::Programa::separador() +
                     QStringLiteral("serie-em-andamento.txt"),
                 &platform::Programa::lerExecutavel,
                 platform::Programa::pastaDeConfiguracao() + platform::Programa::separador() +
                     QStringLiteral("ata.ini")});

    dialogos.definirJanela(&janela);
    if (!janela.Form_Load())
        return 0; // another copy runs and has been called to the front
    janela.show();
    if (aoMostrar)
        aoMostrar(janela);
    return app.exec();
}

} // namespace rodaleque::janela
