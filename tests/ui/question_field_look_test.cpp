#include "program_fixture.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>

#include "dialogs/color_dialog.h"
#include "dialogs/font_dialog.h"

namespace lernwerk::testing {
namespace {

class QuestionFieldLookTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startProgram();
    }

    // Opens the font dialog; `answer` sees it and says whether to confirm.
    void chooseFont(const std::function<bool(FontDialog*)>& answer)
    {
        whenModal([answer](QWidget* dialog) {
            auto* fonts = qobject_cast<FontDialog*>(dialog);
            ASSERT_NE(fonts, nullptr);
            if (answer(fonts))
                fonts->accept();
            else
                fonts->reject();
        });
        trigger("Schrift1");
    }

    QList<QPlainTextEdit*> fields() { return {memo("frage"), memo("antwort"), memo("loesung")}; }
};

TEST_F(QuestionFieldLookTest, FontAndColourForTheThreeFields)
{
    const QFont before = memo("frage")->font();
    QString offered;
    chooseFont([&](FontDialog* dialog) {
        offered = dialog->currentFont().family();
        dialog->findChild<QFontDialog*>()->setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 20));
        return false;  // cancelled
    });
    const QString standIn = QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family();
    EXPECT_EQ(offered, standIn);
    EXPECT_EQ(memo("frage")->font(), before);

    chooseFont([&](FontDialog* dialog) {
        EXPECT_EQ(dialog->currentFont().family(), standIn) << "a cancelled choice is forgotten";
        EXPECT_EQ(dialog->currentFont().pointSize(), 8);
        QFont big(QStringLiteral("DejaVu Serif"), 20);
        big.setUnderline(true);
        dialog->findChild<QFontDialog*>()->setCurrentFont(big);
        auto* colors = dialog->findChild<QComboBox*>(QStringLiteral("fontColor"));
        colors->setCurrentIndex(colors->findText(QStringLiteral("Maroon")));
        return true;
    });
    for (QPlainTextEdit* field : fields()) {
        EXPECT_EQ(field->font().pointSize(), 20) << field->objectName().toStdString();
        EXPECT_TRUE(field->font().underline());
        EXPECT_EQ(field->palette().color(QPalette::Text), QColor(0x800000));
    }
    EXPECT_NE(find<QLabel>("Label10")->font().pointSize(), 20);

    chooseFont([&](FontDialog* dialog) {
        EXPECT_EQ(dialog->currentFont().pointSize(), 20) << "the confirmed choice is offered again";
        EXPECT_EQ(dialog->currentColor(), QColor(0x800000));
        return false;
    });

    // A round enables and clears the fields; the choice stays.
    click("Button1");
    EXPECT_EQ(memo("frage")->font().pointSize(), 20);
}

TEST_F(QuestionFieldLookTest, BackgroundColour)
{
    whenModal([](QWidget* dialog) {
        auto* colors = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colors, nullptr);
        EXPECT_EQ(colors->currentColor(), QColor(Qt::black));
        colors->setCurrentColor(QColor(0xFFF2CC));
        colors->accept();
    });
    trigger("hf");
    for (QPlainTextEdit* field : fields())
        EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0xFFF2CC));
    EXPECT_NE(memo("Memo1")->palette().color(QPalette::Base), QColor(0xFFF2CC));

    // A cancelled choice is forgotten; the confirmed one is offered again.
    for (const QColor tried : {QColor(0x336699), QColor()}) {
        QColor offered;
        whenModal([&](QWidget* dialog) {
            auto* colors = qobject_cast<QColorDialog*>(dialog);
            offered = colors->currentColor();
            if (tried.isValid()) {
                colors->setCurrentColor(tried);
                colors->reject();
            } else {
                colors->accept();
            }
        });
        trigger("hf");
        EXPECT_EQ(offered, QColor(0xFFF2CC));
    }
    for (QPlainTextEdit* field : fields())
        EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0xFFF2CC));
}

// Both dialogs speak the language of the moment they open, however often it
// changed since they were first opened.
TEST_F(QuestionFieldLookTest, DialogsFollowTheLanguageAtEveryOpening)
{
    const struct {
        const char* languageEntry;
        const char* fontTitle;
        const char* colorLabel;
        const char* firstColor;
        const char* anyWritingSystem;
        const char* colorTitle;
    } openings[] = {
        {"sp2", "Select Font", "&Color:", "Black", "Any", "Select Color"},
        {"sp1", "Schriftart auswählen", "&Farbe:", "Schwarz", "Alle", "Farbauswahl"},
        {"sp2", "Select Font", "&Color:", "Black", "Any", "Select Color"},
    };
    for (const auto& opening : openings) {
        SCOPED_TRACE(opening.languageEntry);
        trigger(opening.languageEntry);
        QString fontTitle, colorLabel, firstColor, anyWritingSystem, colorTitle;
        chooseFont([&](FontDialog* dialog) {
            fontTitle = dialog->windowTitle();
            auto* colors = dialog->findChild<QComboBox*>(QStringLiteral("fontColor"));
            firstColor = colors->itemText(0);
            anyWritingSystem = dialog->findChild<QFontDialog*>()->findChild<QComboBox*>()->itemText(0);
            for (auto* label : dialog->findChildren<QLabel*>())
                if (label->buddy() == colors)
                    colorLabel = label->text();
            return false;
        });
        whenModal([&](QWidget* dialog) {
            colorTitle = dialog->windowTitle();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        trigger("hf");
        EXPECT_EQ(fontTitle, QString::fromUtf8(opening.fontTitle));
        EXPECT_EQ(colorLabel, QString::fromUtf8(opening.colorLabel));
        EXPECT_EQ(firstColor, QString::fromUtf8(opening.firstColor));
        EXPECT_EQ(anyWritingSystem, QString::fromUtf8(opening.anyWritingSystem));
        EXPECT_EQ(colorTitle, QString::fromUtf8(opening.colorTitle));
    }
}

}  // namespace
}  // namespace lernwerk::testing
