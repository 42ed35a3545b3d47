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

// The screen faces map to DejaVu Sans Condensed: it measures the same widths as Liberation Sans
// (so texts fit where the layouts expect), its lines are as high as the screens were designed
// for, and its large x-height stays readable down to 6 points. The drawing faces keep Arial's
// metrics through Liberation Sans and Liberation Sans Narrow.
constexpr std::array<TFaceMapping, 5> kFaces{{
    {"MS Sans Serif", "DejaVu Sans Condensed"},
    {"Small Fonts", "DejaVu Sans Condensed"},
    {"Arial", "Liberation Sans"},
    {"Ariel", "Liberation Sans"},  // the program's own misspelling of Arial
    {"Arial Narrow", "Liberation Sans Narrow"},
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

QFont FontFor(const TFontSpec& font) {
    return MakeFont(font.Face != nullptr ? std::string_view(font.Face) : std::string_view(),
                    font.Points, font.Bold);
}

bool FontFaceInstalled(std::string_view face) {
    return QFontDatabase::hasFamily(FontFamilyFor(face));
}

}  // namespace xs
