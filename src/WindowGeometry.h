// Applying a fitting's results to a window that scrolls.
#pragma once

#include "Unit2/WindowFitting.h"

class QScrollArea;
class QWidget;

// The fitting thinks in outer window sizes, frame included, as a window on Windows measures
// them. Under X11 the frame belongs to the window manager and is not known before the window is
// on screen, so the fitted width and height become the window's own size (menu bar included,
// frame excluded) and the fitted left and top the place of the frame's top-left corner, which is
// what QWidget::move() sets. The window is thus larger by the frame than on Windows; the fitting
// keeps room for a frame, so the option column and the images still fit.
//
// A scroll bar the fitting allows appears when the content reaches beyond the view; one it does
// not allow never appears. Sizes below 1 (a tiny chosen screen) become 1.
void ApplyWindowFit(QWidget& window, QScrollArea& scrollArea, const varno::WindowFit& fit);
