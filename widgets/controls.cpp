#include "widgets/controls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/accessibility_hub.h"
#include "widgets/classic_faces.h"
#include "widgets/text_field.h"

namespace lernwerk {

QFont programFont() { return classicFont(QStringLiteral("Tahoma"), 11); }

namespace {

constexpr int kHeadingPixels = 16;
constexpr QRgb kHeadingGrey = 0x3A3A3A;

}  // namespace

QLabel* makeHeading(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(classicFont(QStringLiteral("MS Sans Serif"), kHeadingPixels));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(kHeadingGrey));
    label->setPalette(palette);
    label->setFixedHeight(22);
    return label;
}

QPlainTextEdit* makeMemo(QWidget* parent, const char* name)
{
    installAccessibilityHub();
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    keepLinesWhole(*memo);
    // Tab walks on to the next control, as in every other control of a page;
    // a tab character still comes in by paste or with a loaded list.
    memo->setTabChangesFocus(true);
    return memo;
}

QPushButton* makeButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void makeReadable(QLabel* label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace lernwerk
