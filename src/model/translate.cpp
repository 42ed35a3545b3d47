// The translator hook and the filling of a template's numbered arguments.
#include "model/translate.h"

#include <atomic>

namespace xs {

namespace {
std::atomic<TTranslator> gTranslator{nullptr};
}  // namespace

void SetTranslator(TTranslator translator) {
    gTranslator.store(translator);
}

std::string Tr(const char* context, const char* source, int n) {
    const TTranslator translator = gTranslator.load();
    std::string text = translator ? translator(context, source, n) : std::string(source);
    if (n < 0) return text;
    const std::string count = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at)) {
        text.replace(at, 2, count);
        at += count.size();
    }
    return text;
}

std::string Fill(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const int index = next - '1';
        if (text[i] == '%' && index >= 0 && index < 9 &&
            static_cast<std::size_t>(index) < args.size()) {
            out += *(args.begin() + index);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace xs
