#pragma once
// The numbered interface texts of the installation's language and the font that shows them.
// Forms take their texts from here when they are created.

#include <string>

#include "forms/font.h"

namespace stormline {

class LanguageTexts {
  public:
    virtual ~LanguageTexts() = default;
    // Text `number`, empty when the language has none.
    virtual std::u16string text(int number) const = 0;
    virtual const forms::Font& font() const = 0;
};

// The texts when no language file was found: every text is empty, the font is Arial 8 with the
// default character set.
class NoLanguageTexts : public LanguageTexts {
  public:
    std::u16string text(int) const override { return {}; }
    const forms::Font& font() const override { return font_; }

  private:
    forms::Font font_;
};

}  // namespace stormline
