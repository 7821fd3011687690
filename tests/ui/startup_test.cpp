#include "program_fixture.h"

#include <QDir>

#include "dialogs/closing_dialog.h"
#include "dialogs/report_dialog.h"

namespace lernwerk::testing {
namespace {

class StartupTest : public ProgramTest {
protected:
    QWidget* image2() { return start().findChild<QWidget*>(QStringLiteral("Image2")); }
};

TEST_F(StartupTest, CreatesTheFiveWindowsHidden)
{
    startProgram();
    EXPECT_EQ(start().objectName(), QStringLiteral("start"));
    EXPECT_EQ(prog().objectName(), QStringLiteral("prog"));
    EXPECT_EQ(program->ende().objectName(), QStringLiteral("ende"));
    EXPECT_EQ(program->bugreportDe().objectName(), QStringLiteral("bugreport_de"));
    EXPECT_EQ(program->bugreportEn().objectName(), QStringLiteral("bugreport_en"));
    EXPECT_FALSE(prog().isVisible());
    EXPECT_FALSE(program->ende().isVisible());
    EXPECT_EQ(start().size(), QSize(300, 215));
    EXPECT_TRUE(start().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(start().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
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
    EXPECT_EQ(start().language(), GetParam().flag);
    EXPECT_EQ(errorReporter().title(), GetParam().title);
    EXPECT_EQ(!image2()->isHidden(), GetParam().englishPicture);
    EXPECT_EQ(prog().windowTitle(), GetParam().title);
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
    EXPECT_EQ(start().language(), QStringLiteral("en"));
}

TEST_F(StartupTest, TickTable)
{
    startProgram();
    start().show();
    auto* timer = start().findChild<QTimer*>(QStringLiteral("Timer1"));
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
        start().tick();
        const auto& want = expected[tick - 1];
        EXPECT_EQ(start().ticks(), tick);
        EXPECT_EQ(prog().isVisible(), want.mainShown) << "tick " << tick;
        EXPECT_EQ(start().isVisible(), want.startShown) << "tick " << tick;
        EXPECT_EQ(timer->isActive(), want.timerRunning) << "tick " << tick;
    }
    EXPECT_FALSE(program->ended());
}

TEST_F(StartupTest, AClickHandsOverAtOnce)
{
    startProgram();
    start().show();
    start().handOverNow();
    EXPECT_TRUE(prog().isVisible());
    EXPECT_FALSE(start().isVisible());
    EXPECT_FALSE(start().findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(StartupTest, ClosingTheStartScreenEndsTheProgramWithoutSaving)
{
    startProgram();
    start().show();
    start().close();
    EXPECT_TRUE(program->ended());
    EXPECT_FALSE(program->ende().isVisible());
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
