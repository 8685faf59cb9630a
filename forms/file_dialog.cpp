#include "forms/file_dialog.h"

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

FileDialog::FileDialog(Form& form, std::string name, Kind kind, const Args& args)
    : Component(form, std::move(name)),
      filter(args.filter),
      defaultExt(args.defaultExt),
      initialDir(args.initialDir),
      options(args.options),
      kind_(kind) {}

bool FileDialog::execute() {
    form().application().releaseMouseCapture();
    std::u16string previous = fileName;
    if (!form().application().backend().runFileDialog(*this))
        return false;
    // A name that does not fit the programs' file-name buffer is refused, not cut: a shortened
    // path names another file.
    if (fileName.size() > MaxFileNameUnits || fileName.empty()) {
        fileName = std::move(previous);
        return false;
    }
    return true;
}

}  // namespace forms
