#include "lang/answer_check_texts.h"

namespace lernwerk {

const AnswerCheckTexts& answerCheckTexts()
{
    static const AnswerCheckTexts texts{
        .menuEntry = {QStringLiteral("Antwort mit Lösung vergleichen"), QStringLiteral("Compare Answer with Solution")},
        .asTyped = {QStringLiteral("%1 von %2 Lücken wie eingegeben"), QStringLiteral("%1 of %2 gaps as typed")},
        .asTypedOne = {QStringLiteral("%1 von 1 Lücke wie eingegeben"), QStringLiteral("%1 of 1 gap as typed")},
        .nearly = {QStringLiteral(", %1 beinahe"), QStringLiteral(", %1 nearly")},
    };
    return texts;
}

QString answerCheckSummary(const quiz::CheckCounts& counts, Language language)
{
    if (counts.gaps == 0)
        return {};
    const AnswerCheckTexts& texts = answerCheckTexts();
    QString summary = counts.gaps == 1 ? texts.asTypedOne.in(language).arg(counts.as_typed)
                                       : texts.asTyped.in(language).arg(counts.as_typed).arg(counts.gaps);
    if (counts.nearly > 0)
        summary += texts.nearly.in(language).arg(counts.nearly);
    return summary;
}

}  // namespace lernwerk
