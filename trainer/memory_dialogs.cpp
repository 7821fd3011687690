#include "trainer/memory_dialogs.h"

#include <QDir>
#include <QMessageBox>
#include <QWidget>

#include "lang/lists_texts.h"
#include "lang/progress_texts.h"

namespace lernwerk {

MemoryDialogs::MemoryDialogs(QWidget* window, const InterfaceLanguage& language)
    : window_(window),
      language_(language),
      // Asked before saving, once it is clear that the file is none the program keeps.
      missedFile_(
          window,
          {.name = "sdMissed", .filter = {}, .save = true, .defaultSuffix = QStringLiteral("txt"), .offeredFile = {}})
{
}

bool MemoryDialogs::ask(const QString& question) const
{
    return QMessageBox::question(window_, window_->windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool MemoryDialogs::confirmForget(int questions) const
{
    return ask(progressTexts().forgetQuestion.in(language_.current()).arg(questions));
}

bool MemoryDialogs::confirmReplaceRound(const QString& resultLine) const
{
    return ask(progressTexts().replaceRoundQuestion.in(language_.current()).arg(resultLine));
}

bool MemoryDialogs::confirmEndRoundForList(const QString& resultLine) const
{
    return ask(progressTexts().replaceRoundByListQuestion.in(language_.current()).arg(resultLine));
}

bool MemoryDialogs::confirmEndRoundForLanguage(const QString& resultLine) const
{
    return ask(progressTexts().replaceRoundByLanguageQuestion.in(language_.current()).arg(resultLine));
}

bool MemoryDialogs::confirmReplaceFile(const QString& file) const
{
    return ask(progressTexts().replaceQuestion.in(language_.current()).arg(file));
}

QString MemoryDialogs::chooseMissedFile(const QString& folder)
{
    const Language language = language_.current();
    const ProgressTexts& texts = progressTexts();
    if (!missedFolderSet_) {
        missedFile_.setFolder(folder);
        missedFolderSet_ = true;
    }
    missedFile_.setTexts(texts.saveMissedTitle.in(language), kQuestionListsFilter.in(language));
    // A name no file has yet, so that the default never replaces anything.
    const QDir shown(missedFile_.folder());
    const QString base = texts.missedFileName.in(language);
    QString offered = base + QStringLiteral(".txt");
    for (int n = 2; shown.exists(offered); ++n)
        offered = base + QLatin1Char(' ') + QString::number(n) + QStringLiteral(".txt");
    missedFile_.offer(offered);
    return missedFile_.choose();
}

}  // namespace lernwerk
