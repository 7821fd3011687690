#include "widgets/text_field.h"

#include <QPlainTextEdit>

#include "textfile/text_lines.h"

namespace lernwerk {

std::u16string fieldText(const QPlainTextEdit& field)
{
    const QString plain = field.toPlainText();
    std::u16string text;
    text.reserve(static_cast<std::size_t>(plain.size()) + static_cast<std::size_t>(field.document()->blockCount()));
    for (const QChar unit : plain) {
        if (unit == QLatin1Char('\n'))
            text += u"\r\n";
        else
            text += static_cast<char16_t>(unit.unicode());
    }
    return text;
}

void setFieldText(QPlainTextEdit& field, std::u16string_view text)
{
    QString lines;
    lines.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit == u'\0')
            break;
        if (unit == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            lines += QLatin1Char('\n');
        } else if (unit == u'\n' || unit == u'\u2028') {
            lines += QLatin1Char('\n');
        } else {
            lines += QChar(unit);
        }
    }
    field.setPlainText(lines);
}

void LoadTextLines(const std::u16string& fileName, QPlainTextEdit& field)
{
    const std::u16string text = textfile::ReadTextLines(fileName);
    setFieldText(field, text);
}

}  // namespace lernwerk
