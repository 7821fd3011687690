#include "pages/statistics_page.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "lang/trainer_texts.h"
#include "pages/trainer_page.h"
#include "widgets/classic_faces.h"
#include "widgets/controls.h"
#include "widgets/long_word_wrap.h"

namespace lernwerk {

StatisticsPage::StatisticsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tb2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TrainerPage::kFieldLeft, 14, TrainerPage::kFieldRight, 8);
    heading_ = makeHeading(this, "Label5");
    layout->addWidget(heading_);
    log_ = makeMemo(this, "Memo3");
    log_->setFont(classicFont(QStringLiteral("MS Sans Serif"), 11));
    log_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    wrapLongRunsAnywhere(*log_);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(log_, 1);
}

void StatisticsPage::appendLog(const QString& line) { log_->appendPlainText(line); }

void StatisticsPage::retranslate(Language language)
{
    setWindowTitle(statisticsTexts().tab.in(language));
    heading_->setText(statisticsTexts().heading.in(language));
    log_->setAccessibleName(statisticsTexts().heading.in(language));
}

}  // namespace lernwerk
