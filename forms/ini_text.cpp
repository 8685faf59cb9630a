#include "forms/ini_text.h"

#include <algorithm>
#include <cctype>

namespace forms {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lower(x) < lower(y); });
}

IniText IniText::parse(std::string_view text) {
    IniText ini;
    Section* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            current = close == std::string_view::npos
                          ? nullptr
                          : &ini.sections_[std::string(trimmed(line.substr(1, close - 1)))];
            continue;
        }
        const std::size_t equals = line.find('=');
        // Lines outside a section or without a value are not part of the format; they are
        // skipped like comments.
        if (current == nullptr || equals == std::string_view::npos)
            continue;
        const std::string key(trimmed(line.substr(0, equals)));
        if (!key.empty())
            current->insert_or_assign(key, std::string(trimmed(line.substr(equals + 1))));
    }
    return ini;
}

const IniText::Section* IniText::section(std::string_view name) const {
    const auto found = sections_.find(name);
    return found == sections_.end() ? nullptr : &found->second;
}

std::optional<std::string> IniText::value(std::string_view sectionName,
                                          std::string_view key) const {
    const Section* s = section(sectionName);
    if (s == nullptr)
        return std::nullopt;
    const auto found = s->find(key);
    if (found == s->end())
        return std::nullopt;
    return found->second;
}

}  // namespace forms
