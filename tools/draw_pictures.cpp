// Draws the program's pictures, icons and button glyphs and writes them into the resources
// folder (the first argument, or the source tree's resources/ by default).
//
// Everything is drawn with QPainter at its exact pixel size. The start screen is drawn whole
// in both languages; the English picture is the part of the English drawing that lies over the
// German one, so the two together look like one picture. The program checks that the German and
// English drawings differ only inside that part before writing anything.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <exception>
#include <numbers>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

// ---- palette --------------------------------------------------------------------------------

const QColor slate(0x26, 0x46, 0x53);       // dark background, card lines
const QColor slateLight(0x31, 0x5B, 0x6B);  // start screen gradient, top
const QColor slateDeep(0x1B, 0x35, 0x40);   // start screen gradient, bottom
const QColor footerColour(0x16, 0x2C, 0x35);
const QColor teal(0x2A, 0x9D, 0x8F);  // logo tile
const QColor tealDark(0x22, 0x83, 0x77);
const QColor sand(0xE9, 0xC4, 0x6A);    // check badge, taglines
const QColor orange(0xF4, 0xA2, 0x61);  // the gap
const QColor coral(0xE7, 0x6F, 0x51);   // hearts
const QColor cream(0xFD, 0xF8, 0xEE);   // donation picture background
const QColor mist(0xCF, 0xE3, 0xE0);    // small light text on dark ground

constexpr int jpegQuality = 92;

// ---- fonts ----------------------------------------------------------------------------------

const QString sansFamily = QStringLiteral("DejaVu Sans");

QFont font(const QString& family, qreal pixelSize, bool bold = false)
{
    QFont f(family);
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    return f;
}

// The pictures are laid out for these fonts; a substitute would overflow or look different.
void requireFonts()
{
    struct Needed {
        QString family;
        const char* package;
    };
    const Needed needed[] = {{sansFamily, "fonts-dejavu-core"},
                             {QStringLiteral("DejaVu Sans Condensed"), "fonts-dejavu-core"}};
    for (const Needed& n : needed) {
        if (QFontInfo(QFont(n.family)).family() != n.family) {
            throw std::runtime_error("The font \"" + n.family.toStdString() + "\" is not installed (Debian package " +
                                     n.package + ")");
        }
    }
}

qreal textWidth(const QFont& f, const QString& text) { return QFontMetricsF(f).horizontalAdvance(text); }

// Draws `text` with its baseline at `baseline`, left-aligned at x, or right-aligned when
// `alignRight` is set (x is then the right edge).
void drawText(QPainter& p, const QFont& f, const QColor& colour, qreal x, qreal baseline, const QString& text,
              bool alignRight = false)
{
    p.setFont(f);
    p.setPen(colour);
    const qreal left = alignRight ? x - textWidth(f, text) : x;
    p.drawText(QPointF(left, baseline), text);
}

// Splits `text` into lines no wider than `width`, breaking between words.
QStringList wrapText(const QFont& f, const QString& text, qreal width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (textWidth(f, word) > width) {
            throw std::runtime_error("The word \"" + word.toStdString() + "\" is wider than " + std::to_string(width) +
                                     " pixels");
        }
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (textWidth(f, longer) <= width) {
            line = longer;
        } else {
            lines.append(line);
            line = word;
        }
    }
    if (!line.isEmpty()) {
        lines.append(line);
    }
    return lines;
}

// The largest font up to `largest` pixels in which every one of `texts` fits into `width`, so
// that all language versions of a picture share one size.
QFont fittingFont(const QString& family, int largest, bool bold, const QStringList& texts, qreal width)
{
    for (int size = largest; size >= 8; --size) {
        const QFont f = font(family, size, bold);
        bool fits = true;
        for (const QString& text : texts) {
            fits = fits && textWidth(f, text) <= width;
        }
        if (fits) {
            return f;
        }
    }
    throw std::runtime_error("\"" + texts.join(QStringLiteral("\", \"")).toStdString() + "\" does not fit into " +
                             std::to_string(width) + " pixels");
}

// ---- shapes ---------------------------------------------------------------------------------

