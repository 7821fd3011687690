#include "lang/font_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>

namespace lernwerk {

namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

// The sixteen colours of the classic palette.
constexpr NamedColor kColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x800000},  {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},   {"Purple", 0x800080},  {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},     {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF},  {"White", 0xFFFFFF},
};

constexpr int kSwatchSize = 12;

QIcon swatch(QColor color)
{
    QPixmap picture(kSwatchSize, kSwatchSize);
    picture.fill(color);
    QPainter frame(&picture);
    frame.setPen(Qt::darkGray);
    frame.drawRect(0, 0, kSwatchSize - 1, kSwatchSize - 1);
    return QIcon(picture);
}

// Rows below the last shown control keep no minimum height.
void dropRowsBelowContent(QGridLayout& grid)
{
    int lastRow = -1;
    for (int i = 0; i < grid.count(); ++i) {
        const QWidget* widget = grid.itemAt(i)->widget();
        if (widget && widget->isHidden())
            continue;
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        grid.getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        lastRow = std::max(lastRow, row + rowSpan - 1);
    }
    for (int row = lastRow + 1; row < grid.rowCount(); ++row)
        grid.setRowMinimumHeight(row, 0);
}

}  // namespace

FontDialog::FontDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fd"));
    setModal(true);

    // The toolkit's font chooser, shown inside this dialog without its own buttons.
    fonts_ = new QFontDialog(this);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setSizeGripEnabled(false);
    // Escape anywhere in the chooser cancels this whole dialog: left to
    // itself, the chooser would hide and leave this dialog without its list.
    fonts_->installEventFilter(this);
    // The chooser's grid lines up with the colour row and the buttons below
    // it; the room it keeps for its own (absent) buttons goes.
    fonts_->layout()->setContentsMargins(0, 0, 0, 0);
    if (auto* grid = qobject_cast<QGridLayout*>(fonts_->layout()))
        dropRowsBelowContent(*grid);

    colors_ = new QComboBox(this);
    colors_->setObjectName(QStringLiteral("fontColor"));
    for (const NamedColor& color : kColors)
        colors_->addItem(swatch(QColor(color.rgb)), QString::fromLatin1(color.name), QColor(color.rgb));
    auto* colorRow = new QHBoxLayout;
    auto* colorLabel = new QLabel(QStringLiteral("&Color:"), this);
    colorLabel->setBuddy(colors_);
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(colors_);
    colorRow->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    setWindowTitle(fonts_->windowTitle());
}

bool FontDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fonts_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QFont FontDialog::currentFont() const { return fonts_->currentFont(); }

bool FontDialog::choose()
{
    display(chosenFont_, chosenColor_);
    fonts_->setVisible(true);
    if (exec() != QDialog::Accepted)
        return false;
    chosenFont_ = currentFont();
    chosenColor_ = currentColor();
    return true;
}

void FontDialog::setChoice(const QFont& font, const QColor& color)
{
    chosenFont_ = font;
    chosenColor_ = color;
    display(font, color);
}

QColor FontDialog::currentColor() const { return colors_->currentData().value<QColor>(); }

void FontDialog::display(const QFont& font, const QColor& color)
{
    // The chooser lists installed faces only; a face asked for by name (such
    // as "MS Sans Serif") shows as the face that stands in for it.
    QFont installed = font;
    installed.setFamily(QFontInfo(font).family());
    fonts_->setCurrentFont(installed);
    const int index = colors_->findData(color);
    if (index >= 0) {
        colors_->setCurrentIndex(index);
        return;
    }
    // A colour outside the palette, such as the system's text colour.
    colors_->addItem(swatch(color), color.name(), color);
    colors_->setCurrentIndex(colors_->count() - 1);
}

ColorDialog::ColorDialog(const QColor& initial, QWidget* parent) : QColorDialog(initial, parent), chosenColor_(initial)
{
    setObjectName(QStringLiteral("cd"));
    setOption(QColorDialog::DontUseNativeDialog);
}

bool ColorDialog::choose()
{
    setCurrentColor(chosenColor_);
    if (exec() != QDialog::Accepted)
        return false;
    chosenColor_ = selectedColor();
    return true;
}

}  // namespace lernwerk
