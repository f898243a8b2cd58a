// The corner texts: where their glyphs fall, in which colour, and what they leave alone.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <limits>

#include "platform/CornerTextDrawing.h"

namespace varno {
namespace {

constexpr const char* kDate = "1st January 2002";

CornerTexts OnlyText(int corner, const std::string& text, int x, int y) {
    CornerTexts texts{};
    texts[static_cast<std::size_t>(corner)] = {text, x, y};
    return texts;
}

// The bounding box of the pixels that differ from the background, and whether every one of
// them has exactly the text colour.
struct InkBox {
    int count = 0;
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    int right = -1;  // inclusive
    int bottom = -1;
    bool allInColour = true;
};

InkBox InkOf(const Image& picture, PackedColour background, PackedColour colour) {
    InkBox box;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const PackedColour p = picture.pixel(x, y);
            if (p == background) {
                continue;
            }
            ++box.count;
            box.allInColour = box.allInColour && p == colour;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

TEST(CornerTextDrawingTest, FontIsTimesNewRomanOrItsMetricStandIn) {
    const QFontInfo info(CornerTextFont());
    EXPECT_EQ(info.pixelSize(), 16);
    EXPECT_TRUE(info.family() == "Times New Roman" || info.family() == "Liberation Serif")
        << info.family().toStdString();
}

struct ColourCase {
    PackedColour background;
    PackedColour text;
};

TEST(CornerTextDrawingTest, GlyphsFillTheCellInTheTextColourAndNothingElse) {
    const QFontMetrics metrics(CornerTextFont());
    const int advance = metrics.horizontalAdvance(kDate);
    const ColourCase cases[] = {
        {kBlack, kWhite}, {kWhite, kBlack}, {0x336699, kWhite}, {0x336699, kBlack}};
    for (const ColourCase& c : cases) {
        Image picture(300, 120, c.background);
        // Top-left text at (10, 15): its cell starts at row 11.
        DrawCornerTexts(picture, OnlyText(TopLeft, kDate, 10, 15), c.text);
        const InkBox ink = InkOf(picture, c.background, c.text);
        EXPECT_GT(ink.count, 100) << "background " << c.background;
        EXPECT_TRUE(ink.allInColour)
            << "smoothed or wrongly coloured glyph pixels on " << c.background;
        EXPECT_GE(ink.left, 10);
        EXPECT_LT(ink.right, 10 + advance);
        EXPECT_GE(ink.top, 11);
        EXPECT_LT(ink.bottom, 11 + metrics.height());
        // The digits reach from near the cell's top down to the baseline.
        EXPECT_LE(ink.top, 11 + metrics.ascent() - metrics.capHeight() + 1);
        EXPECT_GE(ink.bottom, 11 + metrics.ascent() - 1);
        EXPECT_LE(ink.left, 12);
        for (const PackedColour p : picture.pixels()) {
            ASSERT_EQ(p & 0xFF000000, 0) << "the fourth byte must stay 0";
        }
    }
}

TEST(CornerTextDrawingTest, TopRightAndBottomLeftSitOnePixelLower) {
    const Image background(200, 60, kBlack);
    Image reference = background;
    DrawCornerTexts(reference, OnlyText(TopLeft, kDate, 20, 25), kWhite);
    const InkBox topLeft = InkOf(reference, kBlack, kWhite);
    for (const int corner : {TopRight, BottomLeft, BottomRight}) {
        Image picture = background;
        DrawCornerTexts(picture, OnlyText(corner, kDate, 20, 25), kWhite);
        const int lower = corner == BottomRight ? 0 : 1;
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 200; ++x) {
                ASSERT_EQ(picture.pixel(x, y),
                          reference.pixel(x, y - lower) == kWhite ? kWhite : kBlack)
                    << "corner " << corner << " at " << x << "," << y;
            }
        }
        EXPECT_EQ(InkOf(picture, kBlack, kWhite).top, topLeft.top + lower) << corner;
    }
}

TEST(CornerTextDrawingTest, TextMovesWithItsPosition) {
    Image a(300, 150, kBlack);
    Image b(300, 150, kBlack);
    DrawCornerTexts(a, OnlyText(TopLeft, kDate, 10, 15), kWhite);
    DrawCornerTexts(b, OnlyText(TopLeft, kDate, 37, 67), kWhite);
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 300; ++x) {
            ASSERT_EQ(b.pixel(x, y), a.pixel(x - 27, y - 52) == kWhite ? kWhite : kBlack)
                << x << "," << y;
        }
    }
}

TEST(CornerTextDrawingTest, TextsAcrossTheEdgesAreClipped) {
    // The small picture shows the large one's window from (100, 50); texts across its edges
    // must show exactly that part of themselves.
    Image large(400, 200, kBlack);
    Image small(120, 40, kBlack);
    const CornerTexts texts{
        {{kDate, 40, 60}, {"08h 00m UT", 190, 52}, {"KVT", 160, 95}, {"edge", 215, 80}}};
    CornerTexts shifted = texts;
    for (CornerText& t : shifted) {
        t.X -= 100;
        t.Y -= 50;
    }
    DrawCornerTexts(large, texts, kWhite);
    DrawCornerTexts(small, shifted, kWhite);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            ASSERT_EQ(small.pixel(x, y), large.pixel(x + 100, y + 50)) << x << "," << y;
        }
    }
    EXPECT_GT(InkOf(small, kBlack, kWhite).count, 50);
}

TEST(CornerTextDrawingTest, EmptyAndFarAwayTextsDrawNothing) {
    const Image background(100, 50, 0x102030);
    Image picture = background;
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    DrawCornerTexts(picture,
                    {{{"", 10, 20}, {kDate, kMax, 20}, {kDate, kMin, kMin}, {kDate, 10, kMax}}},
                    kWhite);
    EXPECT_EQ(picture, background);
    Image empty;
    DrawCornerTexts(empty, OnlyText(TopLeft, kDate, 0, 0), kWhite);
    EXPECT_TRUE(empty.empty());
}

TEST(CornerTextDrawingTest, SameGlyphsAsQtDrawingOnTheWholePicture) {
    // Windows-1252 bytes: 0xB0 the degree sign, 0xB1 plus-minus, 0xE9 e acute.
    const std::string bytes =
        "25\xB0 \xB1"
        "3 caf\xE9";
    const QString text = QString::fromUtf8("25\u00B0 \u00B13 caf\u00E9");
    Image ours(160, 40, kBlack);
    DrawCornerTexts(ours, OnlyText(TopLeft, bytes, 5, 12), kWhite);

    QImage whole(160, 40, QImage::Format_RGB32);
    whole.fill(Qt::black);
    {
        QPainter painter(&whole);
        painter.setFont(CornerTextFont());
        painter.setPen(Qt::white);
        painter.drawText(QPoint(5, 12 - 4 + QFontMetrics(CornerTextFont()).ascent()), text);
    }
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 160; ++x) {
            const PackedColour expected = (whole.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF ? kWhite : 0;
            ASSERT_EQ(ours.pixel(x, y), expected) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace varno