QImage canvas(int width, int height, const QColor& fill = Qt::transparent)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void setupPainter(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPen roundPen(const QColor& colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A heart filling `box` (point at the bottom).
QPainterPath heartPath(const QRectF& box)
{
    const qreal w = box.width();
    const qreal h = box.height();
    const qreal x = box.left();
    const qreal y = box.top();
    QPainterPath path;
    path.moveTo(x + w * 0.5, y + h * 0.26);
    path.cubicTo(x + w * 0.5, y + h * 0.06, x + w * 0.20, y - h * 0.04, x + w * 0.06, y + h * 0.16);
    path.cubicTo(x - w * 0.06, y + h * 0.34, x + w * 0.02, y + h * 0.58, x + w * 0.5, y + h);
    path.cubicTo(x + w * 0.98, y + h * 0.58, x + w * 1.06, y + h * 0.34, x + w * 0.94, y + h * 0.16);
    path.cubicTo(x + w * 0.80, y - h * 0.04, x + w * 0.5, y + h * 0.06, x + w * 0.5, y + h * 0.26);
    path.closeSubpath();
    return path;
}

// A check mark in the square `box`.
QPainterPath checkPath(const QRectF& box)
{
    QPainterPath path;
    path.moveTo(box.left() + box.width() * 0.10, box.top() + box.height() * 0.55);
    path.lineTo(box.left() + box.width() * 0.38, box.top() + box.height() * 0.82);
    path.lineTo(box.left() + box.width() * 0.90, box.top() + box.height() * 0.20);
    return path;
}

// ---- the logo -------------------------------------------------------------------------------

// How much of the logo is drawn: the tiny icon keeps only what still reads at 16 pixels.
enum class LogoDetail { full, reduced, tiny };

// The logo's shapes in its 100 x 100 design square, shared by the painted logo and the
// scalable icon.
namespace logo {
constexpr QRectF tile(2, 2, 96, 96);
constexpr qreal tileRadius = 22;
constexpr qreal tinyTileRadius = 16;
constexpr QRectF card(15, 20, 64, 54);
constexpr QRectF tinyCard(14, 19, 72, 60);
constexpr qreal cardRadius = 7;
constexpr qreal cardShadowDrop = 3;
constexpr int cardShadowAlpha = 40;
constexpr int inkAlpha = 200;
constexpr qreal fullLine = 5.5;
constexpr qreal reducedLine = 7;
constexpr qreal gapLineShare = 0.7;  // the gap is drawn thinner than the text lines
const QLineF textLines[] = {{25, 33, 66, 33}, {25, 47, 33, 47}, {25, 61, 46, 61}};
// An underscore sitting lower than the text around it, with nothing above.
const QLineF gap(40, 50, 64, 50);
constexpr QPointF badgeCentre(74, 72);
constexpr qreal badgeRing = 19;
constexpr qreal badgeRadius = 15.5;
constexpr qreal fullCheckLine = 5;
constexpr qreal reducedCheckLine = 6;
constexpr QRectF checkBox(65, 63.5, 18, 18);
}  // namespace logo

// The logo: a teal tile holding a question card whose middle line has a gap (an orange
// underscore), with a sand-coloured check badge at its corner. Drawn in a 100 x 100 design
// square scaled into `box`.
void drawLogo(QPainter& p, const QRectF& box, LogoDetail detail)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 100.0);
    p.setPen(Qt::NoPen);

    const bool tiny = detail == LogoDetail::tiny;
    QLinearGradient tile(0, 0, 0, 100);
    tile.setColorAt(0, teal);
    tile.setColorAt(1, tealDark);
    p.setBrush(tile);
    const qreal tileRadius = tiny ? logo::tinyTileRadius : logo::tileRadius;
    p.drawRoundedRect(logo::tile, tileRadius, tileRadius);

    // The card, with a soft shadow under it.
    const QRectF card = tiny ? logo::tinyCard : logo::card;
    p.setBrush(QColor(0, 0, 0, logo::cardShadowAlpha));
    p.drawRoundedRect(card.translated(0, tiny ? 0 : logo::cardShadowDrop), logo::cardRadius, logo::cardRadius);
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, logo::cardRadius, logo::cardRadius);

    const QColor ink(slate.red(), slate.green(), slate.blue(), logo::inkAlpha);
    if (tiny) {
        // Two lines: text, then text with the gap.
        p.setPen(roundPen(ink, 9));
        p.drawLine(QPointF(28, 37), QPointF(72, 37));
        p.setPen(roundPen(orange, 10));
        p.drawLine(QPointF(28, 61), QPointF(72, 61));
    } else {
        const qreal line = detail == LogoDetail::full ? logo::fullLine : logo::reducedLine;
        p.setPen(roundPen(ink, line));
        for (const QLineF& text : logo::textLines) {
            p.drawLine(text);
        }
        p.setPen(roundPen(orange, line * logo::gapLineShare));
        p.drawLine(logo::gap);

        // The check badge over the card's lower right corner, ringed in the tile colour.
        p.setPen(Qt::NoPen);
        p.setBrush(tealDark);
        p.drawEllipse(logo::badgeCentre, logo::badgeRing, logo::badgeRing);
        p.setBrush(sand);
        p.drawEllipse(logo::badgeCentre, logo::badgeRadius, logo::badgeRadius);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(slate, detail == LogoDetail::full ? logo::fullCheckLine : logo::reducedCheckLine));
        p.drawPath(checkPath(logo::checkBox));
    }
    p.restore();
}

// ---- start screen ---------------------------------------------------------------------------

constexpr int startWidth = 300;
constexpr int startHeight = 215;
// Where the English picture lies over the German one.
const QRect englishPart(101, 83, 191, 132);

struct StartTexts {
    QString name;
    QString tagline;
    QString address;
};

const StartTexts germanStart{QStringLiteral("Lernwerk"), QStringLiteral("Der Quiz-Trainer"),
                             QStringLiteral("malke-studio.de/spenden")};
const StartTexts englishStart{QStringLiteral("Drillbook"), QStringLiteral("The quiz trainer"),
                              QStringLiteral("malke-studio.com/donate")};

void drawStartBackground(QPainter& p)
{
    QLinearGradient ground(0, 0, startWidth * 0.35, startHeight);
    ground.setColorAt(0, slateLight);
    ground.setColorAt(1, slateDeep);
    p.fillRect(QRectF(0, 0, startWidth, startHeight), ground);

    // Large faint circles for depth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 12));
    p.drawEllipse(QPointF(268, 18), 92, 92);
    p.setBrush(QColor(255, 255, 255, 9));
    p.drawEllipse(QPointF(268, 18), 58, 58);
    p.setBrush(QColor(255, 255, 255, 8));
    p.drawEllipse(QPointF(8, 196), 64, 64);

    // A few dots in the palette's colours, like confetti.
    struct Dot {
        qreal x, y, r;
        QColor colour;
    };
    const Dot dots[] = {{186, 30, 3.0, sand},  {214, 56, 2.0, orange}, {160, 58, 1.6, mist},
                        {248, 44, 1.8, coral}, {132, 22, 2.2, teal},   {282, 70, 2.4, sand},
                        {34, 28, 2.0, orange}, {70, 18, 1.6, mist},    {112, 66, 1.4, sand}};
    for (const Dot& d : dots) {
        p.setBrush(d.colour);
        p.drawEllipse(QPointF(d.x, d.y), d.r, d.r);
    }

    // The footer band with a thin teal edge.
    p.fillRect(QRectF(0, 190, startWidth, 25), footerColour);
    p.fillRect(QRectF(0, 189, startWidth, 1.5), teal);
}

QImage drawStartScreen(const StartTexts& texts)
{
    QImage image = canvas(startWidth, startHeight);
    QPainter p(&image);
    setupPainter(p);
    drawStartBackground(p);

    drawLogo(p, QRectF(14, 76, 80, 80), LogoDetail::full);

    // Name and tagline, right of the logo.
    const QFont nameFont = font(sansFamily, 31, true);
    drawText(p, nameFont, Qt::white, 110, 122, texts.name);
    drawText(p, font(sansFamily, 11.5), sand, 112, 143, texts.tagline);

    // The maker's line along the bottom: the maker at the left, the donation address at the
    // right behind a small heart.
    const QFont small = font(sansFamily, 9);
    const qreal baseline = 206;
    drawText(p, small, mist, 10, baseline, QStringLiteral("Jorin Malke Studio"));
    const qreal right = startWidth - 10;
    drawText(p, small, sand, right, baseline, texts.address, true);
    const qreal heartRight = right - textWidth(small, texts.address) - 5;
    p.setPen(Qt::NoPen);
    p.setBrush(coral);
    p.drawPath(heartPath(QRectF(heartRight - 9, baseline - 7.5, 9, 8)));
    return image;
}

