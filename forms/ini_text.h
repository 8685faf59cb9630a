#pragma once
// A small reader for the ASCII INI files of the skin: "[section]" lines, "key=value" lines,
// comments starting with ';' or '#'. Section and key names compare without regard to case, as
// the platform's own INI functions do.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace forms {

struct CaseInsensitiveLess {
    bool operator()(std::string_view a, std::string_view b) const;
    using is_transparent = void;
};

class IniText {
  public:
    using Section = std::map<std::string, std::string, CaseInsensitiveLess>;

    static IniText parse(std::string_view text);

    const Section* section(std::string_view name) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    const std::map<std::string, Section, CaseInsensitiveLess>& sections() const {
        return sections_;
    }

  private:
    std::map<std::string, Section, CaseInsensitiveLess> sections_;
};

}  // namespace forms
