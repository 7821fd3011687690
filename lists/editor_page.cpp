#include "lists/editor_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <iterator>

#include "lang/editor_texts.h"
#include "lang/lists_texts.h"
#include "lang/speech_texts.h"
#include "lists/editor_rules.h"
#include "textfile/encodings.h"
#include "textfile/text_lines.h"
#include "widgets/controls.h"
#include "widgets/error_reporter.h"
#include "widgets/speaker.h"
#include "widgets/text_field.h"

namespace lernwerk {

namespace {

constexpr int kMargin = 8;
constexpr int kGroupTop = 70;
constexpr int kGroupGap = 79;        // top of the output group = its height + this
constexpr int kEditorReserve = 194;  // page height the two groups leave to the rest
constexpr int kGroupButtonWidth = 110;
constexpr int kButtonHeight = 25;
constexpr int kGroupButtonGap = 6;
constexpr int kGroupInnerTop = 20;  // field and buttons inside a group, below its title
constexpr int kGroupInnerBottom = 8;
constexpr int kSettingsHeight = 72;

QPlainTextEdit* makeEditorField(QWidget* group, const char* name)
{
    auto* field = makeMemo(group, name);
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return field;
}

}  // namespace

EditorPage::EditorPage(ErrorReporter& errors, Speaker& speaker, QWidget* parent)
    : QWidget(parent),
      errors_(errors),
      speaker_(speaker),
      od2(this, {.name = "od2", .filter = kEditorInputFilter, .save = false, .defaultSuffix = {}, .offeredFile = {}}),
      sd1(this, {.name = "sd1",
                 .filter = kQuestionListFilter,
                 .save = true,
                 .defaultSuffix = QStringLiteral("txt"),
                 .offeredFile = kEditorOfferedFile})
{
    setObjectName(QStringLiteral("editor"));

    Label1 = makeHeading(this, "Label1");
    Label1->move(kMargin + 8, 8);
    StaticText6 = new QLabel(this);
    StaticText6->setObjectName(QStringLiteral("StaticText6"));
    StaticText6->setWordWrap(true);
    StaticText6->setGeometry(kMargin + 8, 34, 600, 30);

    gb1 = new QGroupBox(this);
    gb1->setObjectName(QStringLiteral("gb1"));
    m1 = makeEditorField(gb1, "m1");
    gb2 = new QGroupBox(this);
    gb2->setObjectName(QStringLiteral("gb2"));
    m2 = makeEditorField(gb2, "m2");

    Button9 = addButton(gb1, "Button9", &EditorPage::loadInput);
    Button8 = addButton(gb1, "Button8", &EditorPage::clearInput);
    Button11 = addButton(gb2, "Button11", &EditorPage::saveOutput);
    Button10 = addButton(gb2, "Button10", &EditorPage::clearOutput);
    Button13 = addButton(gb2, "Button13", &EditorPage::handOverList);

    GroupBox3 = new QGroupBox(this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    cbt1 = new QCheckBox(GroupBox3);
    cbt1->setObjectName(QStringLiteral("cbt1"));
    cbt1->setChecked(true);
    cbt2 = new QCheckBox(GroupBox3);
    cbt2->setObjectName(QStringLiteral("cbt2"));
    cbt2->setChecked(true);
    Button7 = addButton(this, "Button7", &EditorPage::buildList);
    Button12 = addButton(this, "Button12", &EditorPage::closeEditor);
    buildResult = new QLabel(this);
    buildResult->setObjectName(QStringLiteral("buildResult"));
    buildResult->setWordWrap(true);
    buildResult->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Tab walks each group's field, then its buttons; then the settings and
    // the page's own buttons.
    QWidget* const order[] = {m1, Button9, Button8, m2, Button11, Button10, Button13, cbt1, cbt2, Button7, Button12};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QPushButton* EditorPage::addButton(QWidget* parent, const char* name, void (EditorPage::*handler)())
{
    auto* button = makeButton(parent, name);
    connectGuarded(button, &QPushButton::clicked, this, errors_, handler);
    return button;
}

void EditorPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutFor(width(), height());
}

void EditorPage::layoutFor(int width, int height)
{
    const int b = (height - kEditorReserve) / 2;
    const int groupWidth = std::max(0, width - 2 * kMargin);
    gb1->setGeometry(kMargin, kGroupTop, groupWidth, b);
    gb2->setGeometry(kMargin, b + kGroupGap, groupWidth, b);

    // Inside each group: the field on the left, its buttons on the right in
    // a column, or in as many columns as low groups need to show them whole.
    // Both groups take the same number of columns, so that their fields line up.
    const struct {
        QPlainTextEdit* field;
        QList<QPushButton*> buttons;
    } groups[] = {{m1, {Button9, Button8}}, {m2, {Button11, Button10, Button13}}};
    const int innerHeight = b - kGroupInnerTop - kGroupInnerBottom;
    const int rows = std::max(1, (innerHeight + kGroupButtonGap) / (kButtonHeight + kGroupButtonGap));
    int mostButtons = 0;
    for (const auto& group : groups)
        mostButtons = std::max(mostButtons, static_cast<int>(group.buttons.size()));
    const int columns = (mostButtons + rows - 1) / rows;
    const int columnsWidth = columns * kGroupButtonWidth + (columns - 1) * kGroupButtonGap;
    const int fieldWidth = std::max(0, groupWidth - columnsWidth - 3 * kMargin);
    const int left = groupWidth - kMargin - columnsWidth;
    for (const auto& group : groups) {
        group.field->setGeometry(kMargin, kGroupInnerTop, fieldWidth, std::max(0, innerHeight));
        for (int i = 0; i < static_cast<int>(group.buttons.size()); ++i) {
            const int column = i / rows;
            const int row = i % rows;
            group.buttons[i]->setGeometry(left + column * (kGroupButtonWidth + kGroupButtonGap),
                                          kGroupInnerTop + row * (kButtonHeight + kGroupButtonGap), kGroupButtonWidth,
                                          kButtonHeight);
        }
    }

    // Settings and the two page buttons keep their distance to the bottom edge.
    const int settingsTop = height - kEditorReserve + kGroupGap + 6;
    GroupBox3->setGeometry(kMargin, settingsTop, std::min(420, groupWidth),
                           std::min(kSettingsHeight, height - settingsTop - kMargin));
    cbt1->setGeometry(10, 20, 400, 20);
    cbt2->setGeometry(10, 42, 400, 20);
    const int buttonLeft = width - kMargin - kGroupButtonWidth - kMargin;
    Button7->setGeometry(buttonLeft, settingsTop + 8, kGroupButtonWidth, kButtonHeight);
    Button12->setGeometry(buttonLeft, settingsTop + 8 + kButtonHeight + 8, kGroupButtonWidth, kButtonHeight);
    // What "Liste Erstellen" made stands between the settings and its button.
    const int resultLeft = GroupBox3->geometry().right() + 1 + kMargin;
    buildResult->setGeometry(resultLeft, settingsTop + 8, std::max(0, buttonLeft - kMargin - resultLeft),
                             GroupBox3->height() - 8);
}

void EditorPage::buildList()
{
    const auto input = fieldLines(*m1);
    const auto lines = buildQuestionLines(input, cbt1->isChecked(), cbt2->isChecked());
    appendFieldLines(*m2, lines);
    const QString made = listBuiltText(lines.size(), linesWithoutSeparator(input), language_);
    buildResult->setText(made);
    speaker_.say(made);
}

void EditorPage::clearInput() { m1->clear(); }

void EditorPage::clearOutput() { m2->clear(); }

void EditorPage::loadInput()
{
    const QString fileName = od2.choose();
    if (!fileName.isEmpty())
        LoadTextLines(fileName.toStdU16String(), *m1);
}

void EditorPage::saveOutput()
{
    const QString fileName = sd1.choose();
    if (fileName.isEmpty())
        return;
    const std::u16string text = fieldText(*m2);
    textfile::SaveTextLines(text, fileName.toStdU16String(),
                            needsUnicodeFile(text) ? textfile::kUtf8 : textfile::kAnsi);
}

void EditorPage::closeEditor() { emit closeRequested(); }

void EditorPage::handOverList()
{
    QStringList lines;
    for (const std::u16string& line : fieldLines(*m2))
        lines << QString::fromStdU16String(line);
    emit listHandedOver(lines, kEditorListName);
}

void EditorPage::retranslate(Language language)
{
    language_ = language;
    buildResult->clear();
    const EditorTexts& texts = editorPageTexts();
    Label1->setText(texts.heading.in(language));
    Label1->adjustSize();
    StaticText6->setText(texts.explanation.in(language));
    gb1->setTitle(texts.input.in(language));
    gb2->setTitle(texts.output.in(language));
    GroupBox3->setTitle(texts.settings.in(language));
    Button13->setText(texts.handOver.in(language));
    Button9->setText(texts.loadInput.in(language));
    Button8->setText(texts.clearInput.in(language));
    Button11->setText(texts.saveOutput.in(language));
    Button10->setText(texts.clearOutput.in(language));
    cbt1->setText(texts.askFirstPart.in(language));
    cbt2->setText(texts.askSecondPart.in(language));
    Button7->setText(texts.buildList.in(language));
    Button12->setText(texts.close.in(language));
    // The fields are named by their groups' captions.
    m1->setAccessibleName(gb1->title());
    m2->setAccessibleName(gb2->title());
    // Undo in the field brings back what the user had there.
    replaceFieldLines(*m1, texts.sampleInput.in(language));
}

}  // namespace lernwerk
