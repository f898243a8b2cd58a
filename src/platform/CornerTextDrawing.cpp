// Corner texts: each is painted through a QImage laid over the few rows and columns it covers.
#include "platform/CornerTextDrawing.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/Windows1252.h"

namespace varno {
namespace {

// The top-left and bottom-right texts sit 4 pixels above their Y, the other two 3.
constexpr std::array<int, 4> kCellRaise{4, 3, 3, 4};

// The packed colour 0x00BBGGRR lies in memory as R, G, B, 0: Qt's RGBX8888 except that Qt
// sets the fourth byte to 0xFF where it paints. This puts the 0 back.
void ClearFourthBytes(Image& output, int left, int top, int width, int height) {
    for (int y = top; y < top + height; ++y) {
        const auto row = output.mutableRow(y).subspan(static_cast<std::size_t>(left),
                                                      static_cast<std::size_t>(width));
        for (PackedColour& pixel : row) {
            pixel &= 0x00FFFFFF;
        }
    }
}

void DrawOneText(Image& output, const QString& text, std::int64_t cellLeft, std::int64_t cellTop,
                 const QFont& font, const QFontMetrics& metrics, const QColor& colour) {
    // Everything the glyphs can cover: the cell and the ink, with a margin of a line's height
    // for glyphs that reach beyond both.
    const std::int64_t margin = metrics.height();
    const QRect ink = metrics.boundingRect(text).translated(0, metrics.ascent());
    const std::int64_t reachLeft = cellLeft + std::min(0, ink.left()) - margin;
    const std::int64_t reachTop = cellTop + std::min(0, ink.top()) - margin;
    const std::int64_t reachRight =
        cellLeft + std::max(metrics.horizontalAdvance(text), ink.right() + 1) + margin;
    const std::int64_t reachBottom =
        cellTop + std::max(metrics.height(), ink.bottom() + 1) + margin;

    const auto left = static_cast<int>(std::clamp<std::int64_t>(reachLeft, 0, output.width()));
    const auto top = static_cast<int>(std::clamp<std::int64_t>(reachTop, 0, output.height()));
    const auto right = static_cast<int>(std::clamp<std::int64_t>(reachRight, 0, output.width()));
    const auto bottom = static_cast<int>(std::clamp<std::int64_t>(reachBottom, 0, output.height()));
    if (left >= right || top >= bottom) {
        return;
    }
    const int width = right - left;
    const int height = bottom - top;
    PackedColour* corner = output.mutableRow(top).subspan(static_cast<std::size_t>(left)).data();
    {
        // A view of the picture's own pixels, not a copy.
        QImage area(reinterpret_cast<uchar*>(corner), width, height,
                    static_cast<qsizetype>(output.width()) * 4, QImage::Format_RGBX8888);
        QPainter painter(&area);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(colour);
        // drawText places the baseline; the cell's top lies one ascent above it. Inside the
        // area these offsets are bounded by the text's extent and the margin.
        painter.drawText(QPoint(static_cast<int>(cellLeft - left),
                                static_cast<int>(cellTop - top) + metrics.ascent()),
                         text);
    }
    ClearFourthBytes(output, left, top, width, height);
}

}  // namespace

QFont CornerTextFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);  // 12 points at 96 pixels per inch
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DrawCornerTexts(Image& output, const CornerTexts& texts, PackedColour colour) {
    if (output.empty()) {
        return;
    }
    const QFont font = CornerTextFont();
    const QFontMetrics metrics(font);
    const QColor pen(RedOf(colour), GreenOf(colour), BlueOf(colour));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const CornerText& corner = texts[i];
        if (corner.Text.empty()) {
            continue;
        }
        DrawOneText(output, FromWindows1252(corner.Text), corner.X,
                    std::int64_t{corner.Y} - kCellRaise[i], font, metrics, pen);
    }
}

}  // namespace varno