// Fails when the two drawings differ outside the part the English picture covers: the German
// texts would then peek out from under it.
void checkStartScreenParts(const QImage& german, const QImage& english)
{
    for (int y = 0; y < german.height(); ++y) {
        for (int x = 0; x < german.width(); ++x) {
            if (!englishPart.contains(x, y) && german.pixel(x, y) != english.pixel(x, y)) {
                throw std::runtime_error("The German and English start screens differ at (" + std::to_string(x) + ", " +
                                         std::to_string(y) + "), outside the English picture");
            }
        }
    }
}

// ---- donation pictures ----------------------------------------------------------------------

constexpr int donateWidth = 504;
constexpr int donateHeight = 289;

struct DonateTexts {
    QString heading;
    QString appeal;
    QString pointer;  // where to find the link, which sits under the picture, not in it
    QString thanks;
};

const DonateTexts germanDonate{
    QStringLiteral("Gefällt Ihnen Lernwerk?"),
    QStringLiteral("Lernwerk ist kostenlos. Wenn Ihnen das Programm beim Lernen hilft, freuen wir "
                   "uns über eine Spende in der Höhe, die Sie selbst wählen. Jeder Betrag hilft, "
                   "Lernwerk weiterzuentwickeln."),
    QStringLiteral("Den Link zu unserer Spendenseite finden Sie unter diesem Bild."),
    QStringLiteral("Herzlichen Dank! – Jorin Malke Studio")};

const DonateTexts englishDonate{
    QStringLiteral("Do you like Drillbook?"),
    QStringLiteral("Drillbook is free. If it helps you learn, we would be glad of a donation of "
                   "whatever amount you choose. Every donation helps us keep improving Drillbook."),
    QStringLiteral("You will find the link to our donation page below this picture."),
    QStringLiteral("Thank you! – Jorin Malke Studio")};

// The text column right of the illustration.
constexpr qreal donateTextLeft = 222;
constexpr qreal donateTextWidth = donateWidth - donateTextLeft - 16;
constexpr int donateAppealLines = 5;
constexpr int donatePointerLines = 2;

// The illustration at the left: a big heart on a sunny disc, with the logo tile leaning on it.
void drawDonateIllustration(QPainter& p)
{
    const QPointF centre(104, 144);
    QRadialGradient sun(centre, 90);
    sun.setColorAt(0, QColor(0xF7, 0xDF, 0xA3));
    sun.setColorAt(1, QColor(0xF3, 0xD2, 0x86));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(centre, 86, 86);

    // Rays of small dots around the disc.
    for (int i = 0; i < 16; ++i) {
        const double angle = (i * 22.5 + 11.25) * std::numbers::pi / 180.0;
        const QPointF at(centre.x() + 97 * std::cos(angle), centre.y() + 97 * std::sin(angle));
        p.setBrush(i % 2 == 0 ? sand : orange);
        p.drawEllipse(at, i % 2 == 0 ? 3.2 : 2.2, i % 2 == 0 ? 3.2 : 2.2);
    }

    // The heart with a lighter highlight.
    const QRectF heartBox(centre.x() - 58, centre.y() - 54, 116, 105);
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawPath(heartPath(heartBox.translated(3, 5)));
    QLinearGradient red(heartBox.topLeft(), heartBox.bottomLeft());
    red.setColorAt(0, QColor(0xEE, 0x84, 0x68));
    red.setColorAt(1, coral.darker(108));
    p.setBrush(red);
    p.drawPath(heartPath(heartBox));
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(255, 255, 255, 150), 6));
    p.drawArc(QRectF(heartBox.left() + 16, heartBox.top() + 14, 40, 40), 100 * 16, 60 * 16);

    // The logo tile, slightly turned, at the heart's lower right.
    p.save();
    p.translate(centre.x() + 43, centre.y() + 38);
    p.rotate(-8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 36));
    p.drawRoundedRect(QRectF(-31, -27, 64, 64), 14, 14);
    drawLogo(p, QRectF(-33, -33, 66, 66), LogoDetail::full);
    p.restore();
}

QImage drawDonatePicture(const DonateTexts& texts)
{
    QImage image = canvas(donateWidth, donateHeight, cream);
    QPainter p(&image);
    setupPainter(p);

    // A band of the tile colour along the top and bottom.
    p.fillRect(QRectF(0, 0, donateWidth, 6), teal);
    p.fillRect(QRectF(0, donateHeight - 6, donateWidth, 6), teal);

    drawDonateIllustration(p);

    const qreal left = donateTextLeft;
    const QFont heading =
        fittingFont(sansFamily, 22, true, {germanDonate.heading, englishDonate.heading}, donateTextWidth);
    drawText(p, heading, slate, left, 54, texts.heading);

    const QFont body = font(sansFamily, 12.5);
    const QStringList lines = wrapText(body, texts.appeal, donateTextWidth);
    if (lines.size() > donateAppealLines) {
        throw std::runtime_error("The donation appeal \"" + texts.heading.toStdString() + "\" needs more than " +
                                 std::to_string(donateAppealLines) + " lines");
    }
    qreal baseline = 86;
    for (const QString& line : lines) {
        drawText(p, body, QColor(0x3D, 0x4F, 0x57), left, baseline, line);
        baseline += 19;
    }

    // A plain note with a small heart. Nothing here may look like a button: the picture is
    // not clickable, the link under it is.
    const qreal pointerIndent = 22;
    const QFont pointerFont = font(sansFamily, 12.5);
    const QStringList pointerLines = wrapText(pointerFont, texts.pointer, donateTextWidth - pointerIndent);
    if (pointerLines.size() > donatePointerLines) {
        throw std::runtime_error("The note \"" + texts.pointer.toStdString() + "\" needs more than " +
                                 std::to_string(donatePointerLines) + " lines");
    }
    p.setPen(Qt::NoPen);
    p.setBrush(coral);
    p.drawPath(heartPath(QRectF(left, 193, 14, 13)));
    baseline = 205;
    for (const QString& line : pointerLines) {
        drawText(p, pointerFont, QColor(0x3D, 0x4F, 0x57), left + pointerIndent, baseline, line);
        baseline += 19;
    }

    drawText(p, font(sansFamily, 12, true), tealDark, left, 256, texts.thanks);
    return image;
}

// ---- button glyphs --------------------------------------------------------------------------

constexpr int glyphSize = 16;

