#include "CaixasPintadas.h"

#include <widgets/Geometria.h>

#include <QPainter>

namespace rodaleque::janela {

CaixaPintada::CaixaPintada(QuadroDeCaixas& quadro, QRect geometria, int comprimentoMaximo)
    : quadro_(quadro), geometria_(geometria), comprimentoMaximo_(comprimentoMaximo) {}

void CaixaPintada::setText(const QString& texto) {
    const QString cortado = comprimentoMaximo_ > 0 ? texto.left(comprimentoMaximo_) : texto;
    if (cortado == texto_)
        return;
    texto_ = cortado;
    quadro_.marcarAlterado();
}

bool CaixaPintada::setBackColor(int64_t cor) {
    if (cor < 0 || cor > 0xFFFFFF)
        return false;
    if (cor != fundo_) {
        fundo_ = cor;
        quadro_.marcarAlterado();
    }
    return true;
}

QuadroDeCaixas::QuadroDeCaixas(QWidget* pai, QRect geometria, Aparencia aparencia)
    : QWidget(pai), aparencia_(std::move(aparencia)) {
    setGeometry(geometria);
    setEnabled(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CaixaPintada& QuadroDeCaixas::adicionar(QRect geometria) {
    caixas_.push_back(std::make_unique<CaixaPintada>(*this, geometria, aparencia_.comprimentoMaximo));
    return *caixas_.back();
}

void QuadroDeCaixas::aoQuadro() {
    if (!alterado_)
        return;
    alterado_ = false;
    update();
}

void QuadroDeCaixas::paintEvent(QPaintEvent*) {
    ++pinturas_;
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setFont(aparencia_.fonte);
    p.setPen(aparencia_.texto);
    for (const auto& caixa : caixas_) {
        p.fillRect(caixa->geometria(), cor(caixa->backColor()));
        p.drawText(caixa->geometria(), Qt::AlignCenter, caixa->text());
    }
}

} // namespace rodaleque::janela
