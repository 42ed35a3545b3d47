// Font face mapping: the program's face names to families from the Liberation and DejaVu fonts.
#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace xs {

namespace {

struct TFaceMapping {
    std::string_view Face;
    const char* Family;
};

// Liberation Sans has the character widths of the face the layout rules were measured with,
// so texts fit where the screens expect them to. Small sizes use DejaVu Sans Condensed:
// its large x-height stays readable at 6 points while keeping texts narrow.
constexpr std::array<TFaceMapping, 5> kFaces{{
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Ariel", "Liberation Sans"},  // the program's own misspelling of Arial
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Small Fonts", "DejaVu Sans Condensed"},
}};

constexpr const char* kFallbackFamily = "DejaVu Sans";

}  // namespace

QString FontFamilyFor(std::string_view face) {
    for (const TFaceMapping& m : kFaces) {
        if (m.Face == face) return QString::fromLatin1(m.Family);
    }
    return QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
}

QFont MakeFont(std::string_view face, int points, bool bold) {
    QFont font;
    font.setFamilies(QStringList{FontFamilyFor(face), QString::fromLatin1(kFallbackFamily)});
    font.setPointSize(points > 0 ? points : 1);
    font.setBold(bold);
    return font;
}

QFont FontFor(const TFontSpec& spec) {
    return MakeFont(spec.Face != nullptr ? std::string_view(spec.Face) : std::string_view(),
                    spec.Points, spec.Bold);
}

bool FontFaceInstalled(std::string_view face) {
    return QFontDatabase::hasFamily(FontFamilyFor(face));
}

}  // namespace xs
