#include "forms/tray_icon.h"

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

TrayIcon::TrayIcon(Form& form, std::string name, const Args& args)
    : Component(form, std::move(name)), hint_(args.hint), visible_(args.visible) {}

void TrayIcon::setHint(std::u16string hint) {
    hint_ = std::move(hint);
    update();
}

void TrayIcon::setIcon(Bitmap icon) {
    icon_ = std::move(icon);
    update();
}

void TrayIcon::setVisible(bool visible) {
    visible_ = visible;
    update();
}

void TrayIcon::formCreated() {
    update();
}

void TrayIcon::formDestroying() {
    form().application().backend().removeTrayIcon(*this);
}

void TrayIcon::update() {
    if (form().created())
        form().application().backend().updateTrayIcon(*this);
}

}  // namespace forms
