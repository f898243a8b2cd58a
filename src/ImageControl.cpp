// Painting a picture of packed colours without converting it first.
#include "ImageControl.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    // Every pixel the picture covers is painted; what lies beside it shows the window behind.
    setAttribute(Qt::WA_NoSystemBackground);
}

void ImageControl::setPicture(varno::Image picture) {
    setPicture(std::move(picture), rect());
}

void ImageControl::setPicture(varno::Image picture, const QRect& changed) {
    view_ = QImage();
    picture_ = std::move(picture);
    Wrap();
    update(changed);
}

void ImageControl::clear() {
    setPicture(varno::Image());
}

void ImageControl::Wrap() {
    if (picture_.empty()) {
        return;
    }
    // A packed colour 0x00BBGGRR lies in memory as the bytes R, G, B, 0 on a little-endian
    // machine: Qt's RGBX8888 layout but for the fourth byte, which Qt expects to be 255. The
    // const pointer makes the QImage read-only, so Qt never writes into the picture.
    const auto* bits = reinterpret_cast<const uchar*>(picture_.pixels().data());
    view_ = QImage(bits, picture_.width(), picture_.height(),
                   static_cast<qsizetype>(picture_.width()) * 4, QImage::Format_RGBX8888);
}

void ImageControl::paintEvent(QPaintEvent* event) {
    if (view_.isNull()) {
        return;
    }
    const QRect area = event->rect() & view_.rect();
    if (area.isEmpty()) {
        return;
    }
    // Qt would copy the fourth byte (0) as alpha into a target that keeps one (a grab, a
    // translucent window), so the exposed part is converted, which makes it opaque; the
    // conversion costs no more than painting that part.
    QPainter painter(this);
    painter.drawImage(area.topLeft(), view_.copy(area).convertToFormat(QImage::Format_RGB32));
}
