// The stored form of hint counts.
#include "storage/history_records.h"

#include <charconv>

namespace xs {

int HintTotal(const THintCounts& hints) {
    int total = 0;
    for (const auto& [name, count] : hints) total += count;
    return total;
}

std::string EncodeHints(const THintCounts& hints) {
    std::string text;
    for (const auto& [name, count] : hints) {
        if (count <= 0) continue;
        if (!text.empty()) text += ';';
        text += name + ':' + std::to_string(count);
    }
    return text;
}

THintCounts DecodeHints(const std::string& text) {
    THintCounts hints;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        const std::string item = text.substr(start, end - start);
        const std::size_t colon = item.rfind(':');
        int count = 0;
        if (colon != std::string::npos && colon > 0) {
            const char* first = item.data() + colon + 1;
            const char* last = item.data() + item.size();
            const auto [at, error] = std::from_chars(first, last, count);
            if (error == std::errc() && at == last && count > 0)
                hints[item.substr(0, colon)] += count;
        }
        start = end + 1;
    }
    return hints;
}

}  // namespace xs
