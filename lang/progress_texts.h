#pragma once

#include "lang/interface_language.h"
#include "memory/review_store.h"

namespace lernwerk {

// The learner's memory: its menu entries and what is said when its file cannot be used.
struct ProgressTexts {
    Text rememberEntry;
    // "%1" is the number of questions the round will ask.
    Text reviewDueEntry;
    Text repeatMissedEntry;
    Text saveMissedEntry;
    Text continueEntry;
    Text forgetEntry;
    // Settings > Desired Retention and its entries, one per chance of recall.
    Text retentionMenu;
    Text retention80;
    Text retention85;
    Text retention90;
    Text retention95;
    // "%1" is the number of questions of the list whose history goes.
    Text forgetQuestion;
    // The file name offered for the missed questions, without ".txt".
    Text missedFileName;
    // "%1" is the file chosen for the missed questions that is a question list.
    Text notOverList;
    // "%1" is the chosen file, which the program keeps (its progress or the last list).
    Text notOverKept;
    // The Save Missed dialog's title and its name filter.
    Text saveMissedTitle;
    // "%1" missed questions were saved in the file "%2".
    Text missedSaved;
    Text oneMissedSaved;  // "%1" the file
    // Forget Progress of This List.. was done: "%1" questions forgotten.
    Text forgotten;
    Text oneForgotten;
    // Repeat Missed begins: "%1" questions of the list "%2".
    Text repeatingMissed;
    Text repeatingOneMissed;  // "%1" the list
    // "%1" is the result line of the round in progress, which a new round would replace.
    Text replaceRoundQuestion;
    // "%1" is the result line of the round in progress, which another list would end.
    Text replaceRoundByListQuestion;
    // "%1" is the result line of the round in progress, which a language switch would end.
    Text replaceRoundByLanguageQuestion;
    // The round kept from an earlier run cannot go on and was dropped; the reviews stay.
    Text keptRoundDropped;
    // "%1" is the chosen file, which exists already.
    Text replaceQuestion;
    // "%1" is the file, "%2" the reason; the round goes on without memory.
    Text cannotUse;
    // "%1" is the damaged file, "%2" where it was moved.
    Text movedAside;
    Text corrupt;
    Text folder;
    Text unreadable;
    Text readOnly;
    Text locked;
    Text diskFull;
    Text notAFile;
    Text folderReadOnly;
    Text other;
};
const ProgressTexts& progressTexts();

// The one message a store that cannot be used gives: the file and the reason.
QString storeFailureMessage(const memory::StoreError& error, Language language);
// The file and the reason alone: "/home/a/progress.sqlite is damaged (...)".
QString storeFailureReason(const memory::StoreError& error, Language language);

}  // namespace lernwerk
