#pragma once

#include <QString>

#include "dialogs/list_file_dialog.h"
#include "lang/interface_language.h"

class QWidget;

namespace lernwerk {

// What the rounds of the learner's memory ask: whether to forget a list's
// progress or to replace a round in progress, and where to save the missed
// lines. Each dialog speaks the interface language of the moment.
class MemoryDialogs {
public:
    MemoryDialogs(QWidget* window, const InterfaceLanguage& language);

    // "Forget the progress of this list's `questions` questions?"
    bool confirmForget(int questions) const;
    // A round with markings (its result line `resultLine`) would be replaced by a new one.
    bool confirmReplaceRound(const QString& resultLine) const;
    // A round with markings (its result line `resultLine`) would end as another list is loaded.
    bool confirmEndRoundForList(const QString& resultLine) const;
    // The same as the language is switched, which replaces the list by the sample list.
    bool confirmEndRoundForLanguage(const QString& resultLine) const;
    // The file for the missed lines: offered in `folder` (the first time) under a
    // name no file has yet; empty when the learner cancelled.
    QString chooseMissedFile(const QString& folder);
    // `file` exists already: replace it?
    bool confirmReplaceFile(const QString& file) const;

private:
    bool ask(const QString& question) const;

    QWidget* window_;
    const InterfaceLanguage& language_;
    ListFileDialog missedFile_;
    bool missedFolderSet_ = false;
};

}  // namespace lernwerk
