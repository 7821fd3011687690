// Each optimisation of the codec against the same code without it, in one run: ReadTextLines
// of question lists of 1k, 100k and 1M lines (1M lines are about 70 MB), once as built and once
// from a copy of the codec compiled with one optimisation switched off:
//   plain ASCII scan  the UTF-8 and Windows-1252 decoders without their SSE2 blocks,
//   plain break scan  the line-break normalising without its SSE2 blocks,
//   no huge pages     large buffers without the huge-page advice.
// The files: UTF-8 with signature and CR LF breaks (what the program saves), the same without
// signature (strict UTF-8 detection), with LF breaks (normalised after decoding), and
// Windows-1252 (detection fails at the first umlaut, then the 1252 decoder).
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "textfile/encodings.h"
#include "textfile/text_file_codec.h"
#include "textfile/text_lines.h"

// The copies of the codec built with one optimisation off (see CMakeLists.txt).
namespace textfile_plain_ascii_scan {
std::u16string ReadTextLines(const std::u16string& fileName);
}
namespace textfile_plain_break_scan {
std::u16string ReadTextLines(const std::u16string& fileName);
}
namespace textfile_no_huge_pages {
std::u16string ReadTextLines(const std::u16string& fileName);
}

namespace {

namespace fs = std::filesystem;

using Reader = std::u16string (*)(const std::u16string&);

struct Variant {
    const char* name;
    Reader read;
};

constexpr std::array<Variant, 4> kVariants = {{
    {"optimised", &textfile::ReadTextLines},
    {"plain ASCII scan", &textfile_plain_ascii_scan::ReadTextLines},
    {"plain break scan", &textfile_plain_break_scan::ReadTextLines},
    {"no huge pages", &textfile_no_huge_pages::ReadTextLines},
}};

struct FileKind {
    const char* name;
    std::int32_t encoding;
    bool withSignature;
    bool lfBreaks;
};

constexpr std::array<FileKind, 4> kFileKinds = {{
    {"UTF-8", textfile::kUtf8, true, false},
    {"UTF-8 without signature", textfile::kUtf8, false, false},
    {"UTF-8 LF", textfile::kUtf8, true, true},
    {"Windows-1252", textfile::kAnsi, false, false},
}};

constexpr std::array<int, 3> kLineCounts = {1'000, 100'000, 1'000'000};

fs::path g_folder;

std::u16string Widen(const fs::path& path)
{
    const std::string name = path.string();
    return {name.begin(), name.end()};
}

fs::path FileOf(const FileKind& kind, int lines)
{
    return g_folder / (std::string(kind.name) + "-" + std::to_string(lines) + ".txt");
}

// Lines like the ones users write: gaps in underscores, some umlauts, now and then a character
// above U+FFFF (not in Windows-1252 files, which cannot hold one).
std::u16string MakeQuestionList(int lines, bool astral, bool lfBreaks)
{
    static const std::u16string kWords[] = {
        u"Blau",  u"Gelb",       u"Rot",   u"sind",  u"die",    u"drei",   u"Grundfarben",   u"Hauptstadt",
        u"von",   u"Frankreich", u"ist",   u"Paris", u"Wasser", u"kocht",  u"bei",           u"Grad",
        u"the",   u"capital",    u"of",    u"Spain", u"is",     u"Madrid", u"Photosynthese", u"Licht",
        u"Grüße", u"Äpfel",      u"Größe", u"über",  u"Brücke", u"Öl",     u"Maß",           u"Tür",
    };
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> common(0, 23);
    std::uniform_int_distribution<std::size_t> any(0, std::size(kWords) - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> lineWords(6, 14);
    std::u16string list;
    for (int line = 0; line < lines; ++line) {
        list += u"Frage:";
        const int words = lineWords(random);
        for (int w = 0; w < words; ++w) {
            const bool gap = percent(random) < 15;
            list += gap ? u" _" : u" ";
            list += percent(random) < 85 ? kWords[common(random)] : kWords[any(random)];
            if (gap)
                list += u"_";
            if (astral && percent(random) == 0)
                list += u"\U0001F600";
        }
        list += lfBreaks ? u".\n" : u".\r\n";
    }
    return list;
}

void Read(benchmark::State& state, Reader read, const FileKind* kind, int lines)
{
    const fs::path file = FileOf(*kind, lines);
    const std::u16string name = Widen(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(read(name));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fs::file_size(file)));
}

void PrepareAndRegister()
{
    std::string folder = (fs::temp_directory_path() / "bench_codec_options_XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        std::abort();
    g_folder = folder;
    for (const FileKind& kind : kFileKinds) {
        for (const int lines : kLineCounts) {
            const std::u16string list = MakeQuestionList(lines, kind.encoding != textfile::kAnsi, kind.lfBreaks);
            textfile::WriteTextFile(list, Widen(FileOf(kind, lines)), kind.encoding, kind.withSignature);
        }
    }
    // Variants of one file side by side in the output.
    for (const FileKind& kind : kFileKinds) {
        for (const int lines : kLineCounts) {
            for (const Variant& variant : kVariants) {
                const std::string name =
                    std::string("ReadTextLines/") + kind.name + "/" + std::to_string(lines) + " lines/" + variant.name;
                benchmark::RegisterBenchmark(name.c_str(), Read, variant.read, &kind, lines)
                    ->Unit(benchmark::kMicrosecond);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    PrepareAndRegister();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(g_folder, ignored);
    return 0;
}
