// One very long question line, shown in the trainer's question and solution
// fields, against a bare field that wraps anywhere showing the same text: the
// text widget's own linear floor. The line is a run without a space (a pasted
// hash, a base64 blob, a line of one script without spaces), the worst case
// for wrapping at word boundaries; a gap at its end makes it a question.
// Each iteration times, taking turns at going first, the trainer page showing
// the text and the bare field showing it, each until the field is laid out
// and painted.

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "program_window.h"
#include "trainer/round_presenter.h"
#include "widgets/text_field.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// `units` characters without a space, then a gap.
std::u16string longLine(std::int64_t units)
{
    std::u16string line;
    line.reserve(static_cast<std::size_t>(units) + 16);
    static constexpr std::u16string_view kPattern = u"AbcdefGhijkLmnopQrstuVwxyz0123456789";
    for (std::int64_t i = 0; i < units; ++i)
        line += kPattern[static_cast<std::size_t>(i) % kPattern.size()];
    line += u" _Ende_";
    return line;
}

// Lays the field's text out completely and paints it, as showing it does.
void layOutAndPaint(QPlainTextEdit* field)
{
    QAbstractTextDocumentLayout* layout = field->document()->documentLayout();
    for (QTextBlock block = field->document()->firstBlock(); block.isValid(); block = block.next())
        layout->blockBoundingRect(block);
    field->viewport()->repaint();
}

// The trainer page showing the text of a one-question round: its question,
// gap blanked (`Question`), or its solution, the line itself (`Solution`).
void showLine(benchmark::State& state, bool solution)
{
    const std::u16string line = longLine(state.range(0));
    bench::ProgramWindow window;
    window.mainWindow().show();
    lernwerk::setFieldText(*window.memo("Memo1"), line);
    window.button("Button1")->click();
    QCoreApplication::processEvents();
    auto* presenter = window.mainWindow().findChild<lernwerk::RoundPresenter*>();
    QPlainTextEdit* field = window.memo(solution ? "loesung" : "frage");
    const std::u16string shown = solution ? line : window.memo("frage")->toPlainText().toStdU16String();

    auto bare = std::make_unique<QPlainTextEdit>();
    bare->setFont(field->font());
    bare->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    bare->setWordWrapMode(QTextOption::WrapAnywhere);
    bare->resize(field->size());
    bare->show();
    QCoreApplication::processEvents();
    const QString bareText = QString::fromStdU16String(shown);

    // Empties the field, then times it showing the text.
    auto timed = [](QPlainTextEdit* target, const std::function<void()>& show) {
        target->clear();
        layOutAndPaint(target);
        const auto start = Clock::now();
        show();
        layOutAndPaint(target);
        QCoreApplication::processEvents();
        return seconds(Clock::now() - start);
    };
    auto showInProgram = [&] {
        quiz::RoundView& view = *presenter;
        if (solution)
            view.show_solution(shown);
        else
            view.show_question(shown);
    };
    double program = 0;
    double floor = 0;
    bool programFirst = true;
    for (auto _ : state) {
        double took = 0;
        if (programFirst) {
            took = timed(field, showInProgram);
            floor += timed(bare.get(), [&] { bare->setPlainText(bareText); });
        } else {
            floor += timed(bare.get(), [&] { bare->setPlainText(bareText); });
            took = timed(field, showInProgram);
        }
        program += took;
        programFirst = !programFirst;
        state.SetIterationTime(took);
    }
    state.counters["floor_ms"] = 1000.0 * floor / static_cast<double>(state.iterations());
    state.counters["ratio"] = floor > 0 ? program / floor : 0.0;
}

void Question(benchmark::State& state) { showLine(state, false); }
void Solution(benchmark::State& state) { showLine(state, true); }

void sizes(benchmark::internal::Benchmark* b)
{
    for (const std::int64_t units : {1'000, 100'000, 1'000'000, 20'000'000})
        b->Arg(units);
    b->UseManualTime()->Unit(benchmark::kMillisecond);
}
BENCHMARK(Question)->Apply(sizes);
BENCHMARK(Solution)->Apply(sizes);

}  // namespace

int main(int argc, char** argv) { return bench::runWindowBenchmarks(argc, argv); }
