#include "program_fixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include "dialogs/closing_dialog.h"
#include "dialogs/report_dialog.h"

namespace lernwerk::testing {
namespace {

class StartupTest : public ProgramTest {
protected:
    QWidget* image2() { return startScreen().findChild<QWidget*>(QStringLiteral("Image2")); }
};

TEST_F(StartupTest, CreatesTheFiveWindowsHidden)
{
    startProgram();
    EXPECT_EQ(startScreen().objectName(), QStringLiteral("start"));
    EXPECT_EQ(mainWindow().objectName(), QStringLiteral("prog"));
    EXPECT_EQ(program->closingDialog().objectName(), QStringLiteral("ende"));
    EXPECT_EQ(program->germanReport().objectName(), QStringLiteral("bugreport_de"));
    EXPECT_EQ(program->englishReport().objectName(), QStringLiteral("bugreport_en"));
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_FALSE(program->closingDialog().isVisible());
    EXPECT_EQ(startScreen().size(), QSize(300, 215));
    EXPECT_TRUE(startScreen().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(startScreen().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

struct MarkerCase {
    QStringList markers;
    QString flag;
    QString title;
    bool englishPicture;
};

std::string markerNames(const MarkerCase& markers)
{
    return markers.markers.isEmpty() ? std::string("none") : markers.markers.join(QLatin1Char('_')).toStdString();
}

void PrintTo(const MarkerCase& markers, std::ostream* out) { *out << "markers " << markerNames(markers); }

class MarkerFiles : public StartupTest, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(MarkerFiles, ChooseTheLanguageFromTheWorkingDirectory)
{
    for (const QString& marker : GetParam().markers)
        writeFile(workingDir.filePath(marker), "");
    // Markers in the program folder do not count.
    writeFile(programDir.filePath(QStringLiteral("de")), "");
    startProgram();
    EXPECT_EQ(startScreen().language(), GetParam().flag);
    EXPECT_EQ(errorReporter().title(), GetParam().title);
    EXPECT_EQ(!image2()->isHidden(), GetParam().englishPicture);
    EXPECT_EQ(mainWindow().windowTitle(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Start, MarkerFiles,
                         ::testing::Values(MarkerCase{{}, "en", "Drillbook - Jorin Malke Studio", true},
                                           MarkerCase{{"en"}, "en", "Drillbook - Jorin Malke Studio", true},
                                           MarkerCase{{"de"}, "de", "Lernwerk - Jorin Malke Studio", false},
                                           MarkerCase{{"de", "en"}, "de", "Lernwerk - Jorin Malke Studio", false}),
                         [](const ::testing::TestParamInfo<MarkerCase>& param_info) {
                             return markerNames(param_info.param);
                         });

TEST_F(StartupTest, AFolderNamedLikeAMarkerDoesNotCount)
{
    ASSERT_TRUE(QDir(workingDir.path()).mkdir(QStringLiteral("de")));
    startProgram();
    EXPECT_EQ(startScreen().language(), QStringLiteral("en"));
}

TEST_F(StartupTest, TickTable)
{
    startProgram();
    startScreen().show();
    auto* timer = startScreen().findChild<QTimer*>(QStringLiteral("Timer1"));
    timer->start();
    const struct {
        bool mainShown;
        bool startShown;
        bool timerRunning;
    } expected[] = {
        {false, true, true}, {false, true, true}, {false, true, true}, {true, true, true},
        {true, true, true},  {true, false, true}, {true, false, true}, {true, false, false},
    };
    for (int tick = 1; tick <= 8; ++tick) {
        startScreen().tick();
        const auto& want = expected[tick - 1];
        EXPECT_EQ(startScreen().ticks(), tick);
        EXPECT_EQ(mainWindow().isVisible(), want.mainShown) << "tick " << tick;
        EXPECT_EQ(startScreen().isVisible(), want.startShown) << "tick " << tick;
        EXPECT_EQ(timer->isActive(), want.timerRunning) << "tick " << tick;
    }
    EXPECT_FALSE(program->ended());
}

TEST_F(StartupTest, AClickHandsOverAtOnce)
{
    startProgram();
    startScreen().show();
    startScreen().handOverNow();
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_FALSE(startScreen().isVisible());
    EXPECT_FALSE(startScreen().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

// A real message box of the hand-over is not hidden under the start screen,
// which stays on top: the start screen makes way for it.
TEST_F(StartupTest, TheStartScreenMakesWayForAMessageBox)
{
    startProgram();
    startScreen().show();
    bool startScreenShown = true;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        // The box takes the focus once it is shown; then the start screen has gone.
        QTimer* poll = new QTimer(box);
        QObject::connect(poll, &QTimer::timeout, box, [&, box] {
            if (QGuiApplication::focusWindow() == box->windowHandle()) {
                startScreenShown = startScreen().isVisible();
                box->close();
            }
        });
        poll->start(10);
    });
    QMessageBox::warning(nullptr, QStringLiteral("Drillbook"), QStringLiteral("Cannot open file"));
    EXPECT_FALSE(startScreenShown);
}

TEST_F(StartupTest, ClosingTheStartScreenEndsTheProgramWithoutSaving)
{
    startProgram();
    startScreen().show();
    startScreen().close();
    EXPECT_TRUE(program->ended());
    EXPECT_FALSE(program->closingDialog().isVisible());
    EXPECT_FALSE(QFileInfo::exists(programDir.filePath(QStringLiteral("LastQuestionnaire.txt"))));
}

TEST_F(StartupTest, ErrorsAreCaptionedWithTheApplicationTitle)
{
    writeFile(workingDir.filePath(QStringLiteral("de")), "");
    startProgram();
    errorReporter().show(QStringLiteral("Stream write error"));
    ASSERT_EQ(errorCaptions.size(), 1);
    EXPECT_EQ(errorCaptions.first(), QStringLiteral("Lernwerk - Jorin Malke Studio"));
}

}  // namespace
}  // namespace lernwerk::testing
