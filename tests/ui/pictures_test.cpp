// The program's pictures as the program reads them, through Qt's image readers.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "desktop/picture_file.h"

namespace lernwerk {
namespace {

#ifdef LERNWERK_RESOURCE_DIR
const QString resourceDir = QStringLiteral(LERNWERK_RESOURCE_DIR);
#else
// This file lives in tests/ui/ of the source tree.
const QString resourceDir = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../resources");
#endif

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
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

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

TEST(ProgramPictures, EachDecodesAtItsExactSize)
{
    // Read from the compiled-in resources, as the windows do: this fails when Qt's JPEG
    // plugin cannot be found.
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {
        {":/pictures/start_de.jpg", {300, 215}},
        {":/pictures/start_en.jpg", {191, 132}},
        {":/pictures/donate_de.jpg", {504, 289}},
        {":/pictures/donate_en.jpg", {504, 289}},
    };
    for (const auto& p : pictures) {
        EXPECT_EQ(loadPicture(QString::fromLatin1(p.path)).size(), p.size) << p.path;
    }
}

TEST(ProgramPictures, EnglishStartPictureBlendsIntoTheGermanOne)
{
    // The English picture lies at (101, 83) over the German one; along its edges both must show
    // the same background, or the seam shows.
    const QImage german = loadPicture(QStringLiteral(":/pictures/start_de.jpg"));
    const QImage english = loadPicture(QStringLiteral(":/pictures/start_en.jpg"));
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
        {"icons/lernwerk.png", 48},
        {"icons/lernwerk_32.png", 32},
        {"icons/lernwerk_16.png", 16},
        {"icons/lernwerk_128.png", 128},
        {"icons/lernwerk_256.png", 256},
        {"glyphs/solve.png", 16},
        {"glyphs/correct.png", 16},
        {"glyphs/wrong.png", 16},
        {"glyphs/clock.png", 16},
        {"glyphs/solve_disabled.png", 16},
        {"glyphs/correct_disabled.png", 16},
        {"glyphs/wrong_disabled.png", 16},
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
                    EXPECT_TRUE(qRed(d) == qGreen(d) && qGreen(d) == qBlue(d)) << name << " at " << x << "," << y;
                }
                colourful = colourful || (qAlpha(n) > 0 && channelDistance(n, qRgb(qGray(n), qGray(n), qGray(n))) > 30);
            }
        }
        EXPECT_TRUE(colourful) << name << ": the enabled glyph has no colour";
    }
}

TEST(LoadPicture, ReadsAFileAndNamesThePathAndReasonWhenItCannot)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile resource(QStringLiteral(":/pictures/donate_en.jpg"));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const QByteArray good = resource.readAll();

    // The format comes from the content, not from the name.
    const QString renamed = folder.filePath(QStringLiteral("picture.png"));
    writeBytes(renamed, good);
    EXPECT_EQ(loadPicture(renamed).size(), QSize(504, 289));

    const QString cut = folder.filePath(QStringLiteral("cut.jpg"));
    const QString garbage = folder.filePath(QStringLiteral("garbage.jpg"));
    const QString empty = folder.filePath(QStringLiteral("empty.jpg"));
    writeBytes(cut, good.left(100));
    writeBytes(garbage, QByteArray("\xFF\xD8\xFF this is no picture"));
    writeBytes(empty, {});
    for (const QString& path : {cut, garbage, empty, folder.filePath(QStringLiteral("missing.jpg")), folder.path(),
                                QStringLiteral(":/no/such/picture.jpg")}) {
        const std::string message = thrownMessage([&] { loadPicture(path); });
        const std::string start = "Cannot read the picture \"" + path.toStdString() + "\": ";
        EXPECT_EQ(message.rfind(start, 0), 0u) << message;
        EXPECT_GT(message.size(), start.size()) << path.toStdString() << ": no reason given";
    }
}

}  // namespace
}  // namespace lernwerk
