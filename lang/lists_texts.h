#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The texts of the lists page.
struct ListsTexts {
    Text tab;
    Text heading;      // Label6
    Text currentList;  // Label7
    Text loadList;     // Button2
    Text newSession;   // Button1
    Text sampleName;   // aktuelleliste, while the sample list is loaded
    Text sampleList;   // Memo1, lines separated by LF
    // What a screen reader calls the fields.
    Text questionListName;  // Memo1
    Text statusColumnName;  // Memo2
    Text pathFieldName;     // Memo5, hidden
    // What a screen reader says when a list was loaded: %1 its file name, %2
    // its number of questions (lines that are not empty).
    Text loaded;
    Text loadedOneQuestion;
    // A dropped file on another computer; %1: its address.
    Text otherComputer;
};

const ListsTexts& listsPageTexts();

// The file type of question lists in the dialogs that save a new one (the
// import's, Save Missed As).
inline const Text kQuestionListsFilter{QStringLiteral("Fragenlisten (*.txt)"),
                                       QStringLiteral("Question lists (*.txt)")};
// The same as the list dialogs of the lists page and the editor show it, in both languages.
inline const QString kQuestionListFilter = kQuestionListsFilter.in(Language::German);

}  // namespace lernwerk