QImage drawSolveGlyph()
{
    // A light bulb: glass, screw base, and two short rays.
    QImage image = canvas(glyphSize, glyphSize);
    QPainter p(&image);
    setupPainter(p);
    QPainterPath glass;
    glass.moveTo(6.0, 11.0);
    glass.cubicTo(6.0, 9.2, 3.5, 8.4, 3.5, 5.8);
    glass.cubicTo(3.5, 3.2, 5.6, 1.5, 8.0, 1.5);
    glass.cubicTo(10.4, 1.5, 12.5, 3.2, 12.5, 5.8);
    glass.cubicTo(12.5, 8.4, 10.0, 9.2, 10.0, 11.0);
    glass.closeSubpath();
    p.setPen(QPen(QColor(0xB8, 0x86, 0x0B), 1.0));
    p.setBrush(QColor(0xFF, 0xD5, 0x4F));
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QPointF(6.6, 4.8), 1.3, 1.3);
    p.setBrush(QColor(0x70, 0x78, 0x80));
    p.drawRoundedRect(QRectF(5.5, 11.5, 5, 2), 0.6, 0.6);
    p.drawRoundedRect(QRectF(6.5, 13.5, 3, 1.6), 0.6, 0.6);
    return image;
}

QImage drawCorrectGlyph()
{
    QImage image = canvas(glyphSize, glyphSize);
    QPainter p(&image);
    setupPainter(p);
    p.setPen(roundPen(QColor(0x1F, 0x6E, 0x36), 3.6));
    p.drawPath(checkPath(QRectF(1.5, 1.8, 13, 13)));
    p.setPen(roundPen(QColor(0x34, 0xA8, 0x53), 2.2));
    p.drawPath(checkPath(QRectF(1.5, 1.8, 13, 13)));
    return image;
}

QImage drawWrongGlyph()
{
    QImage image = canvas(glyphSize, glyphSize);
    QPainter p(&image);
    setupPainter(p);
    for (const auto& [pen, width] :
         {std::pair{QColor(0x9E, 0x1F, 0x1F), 3.6}, std::pair{QColor(0xE0, 0x3E, 0x3E), 2.2}}) {
        p.setPen(roundPen(pen, width));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
    return image;
}

QImage drawClockGlyph()
{
    QImage image = canvas(glyphSize, glyphSize);
    QPainter p(&image);
    setupPainter(p);
    const QPointF centre(8, 8);
    p.setPen(QPen(QColor(0x2B, 0x63, 0xB5), 1.6));
    p.setBrush(QColor(0xF4, 0xF8, 0xFD));
    p.drawEllipse(centre, 6.4, 6.4);
    p.setPen(roundPen(QColor(0x33, 0x3B, 0x44), 1.4));
    p.drawLine(centre, QPointF(8, 4.0));
    p.drawLine(centre, QPointF(10.8, 9.6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x33, 0x3B, 0x44));
    p.drawEllipse(centre, 1.0, 1.0);
    return image;
}

QImage drawHintGlyph()
{
    // A magnifying glass over a line of blanks, the first one shown as a letter's stroke.
    QImage image = canvas(glyphSize, glyphSize);
    QPainter p(&image);
    setupPainter(p);
    p.setPen(roundPen(QColor(0x8A, 0x5A, 0x00), 2.4));
    p.drawLine(QPointF(10.2, 10.2), QPointF(14.0, 14.0));
    p.setPen(QPen(QColor(0x8A, 0x5A, 0x00), 1.5));
    p.setBrush(QColor(0xFF, 0xF3, 0xD0));
    p.drawEllipse(QPointF(6.8, 6.8), 5.0, 5.0);
    p.setPen(roundPen(QColor(0x2B, 0x63, 0xB5), 1.6));
    p.drawLine(QPointF(4.6, 4.4), QPointF(4.6, 8.6));
    p.setPen(roundPen(QColor(0x70, 0x78, 0x80), 1.2));
    p.drawLine(QPointF(4.0, 9.4), QPointF(5.4, 9.4));
    p.drawLine(QPointF(7.0, 9.4), QPointF(8.4, 9.4));
    p.drawLine(QPointF(9.8, 9.4), QPointF(10.2, 9.4));
    return image;
}

// The disabled look: grey, lighter and with less contrast, keeping the shape's transparency.
QImage disabledGlyph(const QImage& glyph)
{
    QImage grey = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            const int level = 140 + qGray(row[x]) * 90 / 255;
            row[x] = qRgba(level, level, level, (alpha * 3 + 3) / 4);
        }
    }
    return grey;
}

// ---- icons ----------------------------------------------------------------------------------

QImage drawIcon(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    setupPainter(p);
    const LogoDetail detail = size <= 16 ? LogoDetail::tiny : (size <= 32 ? LogoDetail::reduced : LogoDetail::full);
    drawLogo(p, QRectF(0, 0, size, size), detail);
    return image;
}

// The full logo as a scalable icon, written as SVG text with the shapes the painter draws.
QByteArray logoSvg()
{
    const auto number = [](qreal value) { return QString::number(value, 'g', 6); };
    const auto opacity = [&](int alpha) { return number(std::round(alpha / 2.55) / 100); };
    const auto rect = [&](const QRectF& r, qreal radius, const QString& paint) {
        return QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>\n")
            .arg(number(r.x()), number(r.y()), number(r.width()), number(r.height()), number(radius), paint);
    };
    const auto line = [&](const QLineF& l) {
        return QStringLiteral("    <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>\n")
            .arg(number(l.x1()), number(l.y1()), number(l.x2()), number(l.y2()));
    };
    const auto circle = [&](qreal radius, const QColor& colour) {
        return QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
            .arg(number(logo::badgeCentre.x()), number(logo::badgeCentre.y()), number(radius), colour.name());
    };

    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" viewBox=\"0 0 100 100\">\n"
        "  <title>Lernwerk</title>\n"
        "  <defs>\n"
        "    <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"100\" gradientUnits=\"userSpaceOnUse\">\n");
    svg += QStringLiteral("      <stop offset=\"0\" stop-color=\"%1\"/>\n").arg(teal.name());
    svg += QStringLiteral("      <stop offset=\"1\" stop-color=\"%1\"/>\n").arg(tealDark.name());
    svg += QStringLiteral("    </linearGradient>\n  </defs>\n");
    svg += rect(logo::tile, logo::tileRadius, QStringLiteral("fill=\"url(#tile)\""));
    svg += rect(logo::card.translated(0, logo::cardShadowDrop), logo::cardRadius,
                QStringLiteral("fill=\"#000000\" fill-opacity=\"%1\"").arg(opacity(logo::cardShadowAlpha)));
    svg += rect(logo::card, logo::cardRadius, QStringLiteral("fill=\"#ffffff\""));
    svg += QStringLiteral(
               "  <g fill=\"none\" stroke=\"%1\" stroke-opacity=\"%2\" stroke-width=\"%3\" "
               "stroke-linecap=\"round\">\n")
               .arg(slate.name(), opacity(logo::inkAlpha), number(logo::fullLine));
    for (const QLineF& text : logo::textLines) {
        svg += line(text);
    }
    svg += QStringLiteral("  </g>\n");
    svg += QStringLiteral("  <g fill=\"none\" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\">\n")
               .arg(orange.name(), number(logo::fullLine * logo::gapLineShare));
    svg += line(logo::gap);
    svg += QStringLiteral("  </g>\n");
    svg += circle(logo::badgeRing, tealDark);
    svg += circle(logo::badgeRadius, sand);
    const QPainterPath check = checkPath(logo::checkBox);
    QStringList points;
    for (int i = 0; i < check.elementCount(); ++i) {
        points.append(number(check.elementAt(i).x) + QLatin1Char(',') + number(check.elementAt(i).y));
    }
    svg += QStringLiteral(
               "  <polyline points=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
               "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n")
               .arg(points.join(QLatin1Char(' ')), slate.name(), number(logo::fullCheckLine));
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

