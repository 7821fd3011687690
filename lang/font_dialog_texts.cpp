#include "lang/font_dialog_texts.h"

namespace lernwerk {

const FontDialogTexts& fontDialogTexts()
{
    static const FontDialogTexts texts{
        .colorLabel = {QStringLiteral("&Farbe:"), QStringLiteral("&Color:")},
        .colorNames = {{
            {QStringLiteral("Schwarz"), QStringLiteral("Black")},
            {QStringLiteral("Kastanienbraun"), QStringLiteral("Maroon")},
            {QStringLiteral("Grün"), QStringLiteral("Green")},
            {QStringLiteral("Oliv"), QStringLiteral("Olive")},
            {QStringLiteral("Marineblau"), QStringLiteral("Navy")},
            {QStringLiteral("Violett"), QStringLiteral("Purple")},
            {QStringLiteral("Blaugrün"), QStringLiteral("Teal")},
            {QStringLiteral("Grau"), QStringLiteral("Gray")},
            {QStringLiteral("Silber"), QStringLiteral("Silver")},
            {QStringLiteral("Rot"), QStringLiteral("Red")},
            {QStringLiteral("Hellgrün"), QStringLiteral("Lime")},
            {QStringLiteral("Gelb"), QStringLiteral("Yellow")},
            {QStringLiteral("Blau"), QStringLiteral("Blue")},
            {QStringLiteral("Fuchsia"), QStringLiteral("Fuchsia")},
            {QStringLiteral("Aquamarin"), QStringLiteral("Aqua")},
            {QStringLiteral("Weiß"), QStringLiteral("White")},
        }},
    };
    return texts;
}

}  // namespace lernwerk
