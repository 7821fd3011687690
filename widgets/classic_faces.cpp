#include "widgets/classic_faces.h"

#include <QFontDatabase>
#include <QHash>

#include <algorithm>
#include <array>

namespace lernwerk {

namespace {

struct StandIns {
    const char* face;
    std::array<const char*, 2> standIns;
};

constexpr std::array<StandIns, 3> kClassicFaces{{
    {"Tahoma", {"Liberation Sans", "DejaVu Sans"}},
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
}};

// QFontDatabase::hasFamily() would run fontconfig's substitution rules for
// every name; the list of installed families is read once. The name comes as
// the font database spells it.
QString installedFace(const QString& face)
{
    static const QStringList families = QFontDatabase::families();
    const auto installed = [](const QString& name) {
        return std::find_if(families.begin(), families.end(),
                            [&name](const QString& family) { return family.compare(name, Qt::CaseInsensitive) == 0; });
    };
    if (const auto found = installed(face); found != families.end())
        return *found;
    for (const QString& standIn : QFont::substitutes(face)) {
        if (const auto found = installed(standIn); found != families.end())
            return *found;
    }
    return face;
}

}  // namespace

void registerClassicFaces()
{
    for (const StandIns& classic : kClassicFaces)
        QFont::insertSubstitutions(QString::fromLatin1(classic.face), {QString::fromLatin1(classic.standIns[0]),
                                                                       QString::fromLatin1(classic.standIns[1])});
}

QFont classicFont(const QString& face, int pixels)
{
    // The fonts installed do not change while the program runs.
    static QHash<QString, QString> installed;
    auto found = installed.constFind(face);
    if (found == installed.constEnd())
        found = installed.insert(face, installedFace(face));
    QFont font(*found);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace lernwerk