// ---- software icons -------------------------------------------------------------------------

// The maker's sixteen programs, in the order of the software catalogue. Each icon is a tile of
// the program's own colour with a white symbol, drawn like the logo in a 100 x 100 design
// square; at 16 pixels the symbols lose their finer parts. The first icon is the logo itself.
constexpr int softwareIconCount = 16;

QColor softwareTile(int index)
{
    const QColor tiles[softwareIconCount] = {
        teal,                      // Lernwerk (the logo draws its own tile)
        QColor(0x3A, 0x8F, 0x5C),  // household budget
        QColor(0x3D, 0x7E, 0xC9),  // photo shrinker
        slateLight,                // time log
        QColor(0x6D, 0x5B, 0xB5),  // disk space
        QColor(0x45, 0x5A, 0x8F),  // search and replace
        coral,                     // alarm clock
        QColor(0xD9, 0x84, 0x3B),  // recipes
        QColor(0xB2, 0x3A, 0x48),  // password dice
        QColor(0x1F, 0x8A, 0xA8),  // renamer
        slate,                     // colour picker
        QColor(0x8B, 0x5E, 0x3C),  // bookshelf
        QColor(0x2F, 0x9E, 0x7A),  // unit converter
        QColor(0x4A, 0x6F, 0x8A),  // calendar
        QColor(0x3B, 0x44, 0x4F),  // typing trainer
        QColor(0x5B, 0x8D, 0xA6),  // sticky notes
    };
    return tiles[index];
}

const QColor iconInk(0x33, 0x3B, 0x44);
const QColor iconPaper(0xFF, 0xFF, 0xFF);

