// The import of a large delimited file: the command line's whole conversion
// (read, convert, save) and the preview's opening (read, convert, show the
// first lines and the counts, painted), at 1k, 10k and 100k rows of a
// Windows-1252 file with semicolons and a header row, as a spreadsheet in a
// German locale saves it. Then the worst cases of size: 16 MB sources whose
// rows are as wide as the import takes, as short as a pair can be, or refused
// (a line of semicolons, a kvtml of a thousand languages), with the heap they
// leave held per byte of the source ("heapPerByte"), and the preview of the
// widest rows, whose column boxes list every column.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <malloc.h>

#include <fstream>
#include <string>

#include "desktop/speaker.h"
#include "dialogs/import_dialog.h"
#include "import/conversion.h"
#include "import/source_file.h"
#include "lang/interface_language.h"
#include "program_window.h"

namespace {

// A file of `rows` entries beside the header row; returns its name.
QString writeSource(const QTemporaryDir& folder, std::int64_t rows)
{
    const QString name = folder.filePath(QStringLiteral("vokabeln-%1.csv").arg(rows));
    std::ofstream out(name.toStdString(), std::ios::binary);
    out << "Deutsch;Englisch\r\n";
    for (std::int64_t i = 0; i < rows; ++i)
        out << "die Stra\xDF"
               "e Nummer "
            << i << ";\"the street, number " << i << "\"\r\n";
    return name;
}

void CommandLineConversion(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString source = writeSource(folder, state.range(0));
    const std::u16string output = folder.filePath(QStringLiteral("liste.txt")).toStdU16String();
    for (auto _ : state) {
        const listimport::Conversion result =
            listimport::convert(listimport::readSourceFile(source.toStdU16String()), {});
        listimport::saveList(result.lines, output);
        benchmark::DoNotOptimize(result.lines.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CommandLineConversion)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

constexpr std::size_t kWorstBytes = 16 * 1024 * 1024;

enum WorstCase { kWidestRows, kShortPairs, kSemicolonLine, kThousandLanguages };

std::string repeated(const std::string& line)
{
    std::string text;
    text.reserve(kWorstBytes + line.size());
    while (text.size() < kWorstBytes)
        text += line;
    return text;
}

std::string worstSource(std::int64_t which)
{
    switch (which) {
        case kWidestRows:
            return "a;b\n" + repeated(std::string(listimport::kMaxColumns - 1, ';') + "x\n");
        case kShortPairs:
            return repeated("Hund12;dog34\nKatze5;cat678\n");
        case kSemicolonLine:
            return std::string(kWorstBytes, ';');
        default: {
            std::string text = "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>";
            for (int id = 0; id < 1000; ++id)
                text += "<identifier id=\"" + std::to_string(id) + "\"><name>L</name></identifier>";
            text += "</identifiers><entries>";
            for (int entry = 0; entry < 50000; ++entry)
                text += "<entry></entry>";
            return text + "</entries></kvtml>";
        }
    }
}

void WorstSources(benchmark::State& state)
{
    const std::string bytes = worstSource(state.range(0));
    const std::size_t before = mallinfo2().uordblks;
    std::size_t held = 0;
    for (auto _ : state) {
        try {
            const listimport::Source source = listimport::readSourceBytes(bytes);
            const listimport::Conversion result = listimport::convert(source, {});
            held = mallinfo2().uordblks - before;
            benchmark::DoNotOptimize(result.lines.data());
        } catch (const listimport::ImportError&) {
            held = 0;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["heapPerByte"] = static_cast<double>(held) / static_cast<double>(bytes.size());
}
BENCHMARK(WorstSources)
    ->Arg(kWidestRows)
    ->Arg(kShortPairs)
    ->Arg(kSemicolonLine)
    ->Arg(kThousandLanguages)
    ->Unit(benchmark::kMillisecond);

void PreviewOfWidestRows(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString source = folder.filePath(QStringLiteral("breit.csv"));
    std::ofstream(source.toStdString(), std::ios::binary) << worstSource(kWidestRows);
    lernwerk::Speaker speaker;
    lernwerk::ImportDialog dialog(bench::benchReporter(), speaker, folder.path() + QLatin1Char('/'));
    for (auto _ : state) {
        dialog.prepare(source, lernwerk::Language::English);
        dialog.show();
        dialog.repaint();
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(PreviewOfWidestRows)->Unit(benchmark::kMillisecond);

void PreviewOpens(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString source = writeSource(folder, state.range(0));
    lernwerk::Speaker speaker;
    lernwerk::ImportDialog dialog(bench::benchReporter(), speaker, folder.path() + QLatin1Char('/'));
    for (auto _ : state) {
        dialog.prepare(source, lernwerk::Language::English);
        dialog.show();
        dialog.findChild<QPlainTextEdit*>(QStringLiteral("importPreview"))->viewport()->repaint();
        dialog.repaint();
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PreviewOpens)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::runWindowBenchmarks(argc, argv); }
