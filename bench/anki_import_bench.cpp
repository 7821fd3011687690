// An Anki package of 50 000 notes in the latest layout (a zstd stream inside
// the zip), converted as the command line does: unpacked into its temporary
// folder, read, made lines and saved. Eight notes in ten are Basic, one is
// Basic (and reversed card), one a cloze note of two clozes, as
// tools/make_anki_packages.py --notes writes them at build time.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "import/anki_package.h"
#include "import/conversion.h"

namespace {

std::u16string wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

void PackageConversion(benchmark::State& state)
{
    const std::u16string package = wide(LARGE_ANKI_PACKAGE);
    const std::filesystem::path output = std::filesystem::temp_directory_path() / "bench-anki-list.txt";
    std::size_t lines = 0;
    for (auto _ : state) {
        const listimport::Conversion result = listimport::convert(listimport::readAnkiPackage(package), {});
        listimport::saveList(result.lines, wide(output.string()));
        lines = result.lines.size();
        benchmark::DoNotOptimize(result.lines.data());
    }
    std::filesystem::remove(output);
    state.counters["lines"] = static_cast<double>(lines);
    state.SetItemsProcessed(state.iterations() * 50000);
}
BENCHMARK(PackageConversion)->Unit(benchmark::kMillisecond);

// The reading alone, without the conversion and the save.
void PackageRead(benchmark::State& state)
{
    const std::u16string package = wide(LARGE_ANKI_PACKAGE);
    for (auto _ : state) {
        const listimport::Source source = listimport::readAnkiPackage(package);
        benchmark::DoNotOptimize(source.records.data());
    }
    state.SetItemsProcessed(state.iterations() * 50000);
}
BENCHMARK(PackageRead)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
