#include "dialogs/closing_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "desktop/error_reporter.h"
#include "desktop/last_list_files.h"
#include "desktop/window_frame_hints.h"
#include "lang/closing_texts.h"
#include "textfile/encodings.h"
#include "textfile/file_names.h"
#include "textfile/text_file_codec.h"
#include "textfile/text_lines.h"

namespace lernwerk {

namespace {

constexpr QRgb kCream = 0xFFFBF0;
constexpr QRgb kHeadingGrey = 0x3A3A3A;
constexpr QRgb kBevelShadow = 0xA0A0A0;

// A panel framed by a lowered outer and a raised inner bevel.
class BevelPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect outer = rect();
        const QRect inner = outer.adjusted(1, 1, -1, -1);
        const QColor shadow(kBevelShadow);
        const QColor light(Qt::white);
        drawBevel(painter, outer, shadow, light);
        drawBevel(painter, inner, light, shadow);
    }

private:
    static void drawBevel(QPainter& painter, const QRect& box, const QColor& topLeft, const QColor& bottomRight)
    {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    }
};

QLabel* makeExplanation(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

ClosingDialog::ClosingDialog(QWidget* mainWindow, InterfaceLanguage& language, ErrorReporter& errors,
                             std::function<QString()> lastListFolder, std::function<std::u16string()> questionListText)
    // A dialog of the main window: the window manager keeps it above the main
    // window and minimises and restores it with it. Its title bar has no
    // button and no window menu (see showEvent): OK is the only way out.
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      language_(language),
      errors_(errors),
      lastListFolder_(std::move(lastListFolder)),
      questionListText_(std::move(questionListText))
{
    setObjectName(QStringLiteral("ende"));
    setModal(true);
    setFixedSize(431, 207);
    QPalette cream = palette();
    cream.setColor(QPalette::Window, QColor(kCream));
    setPalette(cream);
    setAutoFillBackground(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(12, 12, 48, 48);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/lernwerk.png")));

    auto* panel = new BevelPanel(this);
    panel->setObjectName(QStringLiteral("Panel4"));
    panel->setGeometry(72, 10, 349, 152);
    panel->setContentsMargins(2, 2, 2, 2);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(4);
    question_ = new QLabel(panel);
    question_->setObjectName(QStringLiteral("Label18"));
    QFont headingFont = question_->font();
    headingFont.setPixelSize(16);
    question_->setFont(headingFont);
    QPalette grey = question_->palette();
    grey.setColor(QPalette::WindowText, QColor(kHeadingGrey));
    question_->setPalette(grey);
    layout->addWidget(question_);
    germanExplanation_ = makeExplanation(panel, "StaticText1", closingTexts().explanation.german);
    englishExplanation_ = makeExplanation(panel, "StaticText2", closingTexts().explanation.english);
    englishExplanation_->hide();
    layout->addWidget(germanExplanation_);
    layout->addWidget(englishExplanation_);
    layout->addStretch(1);
    save_ = new QRadioButton(panel);
    save_->setObjectName(QStringLiteral("RadioButton1"));
    save_->setChecked(true);
    dontSave_ = new QRadioButton(panel);
    dontSave_->setObjectName(QStringLiteral("RadioButton2"));
    layout->addWidget(save_);
    layout->addWidget(dontSave_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(346, 172, 75, 25);
    ok->setDefault(true);
    connectGuarded(ok, &QPushButton::clicked, this, errors_, &ClosingDialog::confirm);
}

void ClosingDialog::retranslate(Language language)
{
    const ClosingTexts& texts = closingTexts();
    setWindowTitle(texts.caption.in(language));
    question_->setText(texts.question.in(language));
    save_->setText(texts.save.in(language));
    dontSave_->setText(texts.dontSave.in(language));
    // Each language has its own explanation, wrapped in its own label. It
    // names the folder where the list is really kept when that is not the
    // program's own.
    QLabel* shown = quiz::PerLanguage<QLabel*>{germanExplanation_, englishExplanation_}.in(language);
    for (QLabel* explanation : {germanExplanation_, englishExplanation_})
        explanation->setVisible(explanation == shown);
    const QString folder = lastListFolder_();
    const bool besideProgram = QDir::cleanPath(folder) == QDir::cleanPath(programFolderPath());
    const QString home = QDir::homePath() + QLatin1Char('/');
    const QString readable = QString::fromStdU16String(textfile::ReadableName(folder.toStdU16String()));
    const QString shownFolder = readable.startsWith(home) ? QStringLiteral("~/") + readable.mid(home.size()) : readable;
    for (QLabel* explanation : {germanExplanation_, englishExplanation_}) {
        const Language of = explanation == germanExplanation_ ? Language::German : Language::English;
        explanation->setText(besideProgram ? texts.explanation.in(of)
                                           : texts.explanationElsewhere.in(of).arg(shownFolder));
    }
}

bool ClosingDialog::ask()
{
    retranslate(language_.current());
    // The dialog is left through its OK only; should it return any other
    // way, nothing was decided.
    return exec() == QDialog::Accepted;
}

void ClosingDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    askForTitleBarOnly(this);
}

void ClosingDialog::setVisible(bool visible)
{
    // The window manager reads the hint when the window is mapped: the
    // native window is made first, with the toolkit's hint, which is then
    // replaced.
    if (visible) {
        create();
        askForTitleBarOnly(this);
    }
    QDialog::setVisible(visible);
}

QString ClosingDialog::lastListFile(const QString& programFolder, Language language)
{
    return programFolder + lastListFileName(language);
}

void ClosingDialog::confirm()
{
    listSaved_ = false;
    if (save_->isChecked()) {
        // The folder may not exist yet (an installed program keeps its lists
        // in the user's data folder). If it cannot be made, the message says
        // which folder and why, and this dialog stays open.
        const QString folder = lastListFolder_();
        textfile::MakeFolders(folder.toStdU16String());
        // Written through a temporary file: a failure leaves the list saved
        // before untouched, shows its message and keeps this dialog open.
        textfile::WriteTextFile(questionListText_(), lastListFile(folder, language_.current()).toStdU16String(),
                                textfile::kUtf8, true);
        listSaved_ = true;
    }
    accept();
    emit confirmed();
}

void ClosingDialog::reject() {}

}  // namespace lernwerk
