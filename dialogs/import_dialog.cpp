#include "dialogs/import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

#include "desktop/error_reporter.h"
#include "desktop/last_list_files.h"
#include "desktop/speaker.h"
#include "dialogs/import_report.h"
#include "import/anki_package.h"
#include "import/delimited.h"
#include "import/source_file.h"
#include "lang/import_texts.h"
#include "lang/lists_texts.h"
#include "textfile/encodings.h"
#include "textfile/file_names.h"

namespace lernwerk {

namespace {

using listimport::Ask;
using listimport::Format;

struct EncodingName {
    std::int32_t encoding;
    const char* name;
};
// The encodings offered, and the names of those a signature can name besides.
constexpr EncodingName kEncodings[] = {
    {textfile::kUtf8, "UTF-8"},        {textfile::kUtf16Le, "UTF-16 LE"}, {textfile::kUtf16Be, "UTF-16 BE"},
    {textfile::kAnsi, "Windows-1252"}, {textfile::kUtf7, "UTF-7"},        {textfile::kUtf32Le, "UTF-32 LE"},
    {textfile::kUtf32Be, "UTF-32 BE"},
};
constexpr int kOfferedEncodings = 4;
// The decks of a package shown at once; more scroll.
constexpr int kDeckRowsShown = 6;
// Room below the last deck, so that it does not touch the frame.
constexpr int kDeckListMargin = 4;

QString encodingName(std::int32_t encoding)
{
    for (const EncodingName& known : kEncodings)
        if (known.encoding == encoding)
            return QString::fromLatin1(known.name);
    return QString::number(encoding);
}

QString separatorName(char16_t separator, Language language)
{
    const ImportTexts& texts = importTexts();
    switch (separator) {
        case u'\t':
            return texts.tab.in(language);
        case u';':
            return texts.semicolon.in(language);
        case u',':
            return texts.comma.in(language);
        case u'|':
            return texts.pipe.in(language);
        default:
            return texts.otherSeparator.in(language).arg(QChar(separator));
    }
}

QString formatName(Format format, Language language)
{
    const ImportTexts& texts = importTexts();
    switch (format) {
        case Format::Kvtml2:
            return texts.kvtml2.in(language);
        case Format::Kvtml1:
            return texts.kvtml1.in(language);
        case Format::Delimited:
            return texts.delimited.in(language);
        case Format::Anki:
            return texts.anki.in(language);
        case Format::AnkiPackage:
            return texts.ankiPackage.in(language);
    }
    return {};
}

QLabel* namedLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QComboBox* namedCombo(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    return combo;
}

bool isText(Format format) { return format == Format::Delimited || format == Format::Anki; }

}  // namespace

ImportDialog::ImportDialog(ErrorReporter& errors, Speaker& speaker, QString programFolder, QWidget* parent)
    : QDialog(parent), errors_(errors), speaker_(speaker), programFolder_(std::move(programFolder))
{
    setObjectName(QStringLiteral("importDialog"));
    setModal(true);
    build();
}

void ImportDialog::build()
{
    auto* layout = new QVBoxLayout(this);
    sourceLabel_ = namedLabel(this, "importSource");
    sourceLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    sourceLabel_->setWordWrap(true);
    layout->addWidget(sourceLabel_);

    auto* form = new QFormLayout;
    formatLabel_ = namedLabel(this, "importFormatLabel");
    format_ = namedLabel(this, "importFormat");
    format_->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    format_->setFocusPolicy(Qt::StrongFocus);
    form->addRow(formatLabel_, format_);
    encodingLabel_ = namedLabel(this, "importEncodingLabel");
    encoding_ = namedCombo(this, "importEncoding");
    form->addRow(encodingLabel_, encoding_);
    separatorLabel_ = namedLabel(this, "importSeparatorLabel");
    separator_ = namedCombo(this, "importSeparator");
    form->addRow(separatorLabel_, separator_);
    headerRow_ = new QCheckBox(this);
    headerRow_->setObjectName(QStringLiteral("importHeaderRow"));
    form->addRow(QString(), headerRow_);
    firstLabel_ = namedLabel(this, "importFirstLabel");
    first_ = namedCombo(this, "importFirstColumn");
    form->addRow(firstLabel_, first_);
    secondLabel_ = namedLabel(this, "importSecondLabel");
    second_ = namedCombo(this, "importSecondColumn");
    form->addRow(secondLabel_, second_);
    askLabel_ = namedLabel(this, "importAskLabel");
    ask_ = namedCombo(this, "importAsk");
    ask_->addItems({QString(), QString(), QString()});
    ask_->setCurrentIndex(static_cast<int>(Ask::Second));
    form->addRow(askLabel_, ask_);
    layout->addLayout(form);

    decksLabel_ = namedLabel(this, "importDecksLabel");
    decks_ = new QListWidget(this);
    decks_->setObjectName(QStringLiteral("importDecks"));
    decksLabel_->setBuddy(decks_);
    layout->addWidget(decksLabel_);
    layout->addWidget(decks_);

    previewLabel_ = namedLabel(this, "importPreviewLabel");
    preview_ = new QPlainTextEdit(this);
    preview_->setObjectName(QStringLiteral("importPreview"));
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setTabChangesFocus(true);
    previewLabel_->setBuddy(preview_);
    layout->addWidget(previewLabel_);
    layout->addWidget(preview_, 1);
    countsLabel_ = namedLabel(this, "importCountsLabel");
    counts_ = namedLabel(this, "importCounts");
    counts_->setWordWrap(true);
    counts_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    counts_->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(countsLabel_);
    layout->addWidget(counts_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    import_ = new QPushButton(this);
    import_->setObjectName(QStringLiteral("importAccept"));
    import_->setDefault(true);
    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("importCancel"));
    buttons->addWidget(import_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    for (QComboBox* read : {encoding_, separator_})
        connectGuarded(read, &QComboBox::currentIndexChanged, this, errors_, [this] {
            if (!filling_)
                reread();
        });
    connectGuarded(headerRow_, &QCheckBox::toggled, this, errors_, [this] {
        if (!filling_)
            reread();
    });
    for (QComboBox* conversion : {first_, second_, ask_})
        connectGuarded(conversion, &QComboBox::currentIndexChanged, this, errors_, [this] {
            if (!filling_)
                reconvert();
        });
    connectGuarded(decks_, &QListWidget::itemChanged, this, errors_, [this] {
        if (!filling_)
            chooseDecks();
    });
    connectGuarded(import_, &QPushButton::clicked, this, errors_, &ImportDialog::importList);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    resize(720, 600);
}

void ImportDialog::prepare(const QString& sourceFile, Language language)
{
    try {
        package_ = {};
        if (listimport::isAnkiPackageName(sourceFile.toStdU16String())) {
            bytes_.clear();
            package_ = listimport::readAnkiPackage(sourceFile.toStdU16String());
            source_ = package_;
        } else {
            bytes_ = listimport::readSourceFileBytes(sourceFile.toStdU16String());
            source_ = listimport::readSourceBytes(bytes_);
        }
    } catch (const listimport::ImportError& error) {
        bytes_.clear();
        throw std::runtime_error(importFailure(error, sourceFile, language).toStdString());
    }
    sourceFile_ = sourceFile;
    savedFile_.clear();
    // A new file starts from the first two columns, asked for the second.
    filling_ = true;
    first_->clear();
    second_->clear();
    ask_->setCurrentIndex(static_cast<int>(Ask::Second));
    filling_ = false;
    retranslate(language);
    fillChoices();
    fillDecks();
    reconvert();
    preview_->setFocus();
}

void ImportDialog::fillChoices()
{
    filling_ = true;
    format_->setText(formatName(source_.format, language_));
    const bool text = isText(source_.format);
    encoding_->clear();
    for (int i = 0; i < kOfferedEncodings; ++i)
        encoding_->addItem(QString::fromLatin1(kEncodings[i].name), kEncodings[i].encoding);
    if (encoding_->findData(source_.encoding) < 0)
        encoding_->addItem(encodingName(source_.encoding), source_.encoding);
    encoding_->setCurrentIndex(encoding_->findData(source_.encoding));
    separator_->clear();
    for (const char16_t separator : listimport::kSeparators)
        separator_->addItem(separatorName(separator, language_), QChar(separator));
    if (text && separator_->findData(QChar(source_.separator)) < 0)
        separator_->addItem(separatorName(source_.separator, language_), QChar(source_.separator));
    separator_->setCurrentIndex(text ? separator_->findData(QChar(source_.separator)) : -1);
    headerRow_->setChecked(source_.headerRow);
    for (QWidget* control : {static_cast<QWidget*>(encoding_), static_cast<QWidget*>(separator_)})
        control->setEnabled(text);
    headerRow_->setEnabled(source_.format == Format::Delimited);

    const int oldFirst = first_->currentIndex();
    const int oldSecond = second_->currentIndex();
    for (QComboBox* side : {first_, second_}) {
        side->clear();
        for (std::size_t i = 0; i < source_.columns.size(); ++i) {
            const QString name = QString::fromStdU16String(source_.columns[i]);
            const QString column = importTexts().column.in(language_).arg(i + 1);
            side->addItem(name.isEmpty() ? column : column + QStringLiteral(": ") + name);
        }
    }
    const int count = first_->count();
    for (QComboBox* side : {first_, second_})
        side->setEnabled(count > 1);
    first_->setCurrentIndex(oldFirst >= 0 && oldFirst < count ? oldFirst : 0);
    second_->setCurrentIndex(oldSecond >= 0 && oldSecond < count ? oldSecond : std::min(1, count - 1));
    filling_ = false;
}

void ImportDialog::fillDecks()
{
    filling_ = true;
    decks_->clear();
    for (const listimport::Deck& deck : package_.decks) {
        auto* item = new QListWidgetItem(decks_);
        item->setData(Qt::UserRole, QString::fromStdU16String(deck.name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
    }
    const bool package = !package_.decks.empty();
    // As high as its decks, up to a few; the preview keeps the room.
    const int rows = std::clamp(decks_->count(), 1, kDeckRowsShown);
    decks_->setFixedHeight(decks_->sizeHintForRow(0) * rows + 2 * decks_->frameWidth() + kDeckListMargin);
    decksLabel_->setVisible(package);
    decks_->setVisible(package);
    filling_ = false;
    retranslate(language_);
}

void ImportDialog::chooseDecks()
{
    std::vector<std::u16string> chosen;
    for (int i = 0; i < decks_->count(); ++i)
        if (decks_->item(i)->checkState() == Qt::Checked)
            chosen.push_back(decks_->item(i)->data(Qt::UserRole).toString().toStdU16String());
    // A deck left unchecked stays out even when a deck above it is checked.
    source_ = listimport::onlyDecks(package_, chosen, listimport::DecksBelow::Apart);
    reconvert();
}

void ImportDialog::reread()
{
    listimport::ReadChoices choices;
    if (encoding_->isEnabled() && encoding_->currentIndex() >= 0)
        choices.encoding = encoding_->currentData().toInt();
    if (separator_->isEnabled() && separator_->currentIndex() >= 0)
        choices.separator = separator_->currentData().toChar().unicode();
    if (headerRow_->isEnabled())
        choices.headerRow = headerRow_->isChecked();
    try {
        source_ = listimport::readSourceBytes(bytes_, choices);
    } catch (const listimport::ImportError& error) {
        showFailure(importFailure(error, sourceFile_, language_));
        return;
    }
    fillChoices();
    reconvert();
}

void ImportDialog::reconvert()
{
    listimport::ConversionChoices choices;
    choices.firstColumn = static_cast<std::size_t>(std::max(first_->currentIndex(), 0));
    choices.secondColumn = static_cast<std::size_t>(std::max(second_->currentIndex(), 0));
    choices.ask = static_cast<Ask>(ask_->currentIndex());
    result_ = listimport::convert(source_, choices);
    QStringList shown;
    const std::size_t lines = std::min<std::size_t>(result_.lines.size(), kPreviewLines);
    for (std::size_t i = 0; i < lines; ++i)
        shown << QString::fromStdU16String(result_.lines[i]);
    preview_->setPlainText(shown.join(QLatin1Char('\n')));
    const QStringList counts = importCounts(source_, result_, language_) + packageCounts(source_, language_);
    counts_->setText(counts.join(QLatin1Char('\n')));
    counts_->setAccessibleName(counts.join(QStringLiteral(". ")));
    import_->setEnabled(!result_.lines.empty());
    if (isVisible())
        speaker_.say(spokenCounts());
}

QString ImportDialog::spokenCounts() const { return counts_->accessibleName(); }

void ImportDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] { speaker_.say(spokenCounts()); });
}

void ImportDialog::showFailure(const QString& message)
{
    result_ = {};
    preview_->clear();
    counts_->setText(message);
    counts_->setAccessibleName(message);
    import_->setEnabled(false);
    if (isVisible())
        speaker_.say(message);
}

QString ImportDialog::countsText() const { return counts_->text(); }

QString ImportDialog::offeredFile() const
{
    const QFileInfo source(sourceFile_);
    QString offered = source.absolutePath() + QLatin1Char('/') + source.completeBaseName() + QStringLiteral(".txt");
    if (offered == source.absoluteFilePath())
        offered = source.absolutePath() + QLatin1Char('/') + source.completeBaseName() + QStringLiteral("-list.txt");
    return offered;
}

void ImportDialog::importList()
{
    QFileDialog dialog(this, importTexts().saveTitle.in(language_));
    dialog.setObjectName(QStringLiteral("importSave"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(kQuestionListsFilter.in(language_));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(offeredFile());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString target = dialog.selectedFiles().constFirst();
    if (result_.lines.empty())
        throw std::runtime_error(importTexts().nothingWritten.in(language_).arg(target).toStdString());
    const QString loaded = loadedList_ ? loadedList_() : QString();
    if (const QString forbidden = forbiddenTarget(target, sourceFile_, loaded, programFolder_, language_);
        !forbidden.isEmpty())
        throw std::runtime_error(forbidden.toStdString());
    listimport::saveList(result_.lines, target.toStdU16String());
    savedFile_ = target;
    accept();
}

void ImportDialog::retranslate(Language language)
{
    language_ = language;
    const ImportTexts& texts = importTexts();
    setWindowTitle(texts.title.in(language));
    sourceLabel_->setText(
        texts.source.in(language).arg(QString::fromStdU16String(textfile::ReadableName(sourceFile_.toStdU16String()))));
    formatLabel_->setText(texts.format.in(language));
    encodingLabel_->setText(texts.encoding.in(language));
    separatorLabel_->setText(texts.separator.in(language));
    headerRow_->setText(texts.headerRow.in(language));
    headerRow_->setAccessibleName(texts.headerRow.in(language));
    firstLabel_->setText(texts.firstColumn.in(language));
    secondLabel_->setText(texts.secondColumn.in(language));
    askLabel_->setText(texts.ask.in(language));
    ask_->setItemText(static_cast<int>(Ask::First), texts.askFirst.in(language));
    ask_->setItemText(static_cast<int>(Ask::Second), texts.askSecond.in(language));
    ask_->setItemText(static_cast<int>(Ask::Both), texts.askBoth.in(language));
    decksLabel_->setText(texts.decks.in(language));
    for (int i = 0; i < decks_->count() && i < static_cast<int>(package_.decks.size()); ++i) {
        const listimport::Deck& deck = package_.decks[static_cast<std::size_t>(i)];
        decks_->item(i)->setText(texts.deckItem.in(language).arg(QString::fromStdU16String(deck.name)).arg(deck.cards));
    }
    previewLabel_->setText(texts.preview.in(language));
    countsLabel_->setText(texts.counts.in(language));
    import_->setText(texts.import.in(language));
    cancel_->setText(texts.cancel.in(language));
    // What a screen reader says of each control: its heading.
    const std::pair<QWidget*, QLabel*> named[] = {
        {format_, formatLabel_}, {encoding_, encodingLabel_}, {separator_, separatorLabel_}, {first_, firstLabel_},
        {second_, secondLabel_}, {ask_, askLabel_},           {decks_, decksLabel_},         {preview_, previewLabel_}};
    for (const auto& [control, label] : named) {
        QString name = label->text();
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        control->setAccessibleName(name);
    }
    sourceLabel_->setAccessibleName(sourceLabel_->text());
    if (!bytes_.empty() || !package_.decks.empty()) {
        format_->setText(formatName(source_.format, language));
        const QStringList counts = importCounts(source_, result_, language) + packageCounts(source_, language);
        counts_->setText(counts.join(QLatin1Char('\n')));
        counts_->setAccessibleName(counts.join(QStringLiteral(". ")));
    }
}

}  // namespace lernwerk
