#pragma once
// The application: its title (also the title of its hidden application window, by which other
// programs find it), its forms in creation order, the hint font, a hook that sees every message
// taken from the queue before it is dispatched, and termination.

#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/backend.h"
#include "forms/form.h"

namespace forms {

class Application {
  public:
    explicit Application(Backend& backend);
    // Destroys the forms, the last created first.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& backend() const { return backend_; }
    // The folder of the running program: skin and pictures are found below it.
    const std::filesystem::path& folder() const { return folder_; }

    const std::u16string& title() const { return title_; }
    void setTitle(std::u16string title);

    // Builds a form of class T (its constructor takes the application first), loads its skin
    // and pictures, creates its window hidden and runs its creation handler.
    template <class T, class... Args>
    T& createForm(Args&&... args) {
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& created = *form;
        forms_.push_back(std::move(form));
        created.finishCreation();
        return created;
    }
    std::vector<Form*> forms() const;
    Form* findForm(std::string_view name) const;

    // Runs the message loop until termination, then destroys the forms.
    void run();
    void terminate();
    bool terminated() const { return terminated_; }
    void destroyForms();

    const Font& hintFont() const { return hintFont_; }
    void setHintFont(const Font& font);

    // Sees each message taken from the queue before dispatch; setting `handled` keeps it from
    // its window. `target` is the form the message is for, nullptr for other windows.
    std::function<void(Message&, Form* target, bool& handled)> onMessage;
    // Called by the backends for every message taken from the queue; true when handled.
    bool filterMessage(Message& message, Form* target);

    MessageBoxAnswer messageBox(const std::u16string& text, const std::u16string& caption,
                                MessageBoxButtons buttons = MessageBoxButtons::Ok);
    // An exception that escaped a handler: shown in a message box, the program goes on.
    void showException(const std::exception& error);

    // Ends any mouse capture (a drag in progress), as a menu or a modal window does.
    void releaseMouseCapture();
    // Disables the other visible, enabled forms for a modal showing of `modal`.
    std::vector<Form*> disableFormsForModal(const Form& modal);

  private:
    Backend& backend_;
    std::filesystem::path folder_;
    std::u16string title_;
    std::vector<std::unique_ptr<Form>> forms_;
    Font hintFont_;
    bool terminated_ = false;
};

}  // namespace forms
