#include "program_fixture.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QScrollArea>

#include "dialogs/closing_dialog.h"
#include "widgets/classic_faces.h"

namespace lernwerk::testing {
namespace {

class LayoutTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startProgram();
        mainWindow().show();
        QApplication::processEvents();
    }

    void resizeWindow(int width, int height)
    {
        mainWindow().resize(width, height);
        QApplication::processEvents();
    }

    static QRect geometryIn(const QWidget* widget, const QWidget* ancestor)
    {
        return {widget->mapTo(ancestor, QPoint(0, 0)), widget->size()};
    }
};

// The classic faces are asked for by an installed face, and it is the face
// that stands in for them when they are asked for by name.
TEST_F(LayoutTest, ClassicFacesAreAskedForByTheirInstalledStandIn)
{
    const QStringList installed = QFontDatabase::families();
    for (const char* face : {"Tahoma", "MS Sans Serif", "Courier New"}) {
        const QFont asked = classicFont(QString::fromLatin1(face), 13);
        EXPECT_TRUE(installed.contains(asked.family(), Qt::CaseInsensitive)) << face;
        EXPECT_EQ(QFontInfo(asked).family(), QFontInfo(QFont(QString::fromLatin1(face), 13)).family()) << face;
        EXPECT_EQ(asked.pixelSize(), 13);
    }
    EXPECT_EQ(memo("frage")->font().family(), QFontInfo(QFont(QStringLiteral("Courier New"))).family());
}

// Information pages: the scroll area stands 101 from the page's left edge at
// the size of creation, and stays within the page as the window shrinks.
TEST_F(LayoutTest, InformationPagesKeepTheirScrollAreaInside)
{
    for (const auto& [pageName, scrollName] : {std::pair{"tb5en", "ScrollBox5"}, std::pair{"tbsen", "ScrollBox8"}}) {
        showPage(pageName);
        QApplication::processEvents();
        EXPECT_EQ(find(scrollName)->x(), 101) << scrollName;
    }
    resizeWindow(600, 440);
    QApplication::processEvents();
    EXPECT_GE(find("ScrollBox8")->x(), 0);
    EXPECT_LE(geometryIn(find("ScrollBox8"), find("tbsen")).right(), find("tbsen")->width() - 1);
}

// The editor at the window's minimum size: every button whole, inside its
// frame, clear of the fields and of each other.
TEST_F(LayoutTest, EditorButtonsStayWholeAtTheMinimumSize)
{
    resizeWindow(600, 440);
    QWidget* editor = find("editor");
    trigger("f4");
    QApplication::processEvents();
    QList<QRect> taken;
    for (const char* group : {"gb1", "gb2"})
        taken << geometryIn(find<QGroupBox>(group)->findChild<QPlainTextEdit*>(), editor);
    for (auto* button : editor->findChildren<QPushButton*>()) {
        if (button->window() != editor->window())
            continue;  // the page's file dialogs are windows of their own
        SCOPED_TRACE(button->objectName().toStdString());
        QWidget* frame = button->parentWidget();
        EXPECT_TRUE(frame->contentsRect().contains(button->geometry())) << frame->objectName().toStdString();
        EXPECT_GE(button->height(), 25);
        const QRect placed = geometryIn(button, editor);
        for (const QRect& other : taken)
            EXPECT_FALSE(placed.intersects(other));
        taken << placed;
    }
    EXPECT_FALSE(geometryIn(find("Button7"), editor).intersects(find("gb2")->geometry()));
}

// The editor's settings frame keeps one distance to the page's bottom edge.
TEST_F(LayoutTest, EditorSettingsKeepTheirDistanceToTheBottom)
{
    QWidget* editor = find("editor");
    trigger("f4");
    QList<int> gaps;
    for (int height : {440, 441, 442, 443}) {
        resizeWindow(600, height);
        gaps << editor->height() - find("GroupBox3")->geometry().bottom();
    }
    EXPECT_EQ(gaps, (QList<int>{gaps[0], gaps[0], gaps[0], gaps[0]}));
}

// The font dialog: the colour row and the buttons line up with the chooser's
// grid, without a gap between them.
TEST_F(LayoutTest, FontDialogColourRowLinesUpWithTheChooser)
{
    whenModal([](QWidget* dialog) {
        auto* chooser = dialog->findChild<QFontDialog*>();
        QRect grid;
        for (auto* part : chooser->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (part->isVisible())
                grid |= geometryIn(part, dialog);
        auto* colors = dialog->findChild<QComboBox*>(QStringLiteral("fontColor"));
        QLabel* colorLabel = nullptr;
        for (auto* label : dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->buddy() == colors)
                colorLabel = label;
        ASSERT_NE(colorLabel, nullptr);
        EXPECT_EQ(colorLabel->x(), grid.left());
        EXPECT_LE(colorLabel->y() - grid.bottom(), 12);
        for (auto* button : dialog->findChild<QDialogButtonBox*>()->buttons())
            EXPECT_LE(geometryIn(button, dialog).right(), grid.right()) << button->text().toStdString();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    trigger("Schrift1");
}

// The closing dialog's panel: a lowered outer and a raised inner bevel.
TEST_F(LayoutTest, ClosingDialogPanelHasTwoBevels)
{
    auto* panel = program->closingDialog().findChild<QWidget*>(QStringLiteral("Panel4"));
    const QImage picture = panel->grab().toImage();
    const auto dark = [&picture](int x, int y) { return qGray(picture.pixel(x, y)) < 200; };
    const int w = picture.width();
    const int h = picture.height();
    const int midX = w / 2;
    const int midY = h / 2;
    EXPECT_TRUE(dark(midX, 0) && dark(0, midY)) << "outer top and left in shadow";
    EXPECT_FALSE(dark(midX, h - 1) || dark(w - 1, midY)) << "outer bottom and right lit";
    EXPECT_FALSE(dark(midX, 1) || dark(1, midY)) << "inner top and left lit";
    EXPECT_TRUE(dark(midX, h - 2) && dark(w - 2, midY)) << "inner bottom and right in shadow";
}

}  // namespace
}  // namespace lernwerk::testing
