// Texts a player reads, passed through the translator the game installs; English as written when
// none is installed (the companion's tests and the standard-library rooms run that way).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace xs {

// Returns the translation of source in context; n is the count a plural form depends on (-1: none).
// The game installs one that asks Qt's translators; the text it returns keeps %n and %1..%9.
using TTranslator = std::string (*)(const char* context, const char* source, int n);
void SetTranslator(TTranslator translator);

// The translated text with "%n" replaced by n (when n >= 0). Written as a whole-sentence template
// so that a translation can reorder its arguments: Tr("Logic", "The %1 needs %2 more.").
// lupdate reads these calls as qsTranslate(context, source, comment, n).
std::string Tr(const char* context, const char* source, int n = -1);

// Fills %1..%9 of text with args in order (a "%" not followed by a used number stays).
std::string Fill(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace xs
