#include "app/jpeg_image.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

namespace {

using lernwerk::decodeJpeg;
using lernwerk::encodeJpeg;
using lernwerk::loadJpeg;

#ifdef LERNWERK_RESOURCE_DIR
const QString resourceDir = QStringLiteral(LERNWERK_RESOURCE_DIR);
#else
// This file lives in tests/ui/ of the source tree.
const QString resourceDir =
    QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../resources");
#endif

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// A picture with flat colour fields and a smooth gradient, at a size that is no multiple of
// the 8-pixel JPEG block.
QImage testPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            QRgb colour;
            if (y < height / 2) {
                colour = x < width / 2 ? qRgb(220, 40, 30) : qRgb(30, 90, 200);
            } else {
                colour = qRgb(x * 255 / width, 180, y * 255 / height);
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

// The message of the std::runtime_error that `action` throws, or "" when it throws none.
template <typename Action>
std::string thrownMessage(Action action)
{
    try {
        action();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return {};
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

// ---- encoding and decoding ------------------------------------------------------------------

TEST(JpegRoundTrip, ColourPictureKeepsSizeAndColours)
{
    const QImage original = testPicture(45, 29);
    const QImage decoded = decodeJpeg(encodeJpeg(original, 92));

    ASSERT_EQ(decoded.size(), original.size());
    EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
    long total = 0;
    int worst = 0;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const int d = channelDistance(original.pixel(x, y), decoded.pixel(x, y));
            total += d;
            worst = std::max(worst, d);
            EXPECT_EQ(qAlpha(decoded.pixel(x, y)), 255);
        }
    }
    EXPECT_LT(total / (original.width() * original.height()), 4);
    EXPECT_LT(worst, 48);  // only next to the sharp edges between the fields
    // The middle of each flat field comes back nearly exact.
    EXPECT_LE(channelDistance(decoded.pixel(10, 6), qRgb(220, 40, 30)), 4);
    EXPECT_LE(channelDistance(decoded.pixel(34, 6), qRgb(30, 90, 200)), 4);
}

TEST(JpegRoundTrip, GreyscaleStaysGreyscale)
{
    QImage grey(20, 12, QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            grey.scanLine(y)[x] = static_cast<uchar>(x * 12);
        }
    }
    const QImage decoded = decodeJpeg(encodeJpeg(grey, 95));
    ASSERT_EQ(decoded.format(), QImage::Format_Grayscale8);
    ASSERT_EQ(decoded.size(), grey.size());
    for (int x = 0; x < grey.width(); ++x) {
        EXPECT_NEAR(decoded.constScanLine(5)[x], x * 12, 4) << "column " << x;
    }
}

TEST(JpegRoundTrip, TransparentPictureComesBackOpaque)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(qRgba(0, 150, 60, 80));
    const QImage decoded = decodeJpeg(encodeJpeg(image, 92));
    EXPECT_EQ(qAlpha(decoded.pixel(8, 8)), 255);
    EXPECT_LE(channelDistance(decoded.pixel(8, 8), qRgb(0, 150, 60)), 4);
}

TEST(JpegRoundTrip, NarrowColourStripesStayApart)
{
    // One-pixel columns of red and blue, like the edges of small coloured letters: with the
    // colour halved in resolution they would blur into purple.
    QImage stripes(32, 16, QImage::Format_RGB32);
    for (int x = 0; x < stripes.width(); ++x) {
        for (int y = 0; y < stripes.height(); ++y) {
            stripes.setPixel(x, y, x % 2 == 0 ? qRgb(230, 20, 20) : qRgb(20, 20, 230));
        }
    }
    const QImage decoded = decodeJpeg(encodeJpeg(stripes, 92));
    for (int x = 8; x < 24; ++x) {
        const QRgb pixel = decoded.pixel(x, 8);
        if (x % 2 == 0) {
            EXPECT_GT(qRed(pixel), qBlue(pixel) + 100) << "column " << x;
        } else {
            EXPECT_GT(qBlue(pixel), qRed(pixel) + 100) << "column " << x;
        }
    }
}

