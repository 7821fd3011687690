#pragma once

#include <QWidget>

#include "lang/interface_language.h"

class QLabel;
class QPlainTextEdit;

namespace lernwerk {

// The statistics page `tb2`: the log of the rounds of this run.
class StatisticsPage : public QWidget {
    Q_OBJECT
public:
    explicit StatisticsPage(QWidget* parent = nullptr);

    void appendLog(const QString& line);
    void retranslate(Language language);

private:
    QLabel* heading_;
    QPlainTextEdit* log_;
};

}  // namespace lernwerk
