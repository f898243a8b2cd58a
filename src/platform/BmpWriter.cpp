// The BMP encoder: headers, then rows packed from R, G, B, 0 to B, G, R straight into the file.
#include "platform/BmpWriter.h"

#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__x86_64__)
#include <tmmintrin.h>  // SSSE3 byte shuffles
#endif

#include "Unit2/Failure.h"

namespace varno {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
// 96 pixels per inch, the resolution the texts are drawn at.
constexpr std::uint32_t kPixelsPerMetre = 3780;
// Rows are gathered into blocks of about this many bytes before each write.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

[[noreturn]] void FailToCreate(const QString& fileName) {
    throw Failure("Cannot create file " + fileName.toStdString());
}

void PutLittleEndian(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::array<std::uint8_t, kHeadersSize> Headers(int width, int height, std::uint32_t rowBytes) {
    std::array<std::uint8_t, kHeadersSize> h{};
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    h[0] = 'B';
    h[1] = 'M';
    PutLittleEndian(&h[2], static_cast<std::uint32_t>(kHeadersSize) + imageBytes, 4);
    PutLittleEndian(&h[10], static_cast<std::uint32_t>(kHeadersSize), 4);  // pixels' offset
    std::uint8_t* info = &h[kFileHeaderSize];
    PutLittleEndian(&info[0], static_cast<std::uint32_t>(kInfoHeaderSize), 4);
    PutLittleEndian(&info[4], static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(&info[8], static_cast<std::uint32_t>(height), 4);  // positive: bottom-up
    PutLittleEndian(&info[12], 1, 2);                                  // planes
    PutLittleEndian(&info[14], 24, 2);                                 // bits per pixel
    PutLittleEndian(&info[16], 0, 4);                                  // BI_RGB: uncompressed
    PutLittleEndian(&info[20], imageBytes, 4);
    PutLittleEndian(&info[24], kPixelsPerMetre, 4);
    PutLittleEndian(&info[28], kPixelsPerMetre, 4);
    return h;  // no palette: colours used and important stay 0
}

// The three bytes blue, green, red of a packed colour, in the low 24 bits of a word that lies
// in memory as B, G, R.
std::uint32_t FileOrder(PackedColour colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return ((c >> 16) & 0xFF) | (c & 0xFF00) | ((c & 0xFF) << 16);
}

void PutWord(std::uint8_t* at, std::uint32_t word) {
    std::memcpy(at, &word, 4);
}

// One row in the file's byte order, blue, green, red; the padding to whole 32-bit words
// is left as it is (zero). Four pixels make three whole words.
void EncodeRowPlain(std::span<const PackedColour> row, std::uint8_t* out) {
    std::size_t x = 0;
    for (; x + 4 <= row.size(); x += 4, out += 12) {
        const std::uint32_t a = FileOrder(row[x]);
        const std::uint32_t b = FileOrder(row[x + 1]);
        const std::uint32_t c = FileOrder(row[x + 2]);
        const std::uint32_t d = FileOrder(row[x + 3]);
        PutWord(out, a | (b << 24));
        PutWord(out + 4, (b >> 8) | (c << 16));
        PutWord(out + 8, (c >> 16) | (d << 8));
    }
    for (; x < row.size(); ++x, out += 3) {
        const std::uint32_t a = FileOrder(row[x]);
        out[0] = static_cast<std::uint8_t>(a);
        out[1] = static_cast<std::uint8_t>(a >> 8);
        out[2] = static_cast<std::uint8_t>(a >> 16);
    }
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The same with one byte shuffle per four pixels. Each store writes 16 bytes of which the
// last 4 are overwritten by the next group, so the last group is left to the plain loop and
// nothing lands in the padding.
__attribute__((target("ssse3"))) void EncodeRowShuffled(std::span<const PackedColour> row,
                                                        std::uint8_t* out) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    std::size_t x = 0;
    for (; x + 5 <= row.size(); x += 4, out += 12) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&row[x]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(pixels, order));
    }
    EncodeRowPlain(row.subspan(x), out);
}

void EncodeRow(std::span<const PackedColour> row, std::uint8_t* out) {
    static const bool hasShuffle = __builtin_cpu_supports("ssse3");
    if (hasShuffle) {
        EncodeRowShuffled(row, out);
    } else {
        EncodeRowPlain(row, out);
    }
}
#else
void EncodeRow(std::span<const PackedColour> row, std::uint8_t* out) {
    EncodeRowPlain(row, out);
}
#endif

}  // namespace

void SaveBmp(const Image& picture, const QString& fileName) {
    const int width = picture.width();
    const int height = picture.height();
    // A file of more than 4 GiB cannot give its size in the header.
    const std::uint64_t rowBytes64 =
        (std::uint64_t{3} * static_cast<std::uint64_t>(width) + 3) & ~std::uint64_t{3};
    if (picture.empty() ||
        rowBytes64 * static_cast<std::uint64_t>(height) + kHeadersSize > 0xFFFFFFFFu) {
        FailToCreate(fileName);
    }
    const auto rowBytes = static_cast<std::uint32_t>(rowBytes64);

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        FailToCreate(fileName);
    }
    const auto headers = Headers(width, height, rowBytes);
    const auto write = [&](const std::uint8_t* data, std::size_t size) {
        if (file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
            file.cancelWriting();
            FailToCreate(fileName);
        }
    };
    write(headers.data(), headers.size());

    const int rowsPerBlock = static_cast<int>(std::max<std::size_t>(1, kBlockBytes / rowBytes));
    std::vector<std::uint8_t> block(static_cast<std::size_t>(rowsPerBlock) * rowBytes, 0);
    for (int first = height - 1; first >= 0; first -= rowsPerBlock) {
        const int rows = std::min(rowsPerBlock, first + 1);
        for (int r = 0; r < rows; ++r) {
            EncodeRow(picture.row(first - r),
                      block.data() + static_cast<std::size_t>(r) * rowBytes);
        }
        write(block.data(), static_cast<std::size_t>(rows) * rowBytes);
    }
    if (!file.commit()) {
        FailToCreate(fileName);
    }
}

}  // namespace varno