void drawCoins(QPainter& p, bool tiny)
{
    // Three coins stacked, seen from the side, and one lying on top.
    const QColor gold = sand;
    const QColor edge = QColor(0xB8, 0x86, 0x0B);
    const int layers = tiny ? 2 : 3;
    const qreal height = tiny ? 20 : 13;
    for (int i = layers - 1; i >= 0; --i) {
        const qreal top = 46 + i * height;
        p.setPen(tiny ? Qt::NoPen : QPen(edge, 2.5));
        p.setBrush(edge);
        p.drawRoundedRect(QRectF(22, top, 56, height + 12), 28, 10);
        p.setBrush(gold);
        p.drawEllipse(QRectF(22, top - 2, 56, 22));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawEllipse(QRectF(22, 22, 56, 40));
    p.setBrush(QColor(0xF6, 0xDA, 0x8E));
    p.drawEllipse(QRectF(32, 29, 36, 25));
    if (!tiny) {
        p.setPen(roundPen(edge, 5));
        p.drawLine(QPointF(50, 34), QPointF(50, 49));
    }
}

void drawPhoto(QPainter& p, bool tiny)
{
    // A photo in front of the outline of its larger original.
    const QRectF card = tiny ? QRectF(12, 20, 76, 60) : QRectF(14, 32, 58, 48);
    p.setBrush(Qt::NoBrush);
    if (!tiny) {
        QPen outline(QColor(255, 255, 255, 150), 3.5, Qt::DashLine);
        outline.setDashPattern({2.0, 1.6});
        p.setPen(outline);
        p.drawRoundedRect(QRectF(20, 18, 66, 58), 5, 5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(card.translated(0, 3), 6, 6);
    p.setBrush(iconPaper);
    p.drawRoundedRect(card, 6, 6);
    const qreal inset = tiny ? 9 : 6;
    const QRectF sky = card.adjusted(inset, inset, -inset, -inset);
    p.setBrush(QColor(0xBF, 0xDD, 0xF5));
    p.drawRect(sky);
    p.setBrush(sand);
    p.drawEllipse(QPointF(sky.right() - sky.width() * 0.25, sky.top() + sky.height() * 0.3), sky.height() * 0.17,
                  sky.height() * 0.17);
    QPainterPath hills;
    hills.moveTo(sky.bottomLeft());
    hills.lineTo(sky.left() + sky.width() * 0.35, sky.top() + sky.height() * 0.35);
    hills.lineTo(sky.left() + sky.width() * 0.62, sky.top() + sky.height() * 0.72);
    hills.lineTo(sky.left() + sky.width() * 0.75, sky.top() + sky.height() * 0.55);
    hills.lineTo(sky.bottomRight());
    hills.closeSubpath();
    p.setBrush(QColor(0x3A, 0x8F, 0x5C));
    p.drawPath(hills);
}

void drawStopwatch(QPainter& p, bool tiny)
{
    const QPointF centre(50, 56);
    const qreal radius = tiny ? 32 : 29;
    p.setPen(Qt::NoPen);
    p.setBrush(iconPaper);
    p.drawRoundedRect(QRectF(42, tiny ? 12 : 13, 16, 14), 3, 3);
    if (!tiny) {
        p.save();
        p.translate(centre);
        p.rotate(45);
        p.drawRoundedRect(QRectF(-5, -radius - 10, 10, 10), 2, 2);
        p.restore();
    }
    p.drawEllipse(centre, radius, radius);
    if (tiny) {
        p.setPen(roundPen(iconInk, 9));
        p.drawLine(centre, QPointF(centre.x(), centre.y() - radius * 0.6));
        p.drawLine(centre, QPointF(centre.x() + radius * 0.5, centre.y()));
        return;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(slate, 3));
    p.drawEllipse(centre, radius - 7, radius - 7);
    p.setPen(roundPen(orange, 6));
    p.drawLine(centre, QPointF(centre.x() + radius * 0.45, centre.y() - radius * 0.55));
    p.setPen(roundPen(iconInk, 6));
    p.drawLine(centre, QPointF(centre.x(), centre.y() - radius * 0.6));
}

void drawPieChart(QPainter& p, bool tiny)
{
    const QRectF disc(18, 18, 64, 64);
    if (tiny)
        p.setPen(Qt::NoPen);
    else
        p.setPen(QPen(softwareTile(4), 3));
    p.setBrush(iconPaper);
    p.drawPie(disc, 200 * 16, 130 * 16);
    p.setBrush(sand);
    p.drawPie(disc, 90 * 16, -130 * 16);
    // The largest slice, what fills the disk most, pulled out along its middle.
    const qreal middle = 145 * std::numbers::pi / 180.0;
    const qreal pull = tiny ? 6 : 5;
    p.setBrush(coral);
    const QPointF offset(pull * std::cos(middle), -pull * std::sin(middle));
    p.drawPie(disc.translated(offset), 90 * 16, 110 * 16);
}

// A four-pointed sparkle around `centre`.
QPainterPath sparklePath(const QPointF& centre, qreal radius)
{
    QPainterPath path;
    const qreal waist = radius * 0.28;
    path.moveTo(centre.x(), centre.y() - radius);
    path.quadTo(centre.x() + waist, centre.y() - waist, centre.x() + radius, centre.y());
    path.quadTo(centre.x() + waist, centre.y() + waist, centre.x(), centre.y() + radius);
    path.quadTo(centre.x() - waist, centre.y() + waist, centre.x() - radius, centre.y());
    path.quadTo(centre.x() - waist, centre.y() - waist, centre.x(), centre.y() - radius);
    path.closeSubpath();
    return path;
}

void drawPolishedText(QPainter& p, bool tiny)
{
    const QRectF page = tiny ? QRectF(16, 14, 56, 72) : QRectF(18, 14, 52, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(iconPaper);
    p.drawRoundedRect(page, 5, 5);
    p.setPen(roundPen(QColor(0x9A, 0xA8, 0xC4), tiny ? 9 : 5));
    const int lines = tiny ? 3 : 5;
    for (int i = 0; i < lines; ++i) {
        const qreal y = page.top() + (tiny ? 18 : 14) + i * (tiny ? 18 : 11);
        const qreal right = page.right() - (i % 2 == 0 ? 12 : 20);
        p.drawLine(QPointF(page.left() + 11, y), QPointF(right, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(sand);
    p.drawPath(sparklePath(QPointF(72, 68), tiny ? 22 : 20));
    if (!tiny)
        p.drawPath(sparklePath(QPointF(84, 40), 9));
}

void drawBell(QPainter& p, bool tiny)
{
    QPainterPath bell;
    bell.moveTo(50, 18);
    bell.cubicTo(31, 18, 28, 34, 28, 48);
    bell.cubicTo(28, 62, 22, 68, 17, 72);
    bell.lineTo(83, 72);
    bell.cubicTo(78, 68, 72, 62, 72, 48);
    bell.cubicTo(72, 34, 69, 18, 50, 18);
    bell.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(iconPaper);
    p.drawPath(bell);
    p.drawEllipse(QPointF(50, 16), 6, 6);
    p.drawEllipse(QPointF(50, 79), tiny ? 10 : 8, tiny ? 10 : 8);
    if (!tiny) {
        // Sound waves at both sides.
        p.setPen(roundPen(iconPaper, 4.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 26, 30, 40), 120 * 16, 120 * 16);
        p.drawArc(QRectF(66, 26, 30, 40), -60 * 16, 120 * 16);
    }
}

void drawPot(QPainter& p, bool tiny)
{
    p.setPen(Qt::NoPen);
    p.setBrush(iconPaper);
    p.drawRoundedRect(tiny ? QRectF(18, 44, 64, 40) : QRectF(22, 46, 56, 36), 10, 10);
    p.drawRoundedRect(tiny ? QRectF(12, 40, 76, 12) : QRectF(16, 42, 68, 9), 4, 4);
    p.drawRoundedRect(QRectF(44, tiny ? 32 : 35, 12, 9), 3, 3);
    if (!tiny) {
        // Handles and steam.
        p.drawRoundedRect(QRectF(9, 52, 15, 7), 3, 3);
        p.drawRoundedRect(QRectF(76, 52, 15, 7), 3, 3);
        p.setPen(roundPen(QColor(255, 255, 255, 210), 4));
        p.setBrush(Qt::NoBrush);
        for (const qreal x : {36.0, 50.0, 64.0}) {
            QPainterPath steam;
            steam.moveTo(x, 30);
            steam.cubicTo(x - 6, 25, x + 6, 20, x, 13);
            p.drawPath(steam);
        }
    }
}

void drawDie(QPainter& p, bool tiny)
{
    const QRectF face = tiny ? QRectF(16, 16, 68, 68) : QRectF(20, 20, 60, 60);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(face.translated(0, 4), 13, 13);
    p.setBrush(iconPaper);
    p.drawRoundedRect(face, 13, 13);
    p.setBrush(softwareTile(8).darker(130));
    const qreal inset = face.width() * 0.26;
    const QPointF centre = face.center();
    const QPointF topLeft(face.left() + inset, face.top() + inset);
    const QPointF bottomRight(face.right() - inset, face.bottom() - inset);
    if (tiny) {
        // Three pips read better than five at this size.
        for (const QPointF& dot : {topLeft, centre, bottomRight})
            p.drawEllipse(dot, 9, 9);
        return;
    }
    const QPointF pips[] = {topLeft,
                            {face.right() - inset, face.top() + inset},
                            centre,
                            {face.left() + inset, face.bottom() - inset},
                            bottomRight};
    for (const QPointF& dot : pips)
        p.drawEllipse(dot, 6.5, 6.5);
}

void drawTag(QPainter& p, bool tiny)
{
    p.save();
    p.translate(50, 50);
    p.rotate(-35);
    QPainterPath tag;
    const qreal h = tiny ? 26 : 22;
    tag.moveTo(-38, -h + 6);
    tag.quadTo(-38, -h, -32, -h);
    tag.lineTo(18, -h);
    tag.lineTo(40, 0);
    tag.lineTo(18, h);
    tag.lineTo(-32, h);
    tag.quadTo(-38, h, -38, h - 6);
    tag.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(20, 0), tiny ? 6 : 6, tiny ? 6 : 6);
    p.setPen(Qt::NoPen);
    p.setBrush(iconPaper);
    p.drawPath(tag.subtracted(hole));
    if (!tiny) {
        p.setPen(roundPen(softwareTile(9), 5));
        p.drawLine(QPointF(-26, -6), QPointF(2, -6));
        p.drawLine(QPointF(-26, 7), QPointF(-8, 7));
    }
    p.restore();
}

void drawColourCircles(QPainter& p, bool tiny)
{
    const qreal r = tiny ? 23 : 21;
    p.setPen(Qt::NoPen);
    const std::pair<QPointF, QColor> circles[] = {
        {QPointF(38, 38), QColor(coral.red(), coral.green(), coral.blue(), 235)},
        {QPointF(62, 38), QColor(sand.red(), sand.green(), sand.blue(), 225)},
        {QPointF(50, 60), QColor(0x4F, 0xB3, 0xA6, 225)},
    };
    for (const auto& [centre, colour] : circles) {
        p.setBrush(colour);
        p.drawEllipse(centre, r, r);
    }
}

void drawBooks(QPainter& p, bool tiny)
{
    p.setPen(Qt::NoPen);
    struct Book {
        QRectF spine;
        QColor colour;
    };
    const Book books[] = {
        {QRectF(18, 24, 18, 56), iconPaper},
        {QRectF(39, 16, 18, 64), sand},
        {QRectF(60, 30, 16, 50), QColor(0xF2, 0x9C, 0x84)},
    };
    for (const Book& book : books) {
        p.setBrush(book.colour);
        p.drawRoundedRect(book.spine, 3, 3);
        if (!tiny) {
            p.setBrush(QColor(0, 0, 0, 45));
            const qreal left = book.spine.left() + 3;
            const qreal width = book.spine.width() - 6;
            p.drawRect(QRectF(left, book.spine.top() + 8, width, 4));
            p.drawRect(QRectF(left, book.spine.bottom() - 12, width, 4));
        }
    }
    if (!tiny) {
        // A fourth book leaning against the others.
        p.save();
        p.translate(80, 80);
        p.rotate(-16);
        p.setBrush(iconPaper);
        p.drawRoundedRect(QRectF(0, -48, 12, 48), 3, 3);
        p.restore();
    }
    p.setBrush(QColor(0x5A, 0x3B, 0x24));
    p.drawRoundedRect(QRectF(12, 80, 76, tiny ? 10 : 7), 2, 2);
}

void drawRuler(QPainter& p, bool tiny)
{
    p.save();
    p.translate(50, 50);
    p.rotate(-40);
    const qreal h = tiny ? 28 : 24;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(-42, -h / 2 + 3, 84, h), 5, 5);
    p.setBrush(iconPaper);
    p.drawRoundedRect(QRectF(-42, -h / 2, 84, h), 5, 5);
    p.setPen(roundPen(softwareTile(12).darker(140), tiny ? 7 : 3.5));
    const int ticks = tiny ? 3 : 7;
    const qreal spacing = tiny ? 24 : 11;
    for (int i = 0; i < ticks; ++i) {
        const qreal x = -(ticks - 1) * spacing / 2 + i * spacing;
        const qreal length = (i % 2 == 0) ? h * 0.5 : h * 0.3;
        p.drawLine(QPointF(x, -h / 2 + 1), QPointF(x, -h / 2 + length));
    }
    p.restore();
}

void drawCalendar(QPainter& p, bool tiny)
{
    const QRectF sheet = tiny ? QRectF(14, 18, 72, 68) : QRectF(18, 20, 64, 62);
    p.setPen(Qt::NoPen);
    p.setBrush(iconPaper);
    p.drawRoundedRect(sheet, 7, 7);
    // The red header band.
    QPainterPath header;
    header.addRoundedRect(sheet, 7, 7);
    QPainterPath band;
    band.addRect(QRectF(sheet.left(), sheet.top(), sheet.width(), tiny ? 22 : 18));
    p.setBrush(coral);
    p.drawPath(header.intersected(band));
    if (tiny) {
        p.setBrush(softwareTile(13));
        p.drawRect(QRectF(30, 52, 16, 14));
        return;
    }
    // Rings and a grid of days, one of them marked.
    p.setBrush(slate);
    p.drawRoundedRect(QRectF(32, 14, 6, 13), 3, 3);
    p.drawRoundedRect(QRectF(62, 14, 6, 13), 3, 3);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.setBrush(row == 1 && col == 2 ? coral : QColor(0xB4, 0xC3, 0xCF));
            p.drawRoundedRect(QRectF(26 + col * 13, 46 + row * 11, 9, 7), 1.5, 1.5);
        }
    }
}

void drawKeys(QPainter& p, bool tiny)
{
    p.setPen(Qt::NoPen);
    if (tiny) {
        p.setBrush(iconPaper);
        p.drawRoundedRect(QRectF(14, 24, 72, 52), 8, 8);
        p.setBrush(softwareTile(14));
        p.drawRect(QRectF(26, 36, 12, 10));
        p.drawRect(QRectF(44, 36, 12, 10));
        p.drawRect(QRectF(62, 36, 12, 10));
        p.setBrush(orange);
        p.drawRect(QRectF(30, 54, 40, 10));
        return;
    }
    // Two rows of key caps and a space bar; the home key is marked.
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF key(18 + col * 22 + row * 6, 22 + row * 22, 18, 18);
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawRoundedRect(key.translated(0, 2.5), 4, 4);
            p.setBrush(row == 1 && col == 0 ? orange : iconPaper);
            p.drawRoundedRect(key, 4, 4);
        }
    }
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(QRectF(24, 68.5, 52, 14), 4, 4);
    p.setBrush(iconPaper);
    p.drawRoundedRect(QRectF(24, 66, 52, 14), 4, 4);
}

void drawStickyNote(QPainter& p, bool tiny)
{
    const QColor yellow(0xF7, 0xD9, 0x5C);
    const QRectF note = tiny ? QRectF(16, 16, 68, 68) : QRectF(20, 18, 60, 62);
    const qreal fold = tiny ? 20 : 16;
    QPainterPath paper;
    paper.moveTo(note.topLeft());
    paper.lineTo(note.topRight());
    paper.lineTo(note.right(), note.bottom() - fold);
    paper.lineTo(note.right() - fold, note.bottom());
    paper.lineTo(note.bottomLeft());
    paper.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawPath(paper.translated(2, 4));
    p.setBrush(yellow);
    p.drawPath(paper);
    QPainterPath corner;
    corner.moveTo(note.right(), note.bottom() - fold);
    corner.lineTo(note.right() - fold, note.bottom() - fold);
    corner.lineTo(note.right() - fold, note.bottom());
    corner.closeSubpath();
    p.setBrush(yellow.darker(125));
    p.drawPath(corner);
    if (!tiny) {
        p.setPen(roundPen(QColor(0x8A, 0x6D, 0x1A), 4.5));
        p.drawLine(QPointF(30, 36), QPointF(70, 36));
        p.drawLine(QPointF(30, 49), QPointF(66, 49));
        p.drawLine(QPointF(30, 62), QPointF(52, 62));
    }
}

void drawSoftwareSymbol(QPainter& p, int index, bool tiny)
{
    using Symbol = void (*)(QPainter&, bool);
    // Icon 0 is the logo, which brings its own tile.
    const Symbol symbols[softwareIconCount] = {
        nullptr, drawCoins, drawPhoto,         drawStopwatch, drawPieChart, drawPolishedText, drawBell, drawPot,
        drawDie, drawTag,   drawColourCircles, drawBooks,     drawRuler,    drawCalendar,     drawKeys, drawStickyNote,
    };
    symbols[index](p, tiny);
}

QImage drawSoftwareIcon(int index, int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    setupPainter(p);
    const bool tiny = size <= 16;
    if (index == 0) {
        drawLogo(p, QRectF(0, 0, size, size), tiny ? LogoDetail::tiny : LogoDetail::full);
        return image;
    }
    p.scale(size / 100.0, size / 100.0);
    p.setPen(Qt::NoPen);
    QLinearGradient tile(0, 0, 0, 100);
    tile.setColorAt(0, softwareTile(index));
    tile.setColorAt(1, softwareTile(index).darker(118));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 96, 96), tiny ? 16 : 22, tiny ? 16 : 22);
    drawSoftwareSymbol(p, index, tiny);
    return image;
}

