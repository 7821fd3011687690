// The program at 1 000, 100 000 and 1 000 000 questions, each figure beside its
// floor measured in the same run: what the text fields themselves cost for the
// same lines. See README.md for the command and the table.
//
//   Load        reading a list file into the question list as "Liste Laden.."
//               does, against QPlainTextEdit::setPlainText of the decoded text
//   Restart     "Neue Runde.." on the loaded list, against the same floor
//   Step        every step of a whole round, median per step
//   Keystroke   one key typed into the question list or the status column
//               during a round, against the same key at 1 000 questions
//   PeakMemory  the high-water mark of a process holding a round, against one
//               holding the same lines in two bare QPlainTextEdits

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/program.h"
#include "desktop/error_reporter.h"
#include "program_window.h"
#include "textfile/text_lines.h"
#include "widgets/controls.h"
#include "widgets/page_control.h"
#include "widgets/text_field.h"
#include "window/main_window.h"
#include "window/start_screen.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// A generated list in UTF-8 with signature and CR LF breaks: mostly ASCII, an
// umlaut in every eighth line, a character above U+FFFF in every thousandth,
// an empty line in every fiftieth.
std::string generatedList(int questions)
{
    std::string text = "\xEF\xBB\xBF";
    text.reserve(static_cast<std::size_t>(questions) * 48);
    for (int i = 0; i < questions; ++i) {
        const std::string number = std::to_string(i);
        if (i % 50 == 49)
            text += "\r\n";
        if (i % 1000 == 999)
            text += "Frage " + number + ": das Zeichen _\xF0\x9F\x98\x80_ heisst Smiley\r\n";
        else if (i % 8 == 7)
            text += "Frage " + number +
                    ": die _Gr\xC3\xB6\xC3\x9F"
                    "e_ der T\xC3\xBCr\r\n";
        else
            text += "Question " + number + ": the answer is _word" + number + "_\r\n";
    }
    return text;
}

// One list file per size, written once per process.
const std::u16string& listFile(int questions)
{
    static QTemporaryDir folder;
    static std::map<int, std::u16string> files;
    auto& name = files[questions];
    if (name.empty()) {
        const QString path = folder.path() + QStringLiteral("/list%1.txt").arg(questions);
        std::ofstream(path.toStdString(), std::ios::binary) << generatedList(questions);
        name = path.toStdU16String();
    }
    return name;
}

// The decoded list as a text document takes it: lines separated by LF.
QString decodedList(const std::u16string& file)
{
    QString text = QString::fromStdU16String(textfile::ReadTextLines(file));
    text.remove(QLatin1Char('\r'));
    return text;
}

// A text field set up as the question list is, without the program around it.
std::unique_ptr<QPlainTextEdit> bareField()
{
    auto field = std::make_unique<QPlainTextEdit>();
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setFont(lernwerk::programFont());
    return field;
}

class Window : public bench::ProgramWindow {
public:
    // "Liste Laden.." once the file is chosen.
    void load(int questions) { load(listFile(questions)); }
    void load(const std::u16string& file) { lernwerk::LoadTextLines(file, *memo("Memo1")); }
    void restart() { button("Button1")->click(); }
};

void sizes(benchmark::internal::Benchmark* b) { b->Arg(1'000)->Arg(100'000)->Arg(1'000'000); }

// Each iteration times the floor (the decoded list put into a bare field) and
// then `measured` one after the other, so that both see the same machine;
// `prepare` runs first and is not timed.
template <typename Prepare, typename Measured>
void timeAgainstFloor(benchmark::State& state, const QString& decoded, Prepare prepare, Measured measured)
{
    auto floor = bareField();
    double floorTime = 0;
    double measuredTime = 0;
    for (auto _ : state) {
        prepare();
        auto start = Clock::now();
        floor->setPlainText(decoded);
        floorTime += seconds(Clock::now() - start);
        start = Clock::now();
        measured();
        const double took = seconds(Clock::now() - start);
        measuredTime += took;
        state.SetIterationTime(took);
    }
    state.counters["floor_ms"] = benchmark::Counter(floorTime * 1e3 / static_cast<double>(state.iterations()));
    state.counters["ratio"] = measuredTime / floorTime;
}

void Load(benchmark::State& state)
{
    const int questions = static_cast<int>(state.range(0));
    Window window;
    timeAgainstFloor(
        state, decodedList(listFile(questions)), [] {}, [&] { window.load(questions); });
}
BENCHMARK(Load)->Apply(sizes)->UseManualTime()->Unit(benchmark::kMillisecond);

