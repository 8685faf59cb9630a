#include "forms/application.h"

namespace forms {

Application::Application(Backend& backend)
    : backend_(backend), folder_(backend.applicationFolder()) {}

Application::~Application() {
    destroyForms();
}

void Application::setTitle(std::u16string title) {
    title_ = std::move(title);
    backend_.setApplicationTitle(title_);
}

std::vector<Form*> Application::forms() const {
    std::vector<Form*> all;
    for (const auto& form : forms_)
        all.push_back(form.get());
    return all;
}

Form* Application::findForm(std::string_view name) const {
    for (const auto& form : forms_) {
        if (form->name() == name)
            return form.get();
    }
    return nullptr;
}

void Application::run() {
    if (!terminated_)
        backend_.runMessageLoop(*this);
    destroyForms();
}

void Application::terminate() {
    if (terminated_)
        return;
    terminated_ = true;
    backend_.terminate();
}

void Application::destroyForms() {
    while (!forms_.empty()) {
        forms_.back()->destroy();
        forms_.pop_back();
    }
}

void Application::setHintFont(const Font& font) {
    hintFont_ = font;
    backend_.setHintFont(font);
}

bool Application::filterMessage(Message& message, Form* target) {
    bool handled = false;
    if (onMessage)
        onMessage(message, target, handled);
    return handled;
}

MessageBoxAnswer Application::messageBox(const std::u16string& text, const std::u16string& caption,
                                         MessageBoxButtons buttons) {
    releaseMouseCapture();
    Form* owner = nullptr;
    for (const auto& form : forms_) {
        if (form->visible() && form->acceptsInput())
            owner = form.get();
    }
    return backend_.messageBox(owner, text, caption, buttons);
}

void Application::showException(const std::exception& error) {
    std::u16string text;
    for (const char* c = error.what(); *c != '\0'; ++c) {
        text.push_back(static_cast<unsigned char>(*c));
    }
    messageBox(text, title_);
}

void Application::releaseMouseCapture() {
    for (const auto& form : forms_)
        form->cancelMouseCapture();
}

std::vector<Form*> Application::disableFormsForModal(const Form& modal) {
    std::vector<Form*> disabled;
    for (const auto& form : forms_) {
        if (form.get() == &modal || !form->visible())
            continue;
        form->disableForModal();
        disabled.push_back(form.get());
    }
    return disabled;
}

}  // namespace forms
