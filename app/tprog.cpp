#include "app/tprog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextBlock>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QScreen>
#include <QWindow>

#include "widgets/error_box_transition.h"
#include "app/dialogs_transition.h"
#include "lang/editor_texts.h"
#include "lang/lists_texts.h"
#include "lists/editor_page.h"
#include "lists/lists_page.h"
#include "widgets/status_column.h"
#include "widgets/memo_lists.h"
#include "widgets/page_control.h"
#include "widgets/status_bar.h"
#include "widgets/timestamp.h"
#include "app/tstart.h"
#include "dialogs/tbugreport.h"
#include "dialogs/tende.h"
#include "dialogs/template_menu.h"
#include "widgets/text_field.h"
#include "textfile/u_WideFunc.h"

namespace lernwerk {

namespace {

constexpr int kClientWidth = 771;
constexpr int kClientHeight = 543;
constexpr int kMinimumWidth = 600;
constexpr int kMinimumHeight = 440;

const QString kGermanLastList = QStringLiteral("LetzteFrageliste.txt");
const QString kEnglishLastList = QStringLiteral("LastQuestionnaire.txt");

}  // namespace

Tprog::Tprog(Tstart& start, QString programFolder)
    : QMainWindow(nullptr), start_(start), programFolder_(std::move(programFolder))
{
    setObjectName(QStringLiteral("prog"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);

    createStatusBar();
    createPages();
    createMenus();

    questions_ = std::make_unique<MemoQuestionList>(*lists_->questionField());
    status_ = std::make_unique<MemoStatusList>(*lists_->statusField());
    round_ = std::make_unique<quiz::Round>(*questions_, *status_, static_cast<quiz::RoundView&>(*this));

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) { watchFocus(now); });

    FormCreate();
}

Tprog::~Tprog() = default;

void Tprog::setDialogs(Tende* ende, Tbugreport* bugreportDe, Tbugreport* bugreportEn)
{
    ende_ = ende;
    bugreportDe_ = bugreportDe;
    bugreportEn_ = bugreportEn;
}

QString Tprog::flag() const
{
    return start_.language();
}

std::u16string Tprog::questionListText() const
{
    return fieldText(*lists_->questionField());
}

QWidget* Tprog::page(const char* name) const
{
    return blatt->findChild<QWidget*>(QString::fromLatin1(name));
}

void Tprog::showPage(QWidget* target)
{
    blatt->setPageVisible(target, true);
    blatt->selectPage(target);
}

void Tprog::hidePage(QWidget* target)
{
    blatt->setPageVisible(target, false);
}

// ---------------------------------------------------------------- life cycle

void Tprog::FormCreate()
{
    buildSoftwareMenus(control<QMenu>("m_soft_de"), control<QMenu>("m_soft_en"),
                       [this](QAction* entry) { guarded([this, entry] { BrowseToMenuCaption(entry); }); });
    sprache();
    scrollInfoPagesToTop();
    // Each file is read on its own: an unreadable German list shows its error
    // and the English one is still read, so closing in English cannot replace
    // the user's English list with the sample.
    guarded([this] { readLastListAtCreation(kGermanLastList); });
    guarded([this] { readLastListAtCreation(kEnglishLastList); });
}

void Tprog::readLastListAtCreation(const QString& fileName)
{
    const QString path = programFolder_ + fileName;
    if (!QFileInfo(path).isFile())
        return;
    setFieldText(*lists_->questionField(), textfile::ReadTextFile(path.toStdU16String()));
}

void Tprog::handOver()
{
    if (!shownOnce_) {
        shownOnce_ = true;
        handOverPending_ = true;
    }
    show();
    raise();
    activateWindow();
}

void Tprog::FormShow()
{
    // The main window carries its own taskbar entry on this platform; the
    // start screen never has one. Nothing to do.
}

void Tprog::watchFocus(QWindow* now)
{
    if (now && (now->type() == Qt::Popup || now->type() == Qt::ToolTip))
        return;  // menus and tool tips come and go without counting
    // A guarded pointer: the window that had the focus before (a message box,
    // a file dialog) may be destroyed by now.
    const QPointer<QWindow> before = lastFocusWindow_;
    lastFocusWindow_ = now;
    if (!now || now != windowHandle())
        return;

    // The hand-over counts as coming from the start screen even where the
    // window manager never gave the borderless start screen the focus.
    const bool fromHandOver = handOverPending_;
    handOverPending_ = false;
    const bool fromOwnWindow = before && before != now && before->modality() == Qt::NonModal;
    if (fromHandOver || fromOwnWindow)
        guarded([this] { FormActivate(); });
}

void Tprog::FormActivate()
{
    round_->clear_tallies();
    if (lists_->restoreNamedList(programFolder_ + kGermanLastList))
        Button1Click();
}

bool Tprog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && (watched == tb1 || watched == editor))
        FormResize();
    return QMainWindow::eventFilter(watched, event);
}

void Tprog::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void Tprog::FormResize()
{
    layoutTrainerPage(tb1->width(), tb1->height());
}

void Tprog::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    FormShow();
}

void Tprog::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

