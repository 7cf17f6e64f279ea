#pragma once

#include <QColor>
#include <QWidget>

namespace rodaleque::sobre {

// A plain rectangle, or a line one pixel high: painted on the window's surface, it takes no
// input and has no events.
class Forma final : public QWidget {
public:
    Forma(QWidget* pai, QColor interior, QColor borda);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QColor interior_;
    QColor borda_;
};

} // namespace rodaleque::sobre