void Restart(benchmark::State& state)
{
    const int questions = static_cast<int>(state.range(0));
    Window window;
    // The restart drops the empty lines, so every iteration loads the list anew.
    timeAgainstFloor(
        state, decodedList(listFile(questions)), [&] { window.load(questions); }, [&] { window.restart(); });
}
BENCHMARK(Restart)->Apply(sizes)->UseManualTime()->Unit(benchmark::kMillisecond);

// A whole round: mostly "Richtig", every seventh step "Falsch" and every
// eleventh "Zurückstellen", until the round ends. The reported time is the
// median step; the counters give the slowest percent and the last steps,
// when almost every entry is "X".
void Step(benchmark::State& state)
{
    const int questions = static_cast<int>(state.range(0));
    Window window;
    QPushButton* buttons[] = {window.button("bt_correct"), window.button("bt_wrong"), window.button("bt_clock")};
    std::vector<double> steps;
    for (auto _ : state) {
        state.PauseTiming();
        window.load(questions);
        window.restart();
        steps.clear();
        steps.reserve(static_cast<std::size_t>(questions) * 2);
        for (std::size_t i = 0; buttons[0]->isEnabled(); ++i) {
            QPushButton* button = buttons[i % 7 == 6 ? 1 : i % 11 == 10 ? 2 : 0];
            const auto start = Clock::now();
            button->click();
            steps.push_back(seconds(Clock::now() - start));
        }
        const std::vector<double> last(steps.end() - std::min<std::ptrdiff_t>(100, std::ssize(steps)), steps.end());
        auto median = [](std::vector<double> values) {
            std::nth_element(values.begin(), values.begin() + std::ssize(values) / 2, values.end());
            return values[values.size() / 2];
        };
        std::vector<double> sorted = steps;
        std::sort(sorted.begin(), sorted.end());
        state.counters["steps"] = static_cast<double>(steps.size());
        state.counters["p99_us"] = sorted[sorted.size() * 99 / 100] * 1e6;
        state.counters["last100_us"] = median(last) * 1e6;
        state.SetIterationTime(median(steps));
        state.ResumeTiming();
    }
}
BENCHMARK(Step)->Apply(sizes)->UseManualTime()->Iterations(1)->Unit(benchmark::kMicrosecond);

