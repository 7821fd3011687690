#include "dialogs/font_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

#include "lang/font_dialog_texts.h"

namespace lernwerk {

namespace {

// The sixteen colours of the classic palette, in the order of their names in
// the texts of the font dialog.
constexpr QRgb kColors[] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
static_assert(std::size(kColors) == kFontDialogColors);

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
    // Return in its lists and fields confirms this dialog: the chooser would
    // take it from the face and style lists for itself and hide, as with
    // Escape. Installed after the chooser's own filters, these come first.
    for (QWidget* field : fonts_->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractItemView*>(field) || qobject_cast<QLineEdit*>(field))
            field->installEventFilter(this);
    }
    // The chooser's grid lines up with the colour row and the buttons below
    // it; the room it keeps for its own (absent) buttons goes.
    fonts_->layout()->setContentsMargins(0, 0, 0, 0);
    if (auto* grid = qobject_cast<QGridLayout*>(fonts_->layout()))
        dropRowsBelowContent(*grid);

    colors_ = new QComboBox(this);
    colors_->setObjectName(QStringLiteral("fontColor"));
    // As wide as the colour names of the language in use.
    colors_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const QRgb color : kColors)
        colors_->addItem(swatch(QColor(color)), QString(), QColor(color));
    auto* colorRow = new QHBoxLayout;
    colorLabel_ = new QLabel(this);
    colorLabel_->setBuddy(colors_);
    colorRow->addWidget(colorLabel_);
    colorRow->addWidget(colors_);
    colorRow->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    // A box is heard with what it holds.
    QList<QComboBox*> boxes = fonts_->findChildren<QComboBox*>();
    boxes << colors_;
    for (QComboBox* box : boxes)
        connect(box, &QComboBox::currentIndexChanged, this, [this] { nameControls(); });
    retranslate(Language::English);
}

// Each field and list of the chooser is named by the label above it, and
// each box by its label and the value it holds: a screen reader reads the
// labels with nothing, and a box without its value.
void FontDialog::nameControls()
{
    const auto withoutAccessKey = [](QString text) {
        return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    };
    // The label at the top of each column names its field and list.
    QHash<int, std::pair<int, QString>> columnNames;
    auto* grid = qobject_cast<QGridLayout*>(fonts_->layout());
    // The row and column of the grid's item `i`.
    const auto cellOf = [grid](int i) {
        int row = 0;
        int column = 0;
        int rowSpan = 0;
        int columnSpan = 0;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        return std::pair{row, column};
    };
    for (int i = 0; grid && i < grid->count(); ++i) {
        auto* label = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
        if (!label || !label->buddy())
            continue;
        const auto [row, column] = cellOf(i);
        if (!columnNames.contains(column) || columnNames.value(column).first > row)
            columnNames.insert(column, {row, withoutAccessKey(label->text())});
        label->buddy()->setAccessibleName(withoutAccessKey(label->text()));
    }
    for (int i = 0; grid && i < grid->count(); ++i) {
        auto* list = qobject_cast<QAbstractItemView*>(grid->itemAt(i)->widget());
        if (!list)
            continue;
        list->setAccessibleName(columnNames.value(cellOf(i).second).second);
    }
    // A box is named by its label through the label's buddy; its value goes
    // into its description, which a screen reader says after the name.
    for (QComboBox* box : fonts_->findChildren<QComboBox*>())
        box->setAccessibleDescription(box->currentText());
    colors_->setAccessibleDescription(colors_->currentText());
}

void FontDialog::retranslate(Language language)
{
    // The title and the chooser's own words come from the toolkit's
    // translation of the interface language, which the language switch
    // installs; the colour row from the program's texts.
    setWindowTitle(QFontDialog::tr("Select Font"));
    // The chooser renews its own labels when the language changes, but not
    // the names in its list of writing systems, which follows the order of
    // the writing systems.
    if (auto* writingSystems = fonts_->findChild<QComboBox*>()) {
        for (int i = 0; i < writingSystems->count() && i < QFontDatabase::WritingSystemsCount; ++i)
            writingSystems->setItemText(i, QFontDatabase::writingSystemName(QFontDatabase::WritingSystem(i)));
    }
    const FontDialogTexts& texts = fontDialogTexts();
    colorLabel_->setText(texts.colorLabel.in(language));
    for (int i = 0; i < kFontDialogColors; ++i)
        colors_->setItemText(i, texts.colorNames[static_cast<std::size_t>(i)].in(language));
    nameControls();
    // The hidden dialog lays its rows out anew for the names' width.
    layout()->invalidate();
    layout()->activate();
}

bool FontDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == fonts_ && key->matches(QKeySequence::Cancel)) {
            reject();
            return true;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QFont FontDialog::currentFont() const { return fonts_->currentFont(); }

bool FontDialog::choose(Language language)
{
    retranslate(language);
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

}  // namespace lernwerk
