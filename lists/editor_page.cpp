// The question-list editor: pairs "part 1 - part 2" become question lines.

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/error_box_transition.h"
#include "app/tprog.h"
#include "widgets/controls.h"
#include "lang/texts.h"
#include "lists/editor_rules.h"
#include "widgets/text_field.h"
#include "textfile/encodings.h"
#include "textfile/text_lines.h"

namespace lernwerk {

namespace {

constexpr int kMargin = 8;
constexpr int kGroupTop = 70;
constexpr int kGroupGap = 79;          // top of the output group = its height + this
constexpr int kEditorReserve = 194;    // page height the two groups leave to the rest
constexpr int kGroupButtonWidth = 110;
constexpr int kButtonHeight = 25;
constexpr int kGroupButtonGap = 6;
constexpr int kGroupInnerTop = 20;     // field and buttons inside a group, below its title
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

QFileDialog* makeFileDialog(QWidget* parent, const char* name, const QString& filter, bool save)
{
    auto* dialog = new QFileDialog(parent);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setNameFilter(filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::AnyFile);
    return dialog;
}

QString chosenFile(QFileDialog* dialog)
{
    if (dialog->exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return {};
    dialog->selectFile(chosen.first());
    return chosen.first();
}

}  // namespace

QWidget* Tprog::createEditorPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("editor"));

    auto* heading = makeHeading(page, "Label1");
    heading->setText(QStringLiteral("Editor"));
    heading->move(kMargin + 8, 8);
    auto* explanation = new QLabel(page);
    explanation->setObjectName(QStringLiteral("StaticText6"));
    explanation->setWordWrap(true);
    explanation->setGeometry(kMargin + 8, 34, 600, 30);

    auto* gb1 = new QGroupBox(QStringLiteral("Input"), page);
    gb1->setObjectName(QStringLiteral("gb1"));
    m1 = makeEditorField(gb1, "m1");
    auto* gb2 = new QGroupBox(QStringLiteral("Output"), page);
    gb2->setObjectName(QStringLiteral("gb2"));
    m2 = makeEditorField(gb2, "m2");

    const auto button = [this](QWidget* parent, const char* name, void (Tprog::*handler)()) {
        auto* made = makeButton(parent, name);
        connect(made, &QPushButton::clicked, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
        return made;
    };
    button(gb1, "Button9", &Tprog::Button9Click);
    button(gb1, "Button8", &Tprog::Button8Click);
    button(gb2, "Button11", &Tprog::Button11Click);
    button(gb2, "Button10", &Tprog::Button10Click);
    button(gb2, "Button13", &Tprog::Button13Click);

    auto* settings = new QGroupBox(page);
    settings->setObjectName(QStringLiteral("GroupBox3"));
    for (const char* name : {"cbt1", "cbt2"}) {
        auto* box = new QCheckBox(settings);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(true);
    }
    button(page, "Button7", &Tprog::Button7Click);
    button(page, "Button12", &Tprog::Button12Click);

    od2 = makeFileDialog(this, "od2", QStringLiteral("Textdateien (*.txt)"), false);
    sd1 = makeFileDialog(this, "sd1", QStringLiteral("Fragenlisten (*.txt)"), true);
    sd1->setDefaultSuffix(QStringLiteral("txt"));
    sd1->setOption(QFileDialog::DontConfirmOverwrite);  // saving replaces a file without asking
    sd1->selectFile(QStringLiteral("NeueFragenliste.txt"));
    return page;
}

void Tprog::layoutEditorPage(int width, int height)
{
    const int b = (height - kEditorReserve) / 2;
    const int groupWidth = std::max(0, width - 2 * kMargin);
    auto* gb1 = control<QGroupBox>("gb1");
    auto* gb2 = control<QGroupBox>("gb2");
    gb1->setGeometry(kMargin, kGroupTop, groupWidth, b);
    gb2->setGeometry(kMargin, b + kGroupGap, groupWidth, b);

    // Inside each group: the field on the left, its buttons on the right in
    // a column, or in as many columns as low groups need to show them whole.
    // Both groups take the same number of columns, so that their fields line up.
    const int innerHeight = b - kGroupInnerTop - kGroupInnerBottom;
    const int rows = std::max(1, (innerHeight + kGroupButtonGap) / (kButtonHeight + kGroupButtonGap));
    int mostButtons = 0;
    for (QGroupBox* group : {gb1, gb2})
        mostButtons = std::max(mostButtons, static_cast<int>(
                                                group->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size()));
    const int columns = (mostButtons + rows - 1) / rows;
    const int columnsWidth = columns * kGroupButtonWidth + (columns - 1) * kGroupButtonGap;
    const int fieldWidth = std::max(0, groupWidth - columnsWidth - 3 * kMargin);
    const int left = groupWidth - kMargin - columnsWidth;
    for (QGroupBox* group : {gb1, gb2}) {
        const QList<QPushButton*> buttons = group->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
        group->findChild<QPlainTextEdit*>()->setGeometry(kMargin, kGroupInnerTop, fieldWidth, std::max(0, innerHeight));
        for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
            const int column = i / rows;
            const int row = i % rows;
            buttons[i]->setGeometry(left + column * (kGroupButtonWidth + kGroupButtonGap),
                                    kGroupInnerTop + row * (kButtonHeight + kGroupButtonGap), kGroupButtonWidth,
                                    kButtonHeight);
        }
    }

    // Settings and the two page buttons keep their distance to the bottom edge.
    const int settingsTop = height - kEditorReserve + kGroupGap + 6;
    auto* settings = control<QGroupBox>("GroupBox3");
    settings->setGeometry(kMargin, settingsTop, std::min(420, groupWidth), std::min(kSettingsHeight, height - settingsTop - kMargin));
    control<QCheckBox>("cbt1")->setGeometry(10, 20, 400, 20);
    control<QCheckBox>("cbt2")->setGeometry(10, 42, 400, 20);
    const int buttonLeft = width - kMargin - kGroupButtonWidth - kMargin;
    control<QPushButton>("Button7")->setGeometry(buttonLeft, settingsTop + 8, kGroupButtonWidth, kButtonHeight);
    control<QPushButton>("Button12")->setGeometry(buttonLeft, settingsTop + 8 + kButtonHeight + 8,
                                                 kGroupButtonWidth, kButtonHeight);
}

void Tprog::Button7Click()
{
    const auto lines = buildQuestionLines(fieldLines(*m1), control<QCheckBox>("cbt1")->isChecked(),
                                          control<QCheckBox>("cbt2")->isChecked());
    appendFieldLines(*m2, lines);
}

void Tprog::Button8Click()
{
    m1->clear();
}

void Tprog::Button10Click()
{
    m2->clear();
}

void Tprog::Button9Click()
{
    const QString fileName = chosenFile(od2);
    if (!fileName.isEmpty())
        LoadTextLines(fileName.toStdU16String(), *m1);
}

void Tprog::Button11Click()
{
    const QString fileName = chosenFile(sd1);
    if (fileName.isEmpty())
        return;
    const std::u16string text = fieldText(*m2);
    textfile::SaveTextLines(text, fileName.toStdU16String(),
                            needsUnicodeFile(text) ? textfile::kUtf8 : textfile::kAnsi);
}

void Tprog::Button12Click()
{
    hidePage(editor);
}

void Tprog::Button13Click()
{
    setFieldLines(*Memo1, fieldLines(*m2));
    aktuelleliste->setText(QString::fromStdString(lang::kEditorListName));
    Button1Click();
}

}  // namespace lernwerk
