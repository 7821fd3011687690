// The import of a large delimited file: the command line's whole conversion
// (read, convert, save) and the preview's opening (read, convert, show the
// first lines and the counts, painted), at 1k, 10k and 100k rows of a
// Windows-1252 file with semicolons and a header row, as a spreadsheet in a
// German locale saves it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <fstream>
#include <string>

#include "desktop/speaker.h"
#include "import/conversion.h"
#include "import/source_file.h"
#include "lang/interface_language.h"
#include "lists/import_dialog.h"
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