TEST(JpegEncoding, WritesBaselineJpeg)
{
    const QByteArray bytes = encodeJpeg(testPicture(24, 24), 92);
    ASSERT_GT(bytes.size(), 4);
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
    EXPECT_TRUE(bytes.endsWith("\xFF\xD9"));
    EXPECT_TRUE(bytes.contains(QByteArray("\xFF\xC0", 2)));   // baseline frame
    EXPECT_FALSE(bytes.contains(QByteArray("\xFF\xC2", 2)));  // progressive frame
}

TEST(JpegEncoding, QualityIsHonouredAndClamped)
{
    const QImage picture = testPicture(64, 64);
    const QByteArray low = encodeJpeg(picture, 20);
    const QByteArray high = encodeJpeg(picture, 95);
    EXPECT_LT(low.size(), high.size());
    // Out-of-range qualities still give valid pictures, the same as the nearest valid one.
    EXPECT_EQ(encodeJpeg(picture, 0), encodeJpeg(picture, 1));
    EXPECT_EQ(encodeJpeg(picture, 500), encodeJpeg(picture, 100));
    EXPECT_EQ(decodeJpeg(encodeJpeg(picture, -7)).size(), picture.size());
}

TEST(JpegEncoding, LargePictureOutgrowsTheFirstBuffer)
{
    // Noise hardly compresses, so the output buffer has to grow several times.
    QImage noise(300, 200, QImage::Format_RGB32);
    unsigned state = 12345;
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x) {
            state = state * 1103515245u + 12345u;
            noise.setPixel(x, y, 0xFF000000u | (state >> 8));
        }
    }
    const QByteArray bytes = encodeJpeg(noise, 100);
    EXPECT_GT(bytes.size(), 300 * 200 / 2 + 4096);
    EXPECT_EQ(decodeJpeg(bytes).size(), noise.size());
}

TEST(JpegEncoding, NullPictureThrows)
{
    EXPECT_NE(thrownMessage([] { encodeJpeg(QImage(), 92); }), "");
}

// ---- CMYK pictures --------------------------------------------------------------------------

// Writes a 16 x 16 CMYK JPEG of one ink mix with libjpeg itself, with or without the Adobe
// marker (which tells readers the inks are stored inverted).
QByteArray cmykJpeg(const unsigned char (&inks)[4], bool adobe)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 16;
    info.image_height = 16;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    info.write_Adobe_marker = adobe ? TRUE : FALSE;
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(16 * 4);
    for (int x = 0; x < 16; ++x) {
        std::copy(inks, inks + 4, row.begin() + x * 4);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray result(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return result;
}

TEST(JpegCmyk, InvertedAndPlainInksBecomeRgb)
{
    struct Case {
        const char* what;
        unsigned char inks[4];
        bool adobe;
        QRgb expected;
    };
    const Case cases[] = {
        // Full magenta and yellow, no cyan or black: red.
        {"Adobe, red", {255, 0, 0, 255}, true, qRgb(255, 0, 0)},
        {"Adobe, half black", {255, 255, 255, 128}, true, qRgb(128, 128, 128)},
        {"plain, red", {0, 255, 255, 0}, false, qRgb(255, 0, 0)},
        {"plain, cyan", {255, 0, 0, 0}, false, qRgb(0, 255, 255)},
    };
    for (const Case& c : cases) {
        const QImage decoded = decodeJpeg(cmykJpeg(c.inks, c.adobe));
        EXPECT_EQ(decoded.format(), QImage::Format_RGB32) << c.what;
        EXPECT_EQ(decoded.size(), QSize(16, 16)) << c.what;
        EXPECT_LE(channelDistance(decoded.pixel(8, 8), c.expected), 6)
            << c.what << ": got " << QColor(decoded.pixel(8, 8)).name().toStdString();
    }
}

// ---- damaged data ---------------------------------------------------------------------------

TEST(JpegDecodeRejects, BadDataWithAClearMessageAndNoOutput)
{
    const QByteArray good = encodeJpeg(testPicture(40, 40), 92);
    QByteArray png = readFile(resourceDir + QStringLiteral("/icons/lernwerk.png"));

    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("hello, this is no picture")},
        {"one zero byte", QByteArray(1, '\0')},
        {"only the start marker", QByteArray("\xFF\xD8", 2)},
        {"a PNG", png},
        {"cut in the header", good.left(40)},
        {"cut in the middle", good.left(good.size() / 2)},
        {"cut before the end marker", good.left(good.size() - 2)},
        {"garbage after the start marker", QByteArray("\xFF\xD8", 2) + QByteArray(500, '\x5A')},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        const std::string message = thrownMessage([&] { decodeJpeg(c.bytes); });
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(message.rfind("Invalid JPEG picture: ", 0), 0u) << c.what << ": " << message;
        EXPECT_GT(message.size(), std::string("Invalid JPEG picture: ").size()) << c.what;
        EXPECT_EQ(printed, "") << c.what;
    }
}

