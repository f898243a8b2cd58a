// Following the controls' places and the view's size.
#include "ClientArea.h"

#include <QChildEvent>
#include <QEvent>
#include <algorithm>

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    WatchParent();
}

bool ClientArea::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded:
            if (auto* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType()) {
                child->installEventFilter(this);
            }
            break;
        case QEvent::ParentChange:
            WatchParent();
            Refit();
            break;
        case QEvent::Show:
            Refit();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

bool ClientArea::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
            // The view's own resizes matter as much as the controls'.
            if (watched == watchedParent_ || watched->parent() == this) {
                Refit();
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void ClientArea::WatchParent() {
    if (watchedParent_ != nullptr) {
        watchedParent_->removeEventFilter(this);
    }
    watchedParent_ = parentWidget();
    if (watchedParent_ != nullptr) {
        watchedParent_->installEventFilter(this);
    }
}

void ClientArea::Refit() {
    // childrenRect() leaves hidden controls out, as a scrolling form's range does.
    const QRect reach = childrenRect();
    QSize size(std::max(reach.right() + 1, 0), std::max(reach.bottom() + 1, 0));
    if (watchedParent_ != nullptr) {
        size = size.expandedTo(watchedParent_->size());
    }
    if (size != this->size()) {
        resize(size);
    }
}
