// The client area of a window that scrolls: the controls sit on it at their design places.
#pragma once

#include <QWidget>

// Keeps itself as large as its visible controls reach and at least as large as the scroll
// area's view of it, so the scroll bars that the window allows appear exactly when a control
// (an image, most often) lies beyond the view, as a scrolling form's range does.
class ClientArea : public QWidget {
    Q_OBJECT
  public:
    explicit ClientArea(QWidget* parent = nullptr);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Refit();
    void WatchParent();

    QWidget* watchedParent_ = nullptr;
};
