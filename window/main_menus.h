#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "lang/interface_language.h"

class QAction;
class QMainWindow;
class QMenu;

namespace lernwerk {

enum class InfoTopic;
class ErrorReporter;
class InfoPageSet;
class ListsPage;
class MemoryRounds;
class MenuBuilder;
class ProgressPage;
class ProgressRecorder;
class QuestionFieldLook;
class Speaker;
class TrainerPage;

// The main window's menu bar: every entry with its name, connected straight
// to the part of the program that does its work.
class MainMenus : public QObject {
public:
    // What the entries work on.
    struct Parts {
        QMainWindow& window;
        const ErrorReporter& errors;
        InterfaceLanguage& language;
        Speaker& speaker;
        MemoryRounds& rounds;
        InfoPageSet& info;
        QuestionFieldLook& look;
        ProgressRecorder& progress;
        TrainerPage& trainer;
        ListsPage& lists;
        // The pages of the Windows menu, in its order: trainer, statistics, lists, editor.
        std::array<QWidget*, 4> pages;
        ProgressPage& progressPage;
        // Shows a page's tab and brings the page to the front.
        std::function<void(QWidget*)> showPage;
        // Shows the report window of the interface language.
        std::function<void()> showReport;
    };

    explicit MainMenus(Parts parts);

    // The captions, the software menu and the checked language in `language`.
    void retranslate(Language language);

private:
    QMenu* createFileMenu(MenuBuilder& menus);
    QMenu* createWindowsMenu(MenuBuilder& menus);
    QMenu* createSettingsMenu(MenuBuilder& menus);
    void createRetentionMenu(MenuBuilder& menus, QMenu* settings);
    // Checks the entry of the retention the progress file keeps.
    void showRetention();
    QMenu* createHelpMenu(MenuBuilder& menus);
    void showInfoPage(InfoTopic topic);

    Parts parts_;
    // Why a disabled entry of the File menu does nothing; empty for the others.
    QString whyUnavailable(QAction* entry) const;

    // The File menu's entries for the learner's memory.
    QAction* reviewDue_ = nullptr;
    QAction* repeatMissed_ = nullptr;
    QAction* saveMissed_ = nullptr;
    QAction* continueRound_ = nullptr;
    // The entries and the texts they show, for the language switch.
    std::vector<std::pair<QAction*, const Text*>> captions_;
    // The software menu of each language; one shows at a time.
    quiz::PerLanguage<QMenu*> softwareMenus_{nullptr, nullptr};
    // The entries of Settings > Language, in the order of the languages.
    std::vector<QAction*> languageEntries_;
    // The entries of Settings > Desired Retention and the chance of recall each stands for.
    std::vector<std::pair<QAction*, double>> retentionEntries_;
};

}  // namespace lernwerk
