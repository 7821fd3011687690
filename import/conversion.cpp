#include "import/conversion.h"

#include <algorithm>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "import/field_text.h"
#include "quiz/gaps.h"
#include "quiz/pair_lines.h"
#include "textfile/encodings.h"
#include "textfile/text_lines.h"

namespace listimport {

namespace {

bool holdsGapMark(std::u16string_view text) { return text.find(quiz::kGapMark) != std::u16string_view::npos; }

std::u16string fieldAt(const Record& record, std::size_t column) { return tidyField(record.fields.in(column)); }

// The line that shows one side and asks the other; an asked side that marks
// its blanks with square brackets is asked for those parts only.
std::u16string lineAsking(const std::u16string& shown, const std::u16string& asked)
{
    if (auto gapped = bracketsToGaps(asked))
        return shown + std::u16string(quiz::kPartSeparator) + *gapped;
    return quiz::pairLine(shown, asked);
}

class Converter {
public:
    Converter(const ConversionChoices& choices, Conversion& result) : choices_(choices), result_(result) {}

    void take(const Record& record)
    {
        if (record.clozeField)
            takeCloze(fieldAt(record, *record.clozeField));
        else if (!record.clue().empty())
            takeClue(record);
        else
            takePair(fieldAt(record, choices_.firstColumn), fieldAt(record, choices_.secondColumn));
    }

private:
    void skip(SkipReason reason) { ++result_.skipped[static_cast<std::size_t>(reason)]; }

    bool usable(const std::u16string& first, const std::u16string& second)
    {
        if (first.empty() || second.empty()) {
            skip(SkipReason::EmptySide);
            return false;
        }
        if (holdsGapMark(first) || holdsGapMark(second)) {
            skip(SkipReason::Underscore);
            return false;
        }
        return true;
    }

    void takeCloze(const std::u16string& field)
    {
        if (!usable(field, field))
            return;
        result_.lines.push_back(clozeToGaps(field, result_.hintsDropped));
    }

    void takeClue(const Record& record)
    {
        std::u16string text;
        for (const Field field : record.fields) {
            if (field.column == Record::kClueColumn || !text.empty())
                break;
            text = tidyField(field.text);
        }
        const std::u16string clue = tidyField(record.clue());
        if (usable(clue, text))
            result_.lines.push_back(lineAsking(clue, text));
    }

    void takePair(const std::u16string& first, const std::u16string& second)
    {
        if (!usable(first, second))
            return;
        const bool bracketed = bracketsToGaps(first) || bracketsToGaps(second);
        const quiz::PairAsk ask{.first = choices_.ask != Ask::Second, .second = choices_.ask != Ask::First};
        if (!bracketed) {
            quiz::appendPairLines(first, second, ask, result_.lines);
            return;
        }
        if (ask.first)
            result_.lines.push_back(lineAsking(second, first));
        if (ask.second)
            result_.lines.push_back(lineAsking(first, second));
    }

    const ConversionChoices& choices_;
    Conversion& result_;
};

// The questions are compared by a hash of each, kept in one sorted array, so
// that a large list needs no second copy of its text; lines whose hashes are
// alike are compared by their text.
void countLookAlikes(Conversion& result)
{
    const auto hashOf = [](const std::u16string& line) { return std::hash<std::u16string>{}(quiz::blank_gaps(line)); };
    std::vector<std::pair<std::size_t, std::size_t>> hashes;  // hash, line
    hashes.reserve(result.lines.size());
    for (std::size_t i = 0; i < result.lines.size(); ++i)
        hashes.emplace_back(hashOf(result.lines[i]), i);
    std::sort(hashes.begin(), hashes.end());
    for (std::size_t first = 0; first < hashes.size();) {
        std::size_t end = first + 1;
        while (end < hashes.size() && hashes[end].first == hashes[first].first)
            ++end;
        if (end - first >= 2) {
            // One hash, most likely one question; count each question apart.
            std::map<std::u16string, std::size_t> questions;
            for (std::size_t i = first; i < end; ++i)
                ++questions[quiz::blank_gaps(result.lines[hashes[i].second])];
            for (const auto& [question, count] : questions) {
                if (count < 2)
                    continue;
                result.lookAlikeLines += count;
                if (count > result.lookAlikeCount ||
                    (count == result.lookAlikeCount && question < result.lookAlikeQuestion)) {
                    result.lookAlikeCount = count;
                    result.lookAlikeQuestion = question;
                }
            }
        }
        first = end;
    }
}

}  // namespace

Conversion convert(const Source& source, const ConversionChoices& choices)
{
    Conversion result;
    result.lines.reserve(source.records.size() * (choices.ask == Ask::Both ? 2 : 1));
    Converter converter(choices, result);
    for (const Record& record : source.records)
        converter.take(record);
    countLookAlikes(result);
    return result;
}

Conversion convert(Source&& source, const ConversionChoices& choices)
{
    Conversion result;
    result.lines.reserve(source.records.size() * (choices.ask == Ask::Both ? 2 : 1));
    Converter converter(choices, result);
    for (Record& record : source.records) {
        converter.take(record);
        record = {};
    }
    std::vector<Record>().swap(source.records);
    countLookAlikes(result);
    return result;
}

std::u16string listText(const std::vector<std::u16string>& lines)
{
    std::size_t size = 0;
    for (const std::u16string& line : lines)
        size += line.size() + 2;
    std::u16string text;
    text.reserve(size);
    for (const std::u16string& line : lines) {
        if (!text.empty())
            text.append(u"\r\n");
        text.append(line);
    }
    return text;
}

void saveList(const std::vector<std::u16string>& lines, const std::u16string& fileName)
{
    const std::u16string text = listText(lines);
    textfile::SaveTextLines(text, fileName, quiz::needsUnicodeFile(text) ? textfile::kUtf8 : textfile::kAnsi);
}

}  // namespace listimport
