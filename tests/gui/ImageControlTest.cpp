// The image control paints a picture's packed colours as they are, straight from its pixels.
#include <QPaintEvent>
#include <QPixmap>

#include "ImageControl.h"
#include "WindowTest.h"

namespace varno::testing {
namespace {

class ImageControlTest : public WindowTest {};

TEST_F(ImageControlTest, PaintsEachPackedColourAsItsRedGreenAndBlue) {
    // Every channel distinct, so a swap of red and blue or a lost byte shows.
    Image picture(3, 2);
    const PackedColour colours[] = {
        kRed, PackColour(0, 255, 0), kBlue, PackColour(18, 52, 86), kWhite, kBlack};
    for (int i = 0; i < 6; ++i) {
        picture.setPixel(i % 3, i / 3, colours[i]);
    }
    ImageControl control;
    control.resize(5, 4);
    control.setPicture(picture);
    const QImage shown = control.grab().toImage();
    for (int i = 0; i < 6; ++i) {
        const QColor got = shown.pixelColor(i % 3, i / 3);
        EXPECT_EQ(got, QColor(RedOf(colours[i]), GreenOf(colours[i]), BlueOf(colours[i])))
            << "pixel " << i << ": " << got.name().toStdString();
        EXPECT_EQ(got.alpha(), 255) << "pixel " << i;
    }
}

TEST_F(ImageControlTest, KeepsTheCallersPixelsWithoutACopy) {
    const Image picture(400, 300, kWhite);
    ImageControl control;
    control.setPicture(picture);
    EXPECT_TRUE(control.picture().sharesPixelsWith(picture));
    control.clear();
    EXPECT_TRUE(control.picture().empty());
}

// Records the rectangles the control is asked to paint.
class PaintRecorder : public QObject {
  public:
    std::vector<QRect> rects;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        }
        return false;
    }
};

TEST_F(ImageControlTest, ChangedRectangle_RepaintsJustThatRectangle) {
    ImageControl control;
    control.resize(200, 100);
    control.setPicture(Image(200, 100, kBlack));
    control.show();
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    control.installEventFilter(&recorder);
    Image changed = control.picture();
    changed.setPixel(50, 40, kWhite);
    control.setPicture(changed, QRect(48, 38, 5, 5));
    QCoreApplication::processEvents();
    ASSERT_FALSE(recorder.rects.empty());
    for (const QRect& rect : recorder.rects) {
        EXPECT_TRUE(QRect(48, 38, 5, 5).contains(rect))
            << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
    }
    EXPECT_EQ(control.grab(QRect(50, 40, 1, 1)).toImage().pixelColor(0, 0), QColor(Qt::white));
}

}  // namespace
}  // namespace varno::testing
