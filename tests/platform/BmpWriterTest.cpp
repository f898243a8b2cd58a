// Saving BMP files: what is read back, and what a failed save leaves on the disk.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <csignal>

#include "NumberedPicture.h"
#include "SyntheticSun.h"
#include "Unit2/Failure.h"
#include "platform/BmpWriter.h"

namespace varno {
namespace {

// The picture as Qt's own BMP reader sees the file, in packed colours.
Image ReadBack(const QString& fileName) {
    QImageReader reader(fileName, "bmp");
    const QImage read = reader.read();
    if (read.isNull()) {
        ADD_FAILURE() << "Qt cannot read " << fileName.toStdString() << ": "
                      << reader.errorString().toStdString();
        return {};
    }
    Image picture(read.width(), read.height());
    for (int y = 0; y < read.height(); ++y) {
        for (int x = 0; x < read.width(); ++x) {
            const QRgb rgb = read.pixel(x, y);
            picture.setPixel(x, y, PackColour(qRed(rgb), qGreen(rgb), qBlue(rgb)));
        }
    }
    return picture;
}

QByteArray Contents(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ExpectCreateFailure(const Image& picture, const QString& fileName) {
    try {
        SaveBmp(picture, fileName);
        ADD_FAILURE() << "saving to " << fileName.toStdString() << " did not fail";
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()), "Cannot create file " + fileName.toStdString());
    }
}

class BmpWriterTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(directory_.isValid()); }
    QString path(const QString& name) const { return directory_.filePath(name); }
    QStringList filesIn(const QString& dir) const {
        return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // A file that a failed save must leave as it is.
    QString formerFile(const QString& dir) const {
        QString name = QDir(dir).filePath("former.bmp");
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the former contents");
        return name;
    }

    QTemporaryDir directory_;
};

TEST_F(BmpWriterTest, SavedPictureReadsBackWithTheSamePixels) {
    // Widths 1 to 4 give every amount of row padding; the Sun has every kind of colour.
    testing::SunOptions sun;
    sun.width = 203;
    sun.height = 151;
    sun.centreX = 100.0;
    sun.centreY = 75.0;
    sun.radius = 60.0;
    sun.noise = 20.0;
    sun.red = 1.0;
    sun.green = 0.7;
    sun.blue = 0.3;
    const Image pictures[] = {testing::NumberedPicture(1, 1),
                              testing::NumberedPicture(2, 3),
                              testing::NumberedPicture(3, 2),
                              testing::NumberedPicture(4, 5),
                              Image(7, 3, kWhite),
                              testing::DrawSyntheticSun(sun)};
    for (const Image& picture : pictures) {
        const QString name = path("out.bmp");
        SaveBmp(picture, name);
        EXPECT_EQ(ReadBack(name), picture) << picture.width() << " x " << picture.height();
    }
}

TEST_F(BmpWriterTest, FileIsAnUncompressedTwentyFourBitBitmap) {
    // 2 x 2: rows of 6 bytes padded to 8, the bottom row first, blue before green and red.
    Image picture(2, 2);
    picture.setPixel(0, 0, 0x030201);
    picture.setPixel(1, 0, 0x060504);
    picture.setPixel(0, 1, 0x0C0B0A);
    picture.setPixel(1, 1, 0xFFEEDD);
    const QString name = path("small.bmp");
    SaveBmp(picture, name);
    const QByteArray bytes = Contents(name);
    ASSERT_EQ(bytes.size(), 54 + 16);
    const auto u8 = [&](int i) { return static_cast<unsigned char>(bytes[i]); };
    const auto u16 = [&](int i) { return u8(i) | (u8(i + 1) << 8); };
    const auto u32 = [&](int i) { return u16(i) | (u16(i + 2) << 16); };
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(2), 70);   // file size
    EXPECT_EQ(u32(10), 54);  // pixels' offset
    EXPECT_EQ(u32(14), 40);  // BITMAPINFOHEADER
    EXPECT_EQ(u32(18), 2);
    EXPECT_EQ(u32(22), 2);  // positive height: bottom row first
    EXPECT_EQ(u16(28), 24);
    EXPECT_EQ(u32(30), 0);  // BI_RGB
    const QByteArray pixels = bytes.mid(54);
    EXPECT_EQ(pixels, QByteArray::fromHex("0c0b0affeedd0000"
                                          "0302010605040000"));
}

TEST_F(BmpWriterTest, SavingReplacesAnExistingFile) {
    const QString name = formerFile(directory_.path());
    const Image picture = testing::NumberedPicture(5, 4);
    SaveBmp(picture, name);
    EXPECT_EQ(ReadBack(name), picture);
    EXPECT_EQ(filesIn(directory_.path()), QStringList{"former.bmp"});
}

TEST_F(BmpWriterTest, MissingDirectoryFailsWithItsMessage) {
    ExpectCreateFailure(Image(4, 4), path("no such directory/out.bmp"));
    // A file where a directory should be.
    const QString former = formerFile(directory_.path());
    ExpectCreateFailure(Image(4, 4), former + "/out.bmp");
    EXPECT_EQ(Contents(former), QByteArray("the former contents"));
}

TEST_F(BmpWriterTest, ReadOnlyDirectoryFailsAndLeavesTheFormerFile) {
    const QString dir = path("read-only");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString former = formerFile(dir);
    ASSERT_TRUE(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
    const bool writable = access(dir.toLocal8Bit().constData(), W_OK) == 0;
    if (!writable) {
        ExpectCreateFailure(Image(4, 4), former);
        EXPECT_EQ(Contents(former), QByteArray("the former contents"));
        EXPECT_EQ(filesIn(dir), QStringList{"former.bmp"});
    }
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (writable) {
        GTEST_SKIP() << "this user may write into a read-only directory (running as root); "
                        "WriteFailingMidwayLeavesTheFormerFileAndNoTemporaryFile covers the "
                        "failure after the file was created";
    }
}

// Lowers the process's file size limit for one test, as a full disk would stop a write.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // fail the write, not the process
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(BmpWriterTest, WriteFailingMidwayLeavesTheFormerFileAndNoTemporaryFile) {
    const QString former = formerFile(directory_.path());
    {
        const FileSizeLimit limit(100000);
        ExpectCreateFailure(testing::NumberedPicture(400, 300), former);  // 360 kB
    }
    EXPECT_EQ(Contents(former), QByteArray("the former contents"));
    EXPECT_EQ(filesIn(directory_.path()), QStringList{"former.bmp"});
}

TEST_F(BmpWriterTest, PictureWithoutPixelsIsNotWritten) {
    const QString former = formerFile(directory_.path());
    ExpectCreateFailure(Image(0, 5), former);
    EXPECT_EQ(Contents(former), QByteArray("the former contents"));
}

}  // namespace
}  // namespace varno
