// An image control of a window: shows one picture 1:1 at its top-left corner.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include "Unit2/Image.h"

// Holds a copy of the picture it shows (pictures share their pixels until written, so this costs
// no pixel copy) and paints straight from those pixels. Whoever draws on the picture gives the
// control the new picture afterwards; the control never writes it.
class ImageControl : public QWidget {
    Q_OBJECT
  public:
    explicit ImageControl(QWidget* parent = nullptr);

    const varno::Image& picture() const { return picture_; }

    // Shows a new picture and repaints the whole control.
    void setPicture(varno::Image picture);
    // Shows a new picture of which only `changed` differs from the former one, and repaints
    // just that rectangle.
    void setPicture(varno::Image picture, const QRect& changed);
    // Drops the picture and its pixels.
    void clear();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Wrap();

    varno::Image picture_;
    // Reads picture_'s pixels in place; reset whenever picture_ changes.
    QImage view_;
};
