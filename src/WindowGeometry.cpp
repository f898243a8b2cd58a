// The fitting's six results onto a Qt window, in the fitting's order.
#include "WindowGeometry.h"

#include <QScrollArea>
#include <QWidget>
#include <algorithm>

namespace {

Qt::ScrollBarPolicy Policy(bool allowed) {
    return allowed ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

}  // namespace

void ApplyWindowFit(QWidget& window, QScrollArea& scrollArea, const varno::WindowFit& fit) {
    window.resize(std::max(fit.Width, 1), std::max(fit.Height, 1));
    window.move(fit.Left, fit.Top);
    scrollArea.setVerticalScrollBarPolicy(Policy(fit.VerticalScrollBar));
    scrollArea.setHorizontalScrollBarPolicy(Policy(fit.HorizontalScrollBar));
}
