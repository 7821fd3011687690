#include "lang/answer_check_texts.h"

namespace lernwerk {

const AnswerCheckTexts& answerCheckTexts()
{
    static const AnswerCheckTexts texts{
        .menuEntry = {QStringLiteral("Antwort mit Lösung vergleichen"), QStringLiteral("Compare Answer with Solution")},
        .asTyped = {QStringLiteral("%1 von %2 Lücken wie eingegeben"), QStringLiteral("%1 of %2 gaps as typed")},
        .asTypedOne = {QStringLiteral("%1 von 1 Lücke wie eingegeben"), QStringLiteral("%1 of 1 gap as typed")},
        .nearly = {QStringLiteral(", %1 beinahe"), QStringLiteral(", %1 nearly")},
        .gapAsTyped = {QStringLiteral("wie eingegeben: Sie schrieben „%1“"),
                       QStringLiteral("as typed: you typed '%1'")},
        .gapNearly = {QStringLiteral("beinahe: Sie schrieben „%1“"), QStringLiteral("nearly: you typed '%1'")},
        .gapMissing = {QStringLiteral("fehlt: nicht in Ihrer Antwort"), QStringLiteral("missing: not in your answer")},
        .legend = {QStringLiteral("Durchgehend unterstrichen: wie eingegeben; gewellt: beinahe; gepunktet und "
                                  "überstrichen: fehlt. Zeigen Sie auf eine Lücke, um zu sehen, was Sie schrieben."),
                   QStringLiteral("Solid underline: as typed; wavy: nearly; dotted with a line above: missing. "
                                  "Point at a gap to see what you typed.")},
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

QString gapVerdictText(quiz::GapVerdict verdict, const QString& typed, Language language)
{
    const AnswerCheckTexts& texts = answerCheckTexts();
    switch (verdict) {
        case quiz::GapVerdict::AsTyped:
            return texts.gapAsTyped.in(language).arg(typed);
        case quiz::GapVerdict::Nearly:
            return texts.gapNearly.in(language).arg(typed);
        case quiz::GapVerdict::Missing:
            break;
    }
    return texts.gapMissing.in(language);
}

}  // namespace lernwerk