bool Tprog::FormCloseQuery()
{
    if (!ende_)
        return true;
    transitionalLanguage().set(language());
    ende_->retranslate(language());
    // The dialog is left through its OK only; should it return any other
    // way, nothing was decided and the program goes on.
    return ende_->exec() == QDialog::Accepted;
}

void Tprog::FormClose()
{
    start_.close();
}

void Tprog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->modifiers() & ~Qt::KeypadModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // A focused button takes Enter for itself; anywhere else but in a text
    // field Enter means "Richtig", when that button can be pressed.
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        if (focused->isEnabled())
            focused->click();
        return;
    }
    if (bt_correct->isVisible() && bt_correct->isEnabled())
        bt_correct->click();
}

// ---------------------------------------------------------------- menus

void Tprog::p1Click()
{
    Button1Click();
}

void Tprog::p2Click()
{
    showPage(editor);
}

void Tprog::p3Click()
{
    close();
}

void Tprog::f1Click()
{
    showPage(tb1);
}

void Tprog::f2Click()
{
    showPage(page("tb2"));
}

void Tprog::f3Click()
{
    showPage(page("tb3"));
}

void Tprog::f4Click()
{
    p2Click();
}

void Tprog::m_bugClick()
{
    Tbugreport* dialog = flag() == kGerman ? bugreportDe_ : bugreportEn_;
    if (!dialog)
        return;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Tprog::m_bug_iClick()
{
    m_bugClick();
}

// ---------------------------------------------------------------- lists and editor pages

QWidget* Tprog::createListsPage()
{
    lists_ = new ListsPage(transitionalReporter());
    connect(lists_, &ListsPage::newSessionRequested, this, [this] { guarded([this] { Button1Click(); }); });
    return lists_;
}

QWidget* Tprog::createEditorPage()
{
    editor_ = new EditorPage(transitionalReporter());
    connect(editor_, &EditorPage::closeRequested, this, [this] { guarded([this] { hidePage(editor_); }); });
    connect(editor_, &EditorPage::listHandedOver, this, [this](const QStringList& lines, const QString& name) {
        guarded([&] {
            lists_->takeList(lines, name);
            Button1Click();
        });
    });
    return editor_;
}

// Lists > "Liste Laden..": loads a list file into the question list.
void Tprog::Button2Click() { lists_->loadList(); }
// Editor > "Liste Erstellen": appends the question lines built from the input.
void Tprog::Button7Click() { editor_->buildList(); }
// Editor > "Input Löschen": empties the input.
void Tprog::Button8Click() { editor_->clearInput(); }
// Editor > "Input Laden": loads a text file into the input.
void Tprog::Button9Click() { editor_->loadInput(); }
// Editor > "Output Löschen": empties the output.
void Tprog::Button10Click() { editor_->clearOutput(); }
// Editor > "Output Speichern": saves the output as a list file.
void Tprog::Button11Click() { editor_->saveOutput(); }
// Editor > "Editor Schließen": hides the editor page.
void Tprog::Button12Click() { editor_->closeEditor(); }
// Editor > "Lernwerk..": the output becomes the question list and a round starts.
void Tprog::Button13Click() { editor_->handOverList(); }

// ---------------------------------------------------------------- the round's view

quiz::Language Tprog::language() const
{
    return flag() == kGerman ? quiz::Language::German : quiz::Language::English;
}

std::u16string Tprog::timestamp() const
{
    return logTimestamp(QDateTime::currentDateTime(), QLocale::system()).toStdU16String();
}

std::u16string Tprog::list_name() const
{
    return lists_->listName().toStdU16String();
}

void Tprog::enable_trainer()
{
    for (QWidget* control : {static_cast<QWidget*>(bt_correct), static_cast<QWidget*>(bt_wrong),
                             static_cast<QWidget*>(bt_clock), static_cast<QWidget*>(bt_solve),
                             static_cast<QWidget*>(frage), static_cast<QWidget*>(antwort),
                             static_cast<QWidget*>(loesung)})
        control->setEnabled(true);
}

void Tprog::show_trainer_page()
{
    blatt->selectPage(tb1);
}

void Tprog::set_phase(std::u16string_view text)
{
    anzeige->setPanelText(0, QString::fromStdU16String(std::u16string(text)));
}

void Tprog::set_result(std::u16string_view text)
{
    anzeige->setPanelText(1, QString::fromStdU16String(std::u16string(text)));
}

void Tprog::append_log(std::u16string_view line)
{
    Memo3->appendPlainText(QString::fromStdU16String(std::u16string(line)));
}

void Tprog::clear_fields()
{
    frage->clear();
    antwort->clear();
    loesung->clear();
}

void Tprog::show_question(std::u16string_view text)
{
    frage->setPlainText(QString::fromStdU16String(std::u16string(text)));
}

void Tprog::show_solution(std::u16string_view text)
{
    loesung->setPlainText(QString::fromStdU16String(std::u16string(text)));
}

void Tprog::finish_trainer()
{
    for (QPushButton* button : {bt_correct, bt_wrong, bt_clock, bt_solve})
        button->setEnabled(false);
    clear_fields();
    for (QPlainTextEdit* field : {frage, antwort, loesung})
        field->setEnabled(false);
}

}  // namespace lernwerk