// ---- writing --------------------------------------------------------------------------------

class Writer {
public:
    explicit Writer(const QString& folder) : root_(folder) {}

    void jpeg(const QString& name, const QImage& image)
    {
        QImageWriter writer(prepare(name), "jpeg");
        writer.setQuality(jpegQuality);
        writer.setOptimizedWrite(true);
        if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
            fail(name, writer.errorString());
        }
        report(name, image);
    }

    void text(const QString& name, const QByteArray& bytes)
    {
        QFile file(prepare(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
            !file.flush()) {
            fail(name, file.errorString());
        }
        std::printf("%-30s %5lld bytes\n", qPrintable(name), static_cast<long long>(bytes.size()));
    }

    void png(const QString& name, const QImage& image)
    {
        if (!image.save(prepare(name), "PNG")) {
            fail(name, QStringLiteral("the PNG writer refused it"));
        }
        report(name, image);
    }

private:
    QString prepare(const QString& name)
    {
        const QString path = root_.filePath(name);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            fail(name, QStringLiteral("its folder cannot be made"));
        }
        return path;
    }

    [[noreturn]] void fail(const QString& name, const QString& why) const
    {
        throw std::runtime_error("Cannot write " + root_.filePath(name).toStdString() + ": " + why.toStdString());
    }

    void report(const QString& name, const QImage& image) const
    {
        std::printf("%-30s %3d x %3d\n", qPrintable(name), image.width(), image.height());
    }

    QDir root_;
};

