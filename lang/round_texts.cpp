#include "lang/round_texts.h"

namespace lernwerk {

namespace {

constexpr quiz::RoundTexts kGerman{
    .phase_asking = u"Fragerunde...",
    .phase_finished = u"Fertig!",
    .log_restart = u"Neustart...",
    .log_start = u"Start: ",
    .log_list = u"Ausgewählte Liste: ",
    .log_end = u"Ende: ",
    .log_closing = u"Fragerunde mit folgendem Ergebnis beendet:",
    .label_correct = u" Richtig - ",
    .label_trials = u" Trials - ",
    .label_wrong = u" Falsch - ",
    .label_clocked = u" Zurückgestellt",
    .log_hints = u"Tipps: ",
};

constexpr quiz::RoundTexts kEnglish{
    .phase_asking = u"Question Session...",
    .phase_finished = u"Ready!",
    .log_restart = u"Restart...",
    .log_start = u"Start: ",
    .log_list = u"Choosen List: ",
    .log_end = u"Finished: ",
    .log_closing = u"Question Session ended with this result:",
    .label_correct = u" Correct - ",
    .label_trials = u" Trials - ",
    .label_wrong = u" Wrong - ",
    .label_clocked = u" Clocked",
    .log_hints = u"Hints: ",
};

constexpr quiz::PerLanguage<quiz::RoundTexts> kTexts{kGerman, kEnglish};

}  // namespace

const quiz::RoundTexts& roundTexts(quiz::Language language) { return kTexts.in(language); }

}  // namespace lernwerk
