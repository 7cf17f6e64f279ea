// Watches one row of the screen and prints, each time it changes, the x of the first pixel in
// the panel's light grey: where a person sees the panel's left edge. The end-to-end tests
// use it to see the shake on screen, as fast as the X server hands out pixels.
//   borda_do_painel <row> <milliseconds>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const int linha = QString::fromLocal8Bit(argv[1]).toInt();
    const int ms = QString::fromLocal8Bit(argv[2]).toInt();
    QScreen* tela = QGuiApplication::primaryScreen();
    const int largura = tela->geometry().width();
    const QRgb cinzaDoPainel = qRgb(224, 224, 224);
    QElapsedTimer relogio;
    relogio.start();
    int anterior = -2;
    while (relogio.elapsed() < ms) {
        const QImage faixa = tela->grabWindow(0, 0, linha, largura, 1).toImage();
        int borda = -1;
        for (int x = 0; x < faixa.width(); ++x) {
            if ((faixa.pixel(x, 0) & 0xFFFFFF) == (cinzaDoPainel & 0xFFFFFF)) {
                borda = x;
                break;
            }
        }
        if (borda != anterior) {
            std::printf("%d\n", borda);
            std::fflush(stdout);
            anterior = borda;
        }
    }
    return 0;
}
