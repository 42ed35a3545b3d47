// The texts the screens show, in the player's language: looked up in the "Texts" context, which
// cmake/list_room_texts.py fills from the literals of the screens' sources; English as written
// when no translation is installed.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace xs {

inline QString UiText(const char* text) {
    return QCoreApplication::translate("Texts", text);
}

inline QString UiText(std::string_view text) {
    return UiText(std::string(text).c_str());
}

}  // namespace xs
