#include "stormline/mainwindow/show_form_by_name.h"

namespace stormline {

void showFormByName(forms::Application& application, std::string_view name) {
    forms::Form* form = application.findForm(name);
    if (form == nullptr)
        return;
    form->show();
    form->bringToFront();
}

}  // namespace stormline