TEST(JpegDecodeRejects, HugeClaimedSizeBeforeTakingMemory)
{
    // Patch the frame header of a small picture to claim 65000 x 65000 pixels.
    QByteArray bytes = encodeJpeg(testPicture(16, 16), 92);
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GE(frame, 0);
    for (qsizetype at : {frame + 5, frame + 7}) {
        bytes[at] = static_cast<char>(0xFD);
        bytes[at + 1] = static_cast<char>(0xE8);
    }
    const std::string message = thrownMessage([&] { decodeJpeg(bytes); });
    EXPECT_NE(message.find("too large"), std::string::npos) << message;
    EXPECT_NE(message.find("65000 x 65000"), std::string::npos) << message;
}

TEST(JpegDecodeRejects, DecodingGoesOnAfterAFailure)
{
    // A failure leaves nothing behind that spoils the next picture.
    const QByteArray good = encodeJpeg(testPicture(20, 20), 92);
    EXPECT_NE(thrownMessage([&] { decodeJpeg(good.left(good.size() / 2)); }), "");
    EXPECT_EQ(decodeJpeg(good).size(), QSize(20, 20));
}

// ---- loading files --------------------------------------------------------------------------

TEST(JpegLoad, ReadsAFileAndNamesThePathWhenItCannot)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString goodPath = folder.filePath(QStringLiteral("good.jpg"));
    const QString cutPath = folder.filePath(QStringLiteral("cut.jpg"));
    const QByteArray good = encodeJpeg(testPicture(30, 20), 92);
    for (const auto& [path, bytes] : {std::pair{goodPath, good}, std::pair{cutPath, good.left(100)}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    EXPECT_EQ(loadJpeg(goodPath).size(), QSize(30, 20));

    const std::string missing = folder.filePath(QStringLiteral("missing.jpg")).toStdString();
    const struct {
        QString path;
        std::string mustMention;
    } failures[] = {
        {QString::fromStdString(missing), missing},
        {folder.path(), folder.path().toStdString()},
        {cutPath, "Invalid JPEG picture \"" + cutPath.toStdString() + "\""},
        {QStringLiteral(":/no/such/picture.jpg"), ":/no/such/picture.jpg"},
    };
    for (const auto& f : failures) {
        const std::string message = thrownMessage([&] { loadJpeg(f.path); });
        EXPECT_NE(message.find(f.mustMention), std::string::npos)
            << f.path.toStdString() << ": " << message;
    }
}

// ---- the program's own pictures -------------------------------------------------------------

TEST(ProgramPictures, EachDecodesAtItsExactSize)
{
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {
        {"pictures/start_de.jpg", {300, 215}},
        {"pictures/start_en.jpg", {191, 132}},
        {"pictures/donate_de.jpg", {504, 289}},
        {"pictures/donate_en.jpg", {504, 289}},
    };
    for (const auto& p : pictures) {
        const QString path = resourceDir + QLatin1Char('/') + QLatin1String(p.path);
        EXPECT_EQ(loadJpeg(path).size(), p.size) << p.path;
    }
}

TEST(ProgramPictures, EnglishStartPictureBlendsIntoTheGermanOne)
{
    // The English picture lies at (101, 83) over the German one; along its edges both must show
    // the same background, or the seam shows.
    const QImage german = loadJpeg(resourceDir + QStringLiteral("/pictures/start_de.jpg"));
    const QImage english = loadJpeg(resourceDir + QStringLiteral("/pictures/start_en.jpg"));
    ASSERT_EQ(english.size(), QSize(191, 132));
    long total = 0;
    int count = 0;
    auto compare = [&](int x, int y) {
        total += channelDistance(english.pixel(x, y), german.pixel(x + 101, y + 83));
        ++count;
    };
    for (int x = 0; x < english.width(); ++x) {
        compare(x, 0);
    }
    for (int y = 0; y < english.height(); ++y) {
        compare(0, y);
    }
    EXPECT_LT(total / count, 4);
}

TEST(ProgramPictures, IconsAndGlyphsHaveTheirSizesAndTransparency)
{
    const struct {
        const char* path;
        int size;
    } icons[] = {
        {"icons/lernwerk.png", 48},     {"icons/lernwerk_32.png", 32},
        {"icons/lernwerk_16.png", 16},  {"glyphs/solve.png", 16},
        {"glyphs/correct.png", 16},     {"glyphs/wrong.png", 16},
        {"glyphs/clock.png", 16},       {"glyphs/solve_disabled.png", 16},
        {"glyphs/correct_disabled.png", 16}, {"glyphs/wrong_disabled.png", 16},
        {"glyphs/clock_disabled.png", 16},
    };
    for (const auto& icon : icons) {
        const QImage image(resourceDir + QLatin1Char('/') + QLatin1String(icon.path));
        ASSERT_FALSE(image.isNull()) << icon.path;
        EXPECT_EQ(image.size(), QSize(icon.size, icon.size)) << icon.path;
        EXPECT_TRUE(image.hasAlphaChannel()) << icon.path;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << icon.path << ": corner not transparent";
        EXPECT_GT(qAlpha(image.pixel(icon.size / 2, icon.size / 2)) +
                      qAlpha(image.pixel(icon.size / 2 - 2, icon.size / 2 + 2)),
                  0)
            << icon.path << ": nothing drawn in the middle";
    }
}

TEST(ProgramPictures, DisabledGlyphsAreGreyVersionsOfTheirGlyphs)
{
    for (const char* name : {"solve", "correct", "wrong", "clock"}) {
        const QString base = resourceDir + QStringLiteral("/glyphs/") + QLatin1String(name);
        const QImage normal(base + QStringLiteral(".png"));
        const QImage disabled(base + QStringLiteral("_disabled.png"));
        ASSERT_EQ(normal.size(), disabled.size()) << name;
        bool colourful = false;
        for (int y = 0; y < normal.height(); ++y) {
            for (int x = 0; x < normal.width(); ++x) {
                const QRgb n = normal.pixel(x, y);
                const QRgb d = disabled.pixel(x, y);
                // Same shape, drawn fainter.
                EXPECT_EQ(qAlpha(n) == 0, qAlpha(d) == 0) << name << " at " << x << "," << y;
                EXPECT_LE(qAlpha(d), qAlpha(n)) << name;
                if (qAlpha(d) > 0) {
                    EXPECT_TRUE(qRed(d) == qGreen(d) && qGreen(d) == qBlue(d))
                        << name << " at " << x << "," << y;
                }
                colourful = colourful || (qAlpha(n) > 0 && channelDistance(n, qRgb(qGray(n), qGray(n), qGray(n))) > 30);
            }
        }
        EXPECT_TRUE(colourful) << name << ": the enabled glyph has no colour";
    }
}

}  // namespace
