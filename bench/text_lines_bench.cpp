// ReadTextLines and SaveTextLines on a generated question list of about 50 MB (mostly ASCII,
// some umlauts, a few characters above U+FFFF), in every encoding. For comparison, in the
// same run: a plain read of each file, and the plain read followed by Qt's QStringDecoder.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStringDecoder>
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

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kListBytes = 50'000'000;  // as UTF-8

struct Encoding {
    const char* name;
    std::int32_t number;
};

constexpr std::array<Encoding, 7> kEncodings = {{
    {"UTF-8", textfile::kUtf8},
    {"ANSI", textfile::kAnsi},
    {"UTF-16LE", textfile::kUtf16Le},
    {"UTF-16BE", textfile::kUtf16Be},
    {"UTF-32LE", textfile::kUtf32Le},
    {"UTF-32BE", textfile::kUtf32Be},
    {"UTF-7", textfile::kUtf7},
}};

fs::path g_folder;
std::u16string g_list;

std::u16string Widen(const fs::path& path)
{
    const std::string name = path.string();
    return {name.begin(), name.end()};
}

fs::path ListFile(std::string_view encoding) { return g_folder / ("list-" + std::string(encoding) + ".txt"); }
fs::path SavedFile(std::string_view encoding) { return g_folder / ("saved-" + std::string(encoding) + ".txt"); }

// Lines like the ones users write: gaps in underscores, CR LF breaks.
std::u16string MakeQuestionList()
{
    static const std::u16string kWords[] = {
        u"Blau",  u"Gelb",       u"Rot",   u"sind",  u"die",    u"drei",   u"Grundfarben",   u"Hauptstadt",
        u"von",   u"Frankreich", u"ist",   u"Paris", u"Wasser", u"kocht",  u"bei",           u"Grad",
        u"the",   u"capital",    u"of",    u"Spain", u"is",     u"Madrid", u"Photosynthese", u"Licht",
        u"Grüße", u"Äpfel",      u"Größe", u"über",  u"Brücke", u"Öl",     u"Maß",           u"Tür",
    };
    static const std::u16string kRare[] = {u"\U0001F600", u"\U0001D11E", u"\U00020BB7"};
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> common(0, 23);
    std::uniform_int_distribution<std::size_t> any(0, std::size(kWords) - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> lineWords(6, 14);

    std::u16string list;
    list.reserve(kListBytes + kListBytes / 8);
    std::size_t utf8Bytes = 0;
    std::size_t line = 0;
    while (utf8Bytes < kListBytes) {
        std::u16string text = u"Frage " + std::u16string(u"0123456789").substr(line % 10, 1) + u":";
        const int words = lineWords(random);
        for (int w = 0; w < words; ++w) {
            const std::u16string& word = percent(random) < 85 ? kWords[common(random)] : kWords[any(random)];
            const bool gap = percent(random) < 15;
            text += u" ";
            if (gap)
                text += u"_";
            text += word;
            if (gap)
                text += u"_";
            if (percent(random) == 0)
                text += kRare[line % std::size(kRare)];
        }
        text += u".\r\n";
        for (const char16_t unit : text) {
            const bool surrogate = textfile::IsHighSurrogate(unit) || textfile::IsLowSurrogate(unit);
            utf8Bytes += unit < 0x80 ? 1 : unit < 0x800 || surrogate ? 2 : 3;
        }
        list += text;
        ++line;
    }
    return list;
}

std::string PlainRead(const fs::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    ::fstat(fd, &status);
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

void PlainWrite(const fs::path& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            break;
        done += static_cast<std::size_t>(written);
    }
    ::fsync(fd);
    ::close(fd);
}

void SetBytes(benchmark::State& state, const fs::path& file)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fs::file_size(file)));
}

