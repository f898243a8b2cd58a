// Draws the sample picture: a limb-darkened Sun with two spots, off centre, on a dark sky.
#include <QImage>
#include <QString>
#include <cstdio>

#include "SyntheticSun.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: DrawSampleSun FILE.bmp\n", stderr);
        return 2;
    }
    varno::testing::SunOptions options;
    options.width = 640;
    options.height = 560;
    options.centreX = 331.5;  // off centre, so the cut visibly moves the disk into the middle
    options.centreY = 262.0;
    options.radius = 215.0;
    options.diskLevel = 235.0;
    options.skyLevel = 10.0;
    options.noise = 3.0;
    options.red = 1.0;
    options.green = 0.82;
    options.blue = 0.45;
    options.spots = {{260.0, 220.0, 9.0, 0.35}, {390.0, 330.0, 6.0, 0.4}};
    const varno::Image sun = varno::testing::DrawSyntheticSun(options);

    QImage picture(sun.width(), sun.height(), QImage::Format_RGB888);
    for (int y = 0; y < sun.height(); ++y) {
        for (int x = 0; x < sun.width(); ++x) {
            const varno::PackedColour c = sun.pixel(x, y);
            picture.setPixel(x, y, qRgb(varno::RedOf(c), varno::GreenOf(c), varno::BlueOf(c)));
        }
    }
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "Cannot create file %s\n", argv[1]);
        return 1;
    }
    return 0;
}
