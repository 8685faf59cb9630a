#pragma once
// The open and save dialogs: a filter of "description|pattern|..." pairs, a default extension,
// an initial folder, options and the chosen file name.

#include <string>

#include "forms/component.h"

namespace forms {

// File names the dialogs return are at most this many units (the buffer holds one more).
constexpr std::size_t MaxFileNameUnits = 511;

class FileDialog : public Component {
  public:
    enum class Kind { Open, Save };
    struct Options {
        bool overwritePrompt = false;
        bool hideReadOnly = false;
        bool enableSizing = true;
        bool fileMustExist = false;
        bool pathMustExist = false;
        friend bool operator==(const Options&, const Options&) = default;
    };
    struct Args {
        std::u16string filter;
        std::u16string defaultExt;
        std::u16string initialDir;
        Options options;
    };

    FileDialog(Form& form, std::string name, Kind kind, const Args& args);

    Kind kind() const { return kind_; }
    std::u16string filter;
    std::u16string defaultExt;
    std::u16string initialDir;
    std::u16string fileName;
    Options options;

    // Runs the dialog; true when the user confirmed a name, which is then in fileName.
    bool execute();

  private:
    Kind kind_;
};

class OpenDialog : public FileDialog {
  public:
    OpenDialog(Form& form, std::string name, const Args& args)
        : FileDialog(form, std::move(name), Kind::Open, args) {}
};

class SaveDialog : public FileDialog {
  public:
    SaveDialog(Form& form, std::string name, const Args& args)
        : FileDialog(form, std::move(name), Kind::Save, args) {}
};

}  // namespace forms
