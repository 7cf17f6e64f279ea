#include "Forma.h"

#include <QPainter>

namespace rodaleque::sobre {

Forma::Forma(QWidget* pai, QColor interior, QColor borda)
    : QWidget(pai), interior_(interior), borda_(borda) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), interior_);
    p.setPen(borda_);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace rodaleque::sobre