void drawAll(Writer& out)
{
    const QImage germanStartScreen = drawStartScreen(germanStart);
    const QImage englishStartScreen = drawStartScreen(englishStart);
    checkStartScreenParts(germanStartScreen, englishStartScreen);
    out.jpeg(QStringLiteral("pictures/start_de.jpg"), germanStartScreen);
    out.jpeg(QStringLiteral("pictures/start_en.jpg"), englishStartScreen.copy(englishPart));

    out.jpeg(QStringLiteral("pictures/donate_de.jpg"), drawDonatePicture(germanDonate));
    out.jpeg(QStringLiteral("pictures/donate_en.jpg"), drawDonatePicture(englishDonate));

    out.png(QStringLiteral("icons/lernwerk.png"), drawIcon(48));
    out.png(QStringLiteral("icons/lernwerk_32.png"), drawIcon(32));
    out.png(QStringLiteral("icons/lernwerk_16.png"), drawIcon(16));
    // The desktop's icon theme takes the 48-pixel icon above and these.
    out.png(QStringLiteral("icons/lernwerk_128.png"), drawIcon(128));
    out.png(QStringLiteral("icons/lernwerk_256.png"), drawIcon(256));
    out.text(QStringLiteral("icons/lernwerk.svg"), logoSvg());

    struct Glyph {
        const char* name;
        QImage image;
    };
    const Glyph glyphs[] = {{"solve", drawSolveGlyph()},
                            {"hint", drawHintGlyph()},
                            {"correct", drawCorrectGlyph()},
                            {"wrong", drawWrongGlyph()},
                            {"clock", drawClockGlyph()}};
    for (const Glyph& g : glyphs) {
        const QString base = QStringLiteral("glyphs/") + QString::fromLatin1(g.name);
        out.png(base + QStringLiteral(".png"), g.image);
        out.png(base + QStringLiteral("_disabled.png"), disabledGlyph(g.image));
    }

    for (int i = 0; i < softwareIconCount; ++i) {
        const QString base = QStringLiteral("softwareicons/%1").arg(i);
        out.png(base + QStringLiteral(".png"), drawSoftwareIcon(i, 16));
        out.png(base + QStringLiteral("_36.png"), drawSoftwareIcon(i, 36));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    // Drawing needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    if (argc > 2) {
        std::fprintf(stderr, "Usage: draw_pictures [resources-folder]\n");
        return 2;
    }
    const QString folder = argc == 2 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(LERNWERK_RESOURCE_DIR);

    try {
        requireFonts();
        Writer out(folder);
        drawAll(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "draw_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