void ReadTextLines(benchmark::State& state, const char* encoding)
{
    const fs::path file = ListFile(encoding);
    const std::u16string name = Widen(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(textfile::ReadTextLines(name));
    SetBytes(state, file);
}

void SaveTextLines(benchmark::State& state, const char* encoding, std::int32_t number)
{
    const fs::path file = SavedFile(encoding);
    const std::u16string name = Widen(file);
    for (auto _ : state)
        textfile::SaveTextLines(g_list, name, number);
    SetBytes(state, file);
}

void PlainReadOnly(benchmark::State& state, const char* encoding)
{
    const fs::path file = ListFile(encoding);
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainRead(file));
    SetBytes(state, file);
}

void PlainReadAndQtDecoder(benchmark::State& state, const char* encoding, QStringDecoder::Encoding qtEncoding)
{
    const fs::path file = ListFile(encoding);
    for (auto _ : state) {
        const std::string bytes = PlainRead(file);
        QStringDecoder decoder(qtEncoding);
        const QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        benchmark::DoNotOptimize(text.constData());
    }
    SetBytes(state, file);
}

void PlainWriteOnly(benchmark::State& state, const char* encoding)
{
    const std::string bytes = PlainRead(ListFile(encoding));
    const fs::path file = SavedFile(std::string("plain-") + encoding);
    for (auto _ : state)
        PlainWrite(file, bytes);
    SetBytes(state, file);
}

void Register()
{
    const auto ms = benchmark::kMillisecond;
    for (const Encoding& encoding : kEncodings) {
        benchmark::RegisterBenchmark((std::string("ReadTextLines/") + encoding.name).c_str(), ReadTextLines,
                                     encoding.name)
            ->Unit(ms);
    }
    benchmark::RegisterBenchmark("ReadTextLines/UTF-8 with LF breaks", ReadTextLines, "UTF-8-LF")->Unit(ms);
    benchmark::RegisterBenchmark("ReadTextLines/UTF-8 without signature", ReadTextLines, "UTF-8-plain")->Unit(ms);
    for (const char* name : {"UTF-8", "UTF-16LE", "UTF-16BE"}) {
        benchmark::RegisterBenchmark((std::string("Reference/PlainRead/") + name).c_str(), PlainReadOnly, name)
            ->Unit(ms);
    }
    benchmark::RegisterBenchmark("Reference/PlainRead+QStringDecoder/UTF-8", PlainReadAndQtDecoder, "UTF-8",
                                 QStringDecoder::Utf8)
        ->Unit(ms);
    benchmark::RegisterBenchmark("Reference/PlainRead+QStringDecoder/UTF-16LE", PlainReadAndQtDecoder, "UTF-16LE",
                                 QStringDecoder::Utf16LE)
        ->Unit(ms);
    benchmark::RegisterBenchmark("Reference/PlainRead+QStringDecoder/UTF-16BE", PlainReadAndQtDecoder, "UTF-16BE",
                                 QStringDecoder::Utf16BE)
        ->Unit(ms);
    for (const Encoding& encoding : kEncodings) {
        benchmark::RegisterBenchmark((std::string("SaveTextLines/") + encoding.name).c_str(), SaveTextLines,
                                     encoding.name, encoding.number)
            ->Unit(ms);
    }
    benchmark::RegisterBenchmark("Reference/PlainWrite+fsync/UTF-8", PlainWriteOnly, "UTF-8")->Unit(ms);
}

void PrepareFiles()
{
    std::string folder = (fs::temp_directory_path() / "bench_text_lines_XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr)
        std::abort();
    g_folder = folder;
    g_list = MakeQuestionList();
    for (const Encoding& encoding : kEncodings) {
        textfile::WriteTextFile(g_list, Widen(ListFile(encoding.name)), encoding.number, true);
    }
    std::u16string withLf;
    withLf.reserve(g_list.size());
    for (const char16_t unit : g_list) {
        if (unit != u'\r')
            withLf.push_back(unit);
    }
    textfile::WriteTextFile(withLf, Widen(ListFile("UTF-8-LF")), textfile::kUtf8, true);
    textfile::WriteTextFile(g_list, Widen(ListFile("UTF-8-plain")), textfile::kUtf8, false);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    PrepareFiles();
    Register();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(g_folder, ignored);
    return 0;
}
