#include "lang/progress_texts.h"

#include <utility>

#include "textfile/file_names.h"

namespace lernwerk {

const ProgressTexts& progressTexts()
{
    static const ProgressTexts texts{
        .rememberEntry = {QStringLiteral("Fortschritt merken"), QStringLiteral("Remember Progress")},
        .reviewDueEntry = {QStringLiteral("Fällige Fragen üben (%1)"), QStringLiteral("Review Due Questions (%1)")},
        .repeatMissedEntry = {QStringLiteral("Verpasste wiederholen"), QStringLiteral("Repeat Missed")},
        .saveMissedEntry = {QStringLiteral("Verpasste speichern unter.."), QStringLiteral("Save Missed As...")},
        .continueEntry = {QStringLiteral("Letzte Runde fortsetzen"), QStringLiteral("Continue Last Round")},
        .forgetEntry = {QStringLiteral("Fortschritt dieser Liste vergessen.."),
                        QStringLiteral("Forget Progress of This List..")},
        .retentionMenu = {QStringLiteral("Gewünschte Behaltensquote"), QStringLiteral("Desired Retention")},
        .retention80 = {QStringLiteral("80 % (weniger Wiederholungen)"), QStringLiteral("80 % (fewer reviews)")},
        .retention85 = {QStringLiteral("85 %"), QStringLiteral("85 %")},
        .retention90 = {QStringLiteral("90 % (Standard)"), QStringLiteral("90 % (default)")},
        .retention95 = {QStringLiteral("95 % (mehr Wiederholungen)"), QStringLiteral("95 % (more reviews)")},
        .forgetQuestion = {QStringLiteral("Den Fortschritt der %1 Fragen dieser Liste vergessen? Das kann nicht "
                                          "rückgängig gemacht werden."),
                           QStringLiteral("Forget the progress of this list's %1 questions? This cannot be undone.")},
        .missedFileName = {QStringLiteral("Verpasst"), QStringLiteral("Missed")},
        .notOverList = {QStringLiteral("%1 ist eine Fragenliste und wird nicht überschrieben. Bitte einen anderen "
                                       "Namen wählen."),
                        QStringLiteral("%1 is a question list and is not overwritten. Please choose another name.")},
        .notOverKept = {QStringLiteral("In %1 merkt sich das Programm Ihre Liste oder Ihren Fortschritt; es wird "
                                       "nicht überschrieben. Bitte einen anderen Namen wählen."),
                        QStringLiteral("%1 is where the program keeps your list or your progress and is not "
                                       "overwritten. Please choose another name.")},
        .saveMissedTitle = {QStringLiteral("Verpasste speichern unter"), QStringLiteral("Save Missed As")},
        .missedSaved = {QStringLiteral("%1 verpasste Fragen gespeichert in %2."),
                        QStringLiteral("%1 missed questions saved in %2.")},
        .oneMissedSaved = {QStringLiteral("1 verpasste Frage gespeichert in %1."),
                           QStringLiteral("1 missed question saved in %1.")},
        .forgotten = {QStringLiteral("Der Fortschritt von %1 Fragen ist vergessen."),
                      QStringLiteral("Forgot the progress of %1 questions.")},
        .oneForgotten = {QStringLiteral("Der Fortschritt von 1 Frage ist vergessen."),
                         QStringLiteral("Forgot the progress of 1 question.")},
        .repeatingMissed = {QStringLiteral("Verpasste wiederholen: %1 Fragen aus %2."),
                            QStringLiteral("Repeat Missed: %1 questions of %2.")},
        .repeatingOneMissed = {QStringLiteral("Verpasste wiederholen: 1 Frage aus %1."),
                               QStringLiteral("Repeat Missed: 1 question of %1.")},
        .replaceRoundQuestion = {QStringLiteral("Eine Runde läuft (%1). Sie beenden und eine neue beginnen?"),
                                 QStringLiteral("A round is in progress (%1). End it and begin a new one?")},
        .replaceRoundByListQuestion = {QStringLiteral("Eine Runde läuft (%1). Sie beenden und die andere Liste laden?"),
                                       QStringLiteral("A round is in progress (%1). End it and load the other list?")},
        .replaceRoundByLanguageQuestion = {QStringLiteral("Eine Runde läuft (%1). Sie beenden und die Sprache "
                                                          "wechseln?"),
                                           QStringLiteral("A round is in progress (%1). End it and switch the "
                                                          "language?")},
        .keptRoundDropped = {QStringLiteral("Die zuletzt unterbrochene Runde passt nicht zur Liste und kann nicht "
                                            "fortgesetzt werden. Sie wurde verworfen; was Sie gelernt haben, bleibt "
                                            "gemerkt."),
                             QStringLiteral("The round left last time does not fit the list and cannot be continued. "
                                            "It was dropped; what you have learnt stays remembered.")},
        .replaceQuestion = {QStringLiteral("%1 gibt es schon. Ersetzen?"),
                            QStringLiteral("%1 already exists. Replace it?")},
        .cannotUse = {QStringLiteral("Der Fortschritt kann nicht gemerkt werden: %1 %2.\n"
                                     "Die Runde geht ohne ihn weiter."),
                      QStringLiteral("Progress cannot be remembered: %1 %2.\nThe round goes on without it.")},
        .movedAside = {QStringLiteral("Die Fortschrittsdatei %1 war beschädigt. Sie wurde nach %2 verschoben, "
                                      "und eine neue wurde angelegt."),
                       QStringLiteral("The progress file %1 was damaged. It was moved to %2, and a new one was "
                                      "made.")},
        .corrupt = {QStringLiteral("ist beschädigt"), QStringLiteral("is damaged")},
        .folder = {QStringLiteral("ist ein Ordner"), QStringLiteral("is a folder")},
        .unreadable = {QStringLiteral("kann nicht gelesen werden"), QStringLiteral("cannot be read")},
        .readOnly = {QStringLiteral("kann nicht geschrieben werden"), QStringLiteral("cannot be written")},
        .locked = {QStringLiteral("ist von einem anderen Programm gesperrt"),
                   QStringLiteral("is locked by another program")},
        .diskFull = {QStringLiteral("kann nicht geschrieben werden, der Datenträger ist voll"),
                     QStringLiteral("cannot be written, the disk is full")},
        .notAFile = {QStringLiteral("ist keine gewöhnliche Datei"), QStringLiteral("is no regular file")},
        .folderReadOnly = {QStringLiteral("kann nicht angelegt werden, sein Ordner ist schreibgeschützt"),
                           QStringLiteral("cannot be made, its folder is read-only")},
        .other = {QStringLiteral("kann nicht benutzt werden"), QStringLiteral("cannot be used")},
    };
    return texts;
}

namespace {

// The file as the learner reads its name, and why it cannot be used.
std::pair<QString, QString> storeFailure(const memory::StoreError& error, Language language)
{
    const ProgressTexts& texts = progressTexts();
    const Text* reason = &texts.other;
    switch (error.problem()) {
        case memory::StoreProblem::Corrupt:
            reason = &texts.corrupt;
            break;
        case memory::StoreProblem::Folder:
            reason = &texts.folder;
            break;
        case memory::StoreProblem::Unreadable:
            reason = &texts.unreadable;
            break;
        case memory::StoreProblem::ReadOnly:
            reason = &texts.readOnly;
            break;
        case memory::StoreProblem::Locked:
            reason = &texts.locked;
            break;
        case memory::StoreProblem::DiskFull:
            reason = &texts.diskFull;
            break;
        case memory::StoreProblem::NotAFile:
            reason = &texts.notAFile;
            break;
        case memory::StoreProblem::FolderReadOnly:
            reason = &texts.folderReadOnly;
            break;
        case memory::StoreProblem::Other:
            break;
    }
    QString why = reason->in(language);
    if (!error.detail().empty())
        why += QStringLiteral(" (") + QString::fromStdString(error.detail()) + QLatin1Char(')');
    const QString file =
        QString::fromStdU16String(textfile::ReadableName(textfile::NameFromBytes(error.path().native())));
    return {file, why};
}

}  // namespace

QString storeFailureMessage(const memory::StoreError& error, Language language)
{
    const auto [file, why] = storeFailure(error, language);
    return progressTexts().cannotUse.in(language).arg(file, why);
}

QString storeFailureReason(const memory::StoreError& error, Language language)
{
    const auto [file, why] = storeFailure(error, language);
    return file + QLatin1Char(' ') + why;
}

}  // namespace lernwerk