// A round at 1 000 questions beside one at the benchmark's size; each
// iteration types the same key into the same field of each, taking turns at
// going first. Then a bare field holding the same lines gets as many keys, in
// a loop of its own: a press that walks every line of a big field leaves the
// caches cold for whatever comes next, and would be billed to the program.
// The keys alternate between "a" and Backspace, so the fields end as they began.
void keystroke(benchmark::State& state, const char* field)
{
    const int questions = static_cast<int>(state.range(0));
    Window reference;
    Window window;
    for (Window* w : {&reference, &window}) {
        w->load(w == &reference ? 1'000 : questions);
        w->restart();
        auto* pages = w->mainWindow().findChild<lernwerk::PageControl*>(QStringLiteral("blatt"));
        pages->selectPage(pages->findChild<QWidget*>(QStringLiteral("tb3")));
        w->mainWindow().show();
        QPlainTextEdit* memo = w->memo(field);
        // In the middle of the list, at the end of a line.
        QTextCursor cursor(memo->document()->findBlockByNumber(memo->document()->blockCount() / 2));
        cursor.movePosition(QTextCursor::EndOfBlock);
        memo->setTextCursor(cursor);
        memo->setFocus();
    }
    // The widget's own floor: a bare field of the same width holding the same
    // lines, typed into at the same place.
    auto bare = bareField();
    bare->setFixedWidth(window.memo(field)->width());
    bare->setPlainText(window.memo(field)->toPlainText());
    bare->show();
    QTextCursor middle(bare->document()->findBlockByNumber(bare->document()->blockCount() / 2));
    middle.movePosition(QTextCursor::EndOfBlock);
    bare->setTextCursor(middle);
    QCoreApplication::processEvents();
    auto press = [](QPlainTextEdit* memo, bool type) {
        const auto start = Clock::now();
        QKeyEvent down(QEvent::KeyPress, type ? Qt::Key_A : Qt::Key_Backspace, Qt::NoModifier,
                       type ? QStringLiteral("a") : QString());
        QKeyEvent up(QEvent::KeyRelease, type ? Qt::Key_A : Qt::Key_Backspace, Qt::NoModifier,
                     type ? QStringLiteral("a") : QString());
        QApplication::sendEvent(memo, &down);
        QApplication::sendEvent(memo, &up);
        QCoreApplication::processEvents();  // the repaint
        return seconds(Clock::now() - start);
    };
    double referenceTime = 0;
    double time = 0;
    bool type = true;
    bool referenceFirst = true;
    for (auto _ : state) {
        if (referenceFirst)
            referenceTime += press(reference.memo(field), type);
        const double took = press(window.memo(field), type);
        if (!referenceFirst)
            referenceTime += press(reference.memo(field), type);
        time += took;
        state.SetIterationTime(took);
        type = !type;
        referenceFirst = type ? !referenceFirst : referenceFirst;  // each order once per pair of keys
    }
    double bareTime = 0;
    type = true;
    for (std::int64_t i = 0; i < state.iterations(); ++i, type = !type)
        bareTime += press(bare.get(), type);
    state.counters["at1000_us"] = benchmark::Counter(referenceTime * 1e6 / static_cast<double>(state.iterations()));
    state.counters["bare_us"] = benchmark::Counter(bareTime * 1e6 / static_cast<double>(state.iterations()));
    state.counters["ratio"] = time / referenceTime;
}
void KeystrokeQuestionList(benchmark::State& state) { keystroke(state, "Memo1"); }
void KeystrokeStatusColumn(benchmark::State& state) { keystroke(state, "Memo2"); }
BENCHMARK(KeystrokeQuestionList)->Apply(sizes)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeystrokeStatusColumn)->Apply(sizes)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------- peak memory

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Run in a child process of its own: loads the list, starts a round and takes
// a few steps, then prints the high-water mark.
int holdProgram(const std::u16string& file)
{
    Window window;
    window.load(file);
    window.restart();
    for (int i = 0; i < 10; ++i)
        window.button("bt_correct")->click();
    std::printf("%ld\n", peakKilobytes());
    return 0;
}

// The floor: two bare fields holding the decoded list and the status column.
int holdBareFields(const std::u16string& file)
{
    auto list = bareField();
    auto column = bareField();
    {
        QString text = decodedList(file);
        text.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));  // the restart drops empty lines
        list->setPlainText(text);
    }
    const int lines = list->document()->blockCount();
    {
        QString entries;
        entries.reserve(lines * 2);
        for (int i = 0; i < lines; ++i)
            entries += i == 0 ? QStringLiteral("0") : QStringLiteral("\n0");
        column->setPlainText(entries);
    }
    std::printf("%ld\n", peakKilobytes());
    return 0;
}

long childPeak(const char* what, int questions)
{
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    const std::string command = "'" + self + "' --hold=" + std::string(what) + " --file='" +
                                QString::fromStdU16String(listFile(questions)).toStdString() + "'";
    FILE* child = popen(command.c_str(), "r");
    long kilobytes = 0;
    if (!child || std::fscanf(child, "%ld", &kilobytes) != 1)
        kilobytes = 0;
    if (child)
        pclose(child);
    return kilobytes;
}

void PeakMemory(benchmark::State& state)
{
    const int questions = static_cast<int>(state.range(0));
    long program = 0;
    long floor = 0;
    for (auto _ : state) {
        floor = childPeak("fields", questions);
        program = childPeak("program", questions);
    }
    state.counters["program_MB"] = static_cast<double>(program) / 1024.0;
    state.counters["floor_MB"] = static_cast<double>(floor) / 1024.0;
    state.counters["ratio"] = floor > 0 ? static_cast<double>(program) / static_cast<double>(floor) : 0.0;
}
BENCHMARK(PeakMemory)->Apply(sizes)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    lernwerk::Application application(argc, argv, bench::benchReporter());

    // A child of PeakMemory: --hold=program|fields --file=LIST, the list file
    // the parent wrote.
    std::string hold;
    std::u16string file;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--hold=", 7) == 0)
            hold = argv[i] + 7;
        else if (std::strncmp(argv[i], "--file=", 7) == 0)
            file = QString::fromLocal8Bit(argv[i] + 7).toStdU16String();
    }
    if (!hold.empty())
        return hold == "program" ? holdProgram(file) : holdBareFields(file);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
