#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QString>

#include <map>
#include <typeinfo>
#include <utility>

namespace rodaleque::bench {

// The timer and paint events the whole application receives, by receiver: a window at rest
// should receive none.
class ContagemDeEventos final : public QObject {
public:
    ContagemDeEventos() { QCoreApplication::instance()->installEventFilter(this); }

    void zerar() { contagem_.clear(); }
    int total(QEvent::Type tipo) const {
        int n = 0;
        for (const auto& [chave, vezes] : contagem_)
            n += chave.second == tipo ? vezes : 0;
        return n;
    }
    // Receiver (its class and name) and event type -> how many.
    const std::map<std::pair<QString, QEvent::Type>, int>& porReceptor() const { return contagem_; }

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override {
        const QEvent::Type tipo = evento->type();
        if (tipo == QEvent::Timer || tipo == QEvent::Paint || tipo == QEvent::UpdateRequest)
            ++contagem_[{QString::fromLatin1(typeid(*alvo).name()) + QLatin1Char(' ') +
                             alvo->objectName(),
                         tipo}];
        return false;
    }

private:
    std::map<std::pair<QString, QEvent::Type>, int> contagem_;
};

} // namespace rodaleque::bench
