#include "pages/editor_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <iterator>

#include "desktop/error_reporter.h"
#include "desktop/last_list_files.h"
#include "desktop/speaker.h"
#include "lang/editor_texts.h"
#include "lang/lists_texts.h"
#include "lang/progress_texts.h"
#include "lang/speech_texts.h"
#include "pages/editor_rules.h"
#include "textfile/encodings.h"
#include "textfile/text_lines.h"
#include "widgets/controls.h"
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
      inputFileDialog_(
          this, {.name = "od2", .filter = kEditorInputFilter, .save = false, .defaultSuffix = {}, .offeredFile = {}}),
      outputFileDialog_(this, {.name = "sd1",
                               .filter = kQuestionListFilter,
                               .save = true,
                               .defaultSuffix = QStringLiteral("txt"),
                               .offeredFile = kEditorOfferedFile})
{
    setObjectName(QStringLiteral("editor"));

    heading_ = makeHeading(this, "Label1");
    heading_->move(kMargin + 8, 8);
    explanation_ = new QLabel(this);
    explanation_->setObjectName(QStringLiteral("StaticText6"));
    explanation_->setWordWrap(true);
    explanation_->setGeometry(kMargin + 8, 34, 600, 30);

    inputGroup_ = new QGroupBox(this);
    inputGroup_->setObjectName(QStringLiteral("gb1"));
    input_ = makeEditorField(inputGroup_, "m1");
    outputGroup_ = new QGroupBox(this);
    outputGroup_->setObjectName(QStringLiteral("gb2"));
    output_ = makeEditorField(outputGroup_, "m2");

    loadInput_ = addButton(inputGroup_, "Button9", &EditorPage::loadInput);
    clearInput_ = addButton(inputGroup_, "Button8", &EditorPage::clearInput);
    saveOutput_ = addButton(outputGroup_, "Button11", &EditorPage::saveOutput);
    clearOutput_ = addButton(outputGroup_, "Button10", &EditorPage::clearOutput);
    handOver_ = addButton(outputGroup_, "Button13", &EditorPage::handOverList);

    options_ = new QGroupBox(this);
    options_->setObjectName(QStringLiteral("GroupBox3"));
    askFirstPart_ = new QCheckBox(options_);
    askFirstPart_->setObjectName(QStringLiteral("cbt1"));
    askFirstPart_->setChecked(true);
    askSecondPart_ = new QCheckBox(options_);
    askSecondPart_->setObjectName(QStringLiteral("cbt2"));
    askSecondPart_->setChecked(true);
    buildList_ = addButton(this, "Button7", &EditorPage::buildList);
    close_ = addButton(this, "Button12", &EditorPage::closeEditor);
    buildResult_ = new QLabel(this);
    buildResult_->setObjectName(QStringLiteral("buildResult"));
    buildResult_->setWordWrap(true);
    buildResult_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Tab walks each group's field, then its buttons; then the settings and
    // the page's own buttons.
    QWidget* const order[] = {input_,    loadInput_,    clearInput_,    output_,    saveOutput_, clearOutput_,
                              handOver_, askFirstPart_, askSecondPart_, buildList_, close_};
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
    inputGroup_->setGeometry(kMargin, kGroupTop, groupWidth, b);
    outputGroup_->setGeometry(kMargin, b + kGroupGap, groupWidth, b);

    // Inside each group: the field on the left, its buttons on the right in
    // a column, or in as many columns as low groups need to show them whole.
    // Both groups take the same number of columns, so that their fields line up.
    const struct {
        QPlainTextEdit* field;
        QList<QPushButton*> buttons;
    } groups[] = {{input_, {loadInput_, clearInput_}}, {output_, {saveOutput_, clearOutput_, handOver_}}};
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
    options_->setGeometry(kMargin, settingsTop, std::min(420, groupWidth),
                          std::min(kSettingsHeight, height - settingsTop - kMargin));
    askFirstPart_->setGeometry(10, 20, 400, 20);
    askSecondPart_->setGeometry(10, 42, 400, 20);
    const int buttonLeft = width - kMargin - kGroupButtonWidth - kMargin;
    buildList_->setGeometry(buttonLeft, settingsTop + 8, kGroupButtonWidth, kButtonHeight);
    close_->setGeometry(buttonLeft, settingsTop + 8 + kButtonHeight + 8, kGroupButtonWidth, kButtonHeight);
    // What "Liste Erstellen" made stands between the settings and its button.
    const int resultLeft = options_->geometry().right() + 1 + kMargin;
    buildResult_->setGeometry(resultLeft, settingsTop + 8, std::max(0, buttonLeft - kMargin - resultLeft),
                              options_->height() - 8);
}

void EditorPage::buildList()
{
    const auto input = fieldLines(*input_);
    const auto lines = buildQuestionLines(input, askFirstPart_->isChecked(), askSecondPart_->isChecked());
    appendFieldLines(*output_, lines);
    const QString made = listBuiltText(lines.size(), linesWithoutSeparator(input), language_);
    buildResult_->setText(made);
    speaker_.say(made);
}

void EditorPage::clearInput() { input_->clear(); }

void EditorPage::clearOutput() { output_->clear(); }

void EditorPage::loadInput()
{
    const QString fileName = inputFileDialog_.choose();
    if (!fileName.isEmpty())
        LoadTextLines(fileName.toStdU16String(), *input_);
}

void EditorPage::saveOutput()
{
    const QString fileName = outputFileDialog_.choose();
    if (fileName.isEmpty())
        return;
    if (const QString refused = refusal_ ? refusal_(fileName) : QString(); !refused.isEmpty())
        throw std::runtime_error(refused.toStdString());
    const std::u16string text = fieldText(*output_);
    textfile::SaveTextLines(text, fileName.toStdU16String(),
                            needsUnicodeFile(text) ? textfile::kUtf8 : textfile::kAnsi);
}

void EditorPage::closeEditor() { emit closeRequested(); }

void EditorPage::handOverList()
{
    QStringList lines;
    for (const std::u16string& line : fieldLines(*output_))
        lines << QString::fromStdU16String(line);
    emit listHandedOver(lines, kEditorListName);
}

void EditorPage::retranslate(Language language)
{
    language_ = language;
    setWindowTitle(editorPageTexts().tab.in(language));
    buildResult_->clear();
    const EditorTexts& texts = editorPageTexts();
    heading_->setText(texts.heading.in(language));
    heading_->adjustSize();
    explanation_->setText(texts.explanation.in(language));
    inputGroup_->setTitle(texts.input.in(language));
    outputGroup_->setTitle(texts.output.in(language));
    options_->setTitle(texts.settings.in(language));
    handOver_->setText(texts.handOver.in(language));
    loadInput_->setText(texts.loadInput.in(language));
    clearInput_->setText(texts.clearInput.in(language));
    saveOutput_->setText(texts.saveOutput.in(language));
    clearOutput_->setText(texts.clearOutput.in(language));
    askFirstPart_->setText(texts.askFirstPart.in(language));
    askSecondPart_->setText(texts.askSecondPart.in(language));
    buildList_->setText(texts.buildList.in(language));
    close_->setText(texts.close.in(language));
    // The fields are named by their groups' captions.
    input_->setAccessibleName(inputGroup_->title());
    output_->setAccessibleName(outputGroup_->title());
    // Undo in the field brings back what the user had there.
    replaceFieldLines(*input_, texts.sampleInput.in(language));
}

}  // namespace lernwerk
