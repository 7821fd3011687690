#include "import/conversion.h"

#include <unordered_map>

#include "import/field_text.h"
#include "quiz/gaps.h"
#include "quiz/pair_lines.h"
#include "textfile/encodings.h"
#include "textfile/text_lines.h"

namespace listimport {

namespace {

bool holdsGapMark(std::u16string_view text) { return text.find(quiz::kGapMark) != std::u16string_view::npos; }

std::u16string fieldAt(const Record& record, std::size_t column)
{
    const std::u16string* text = fieldIn(record.fields, column);
    return text ? tidyField(*text) : std::u16string();
}

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
        else if (!record.clue.empty())
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
        for (std::size_t i = 0; i < record.fields.size() && text.empty(); ++i)
            text = tidyField(record.fields[i].text);
        const std::u16string clue = tidyField(record.clue);
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

void countLookAlikes(Conversion& result)
{
    std::unordered_map<std::u16string, std::size_t> questions;
    questions.reserve(result.lines.size());
    for (const std::u16string& line : result.lines)
        ++questions[quiz::blank_gaps(line)];
    for (const auto& [question, count] : questions) {
        if (count < 2)
            continue;
        result.lookAlikeLines += count;
        if (count > result.lookAlikeCount || (count == result.lookAlikeCount && question < result.lookAlikeQuestion)) {
            result.lookAlikeCount = count;
            result.lookAlikeQuestion = question;
        }
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

std::u16string listText(const std::vector<std::u16string>& lines)
{
    std::u16string text;
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
