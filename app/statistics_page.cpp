#include "app/statistics_page.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/trainer_page.h"
#include "lang/trainer_texts.h"
#include "widgets/controls.h"
#include "widgets/long_word_wrap.h"

namespace lernwerk {

StatisticsPage::StatisticsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tb2"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TrainerPage::kFieldLeft, 14, TrainerPage::kFieldRight, 8);
    Label5 = makeHeading(this, "Label5");
    layout->addWidget(Label5);
    Memo3 = makeMemo(this, "Memo3");
    QFont sans(QStringLiteral("MS Sans Serif"));
    sans.setPixelSize(11);
    Memo3->setFont(sans);
    Memo3->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    wrapLongRunsAnywhere(*Memo3);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(Memo3, 1);
}

void StatisticsPage::appendLog(const QString& line) { Memo3->appendPlainText(line); }

void StatisticsPage::retranslate(Language language)
{
    Label5->setText(statisticsTexts().heading.in(language));
    Memo3->setAccessibleName(statisticsTexts().heading.in(language));
}

}  // namespace lernwerk
