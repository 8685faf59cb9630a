#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/image.h"

namespace forms {

Form::Form(Application& application, FormDesign design)
    : application_(application),
      design_(std::move(design)),
      caption_(design_.caption),
      font_(design_.font),
      position_(design_.position) {}

Form::~Form() = default;

void Form::adopt(std::unique_ptr<Component> component) {
    const std::string& name = component->name();
    if (!name.empty() && byName_.contains(name)) {
        throw std::invalid_argument("two components of form " + design_.name + " are named " +
                                    name);
    }
    if (!name.empty())
        byName_.emplace(name, component.get());
    if (auto* control = dynamic_cast<Control*>(component.get()))
        controls_.push_back(control);
    components_.push_back(std::move(component));
    // A component added to a form that already runs starts at once.
    if (created_) {
        components_.back()->formCreated();
        invalidate();
    }
}

Component* Form::findComponent(std::string_view name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

void Form::finishCreation() {
    loadArtwork();
    if (design_.centred) {
        const Rect screen = application_.backend().screenArea();
        const Rect outer = outerBounds();
        position_ = {screen.left + (screen.width - outer.width) / 2,
                     screen.top + (screen.height - outer.height) / 2};
    }
    window_ = application_.backend().createWindow(*this);
    window_->setCaption(caption_);
    window_->setBounds(outerBounds());
    created_ = true;
    for (const auto& component : components_)
        component->formCreated();
    if (onCreate)
        onCreate();
}

void Form::destroy() {
    if (!created_)
        return;
    for (const auto& component : components_)
        component->formDestroying();
    if (onDestroy)
        onDestroy();
    window_.reset();
    created_ = false;
    visible_ = false;
}

void Form::loadArtwork() {
    const std::filesystem::path folder = application_.folder();
    if (!design_.skinFile.empty())
        skin_ = Skin::load(folder / "skin" / design_.skinFile);
    const std::filesystem::path pictures = folder / "pictures" / design_.className;
    for (Image* image : componentsOf<Image>()) {
        if (auto picture = loadBmpFile(pictures / (image->name() + ".bmp"))) {
            image->setPicture(std::move(*picture));
        }
    }
    for (ImageList* list : componentsOf<ImageList>()) {
        for (int i = 0; i < list->count(); ++i) {
            const std::string file = list->name() + "_" + std::to_string(i) + ".bmp";
            if (auto picture = loadBmpFile(pictures / file))
                list->setPicture(i, std::move(*picture));
        }
    }
}

void Form::setCaption(std::u16string caption) {
    caption_ = std::move(caption);
    if (window_)
        window_->setCaption(caption_);
    invalidate();
}

void Form::moveTo(Point position) {
    position_ = position;
    if (window_)
        window_->setBounds(outerBounds());
}

Point Form::clientOffset() const {
    return {FrameBorder, FrameBorder + (design_.captionBar ? CaptionBarHeight : 0)};
}

Rect Form::outerBounds() const {
    const Point offset = clientOffset();
    return {position_.x, position_.y, design_.clientWidth + 2 * FrameBorder,
            design_.clientHeight + offset.y + FrameBorder};
}

Point Form::clientToScreen(Point client) const {
    const Point offset = clientOffset();
    return {position_.x + offset.x + client.x, position_.y + offset.y + client.y};
}

void Form::show() {
    if (!created_)
        return;
    if (visible_) {
        bringToFront();
        return;
    }
    visible_ = true;
    if (onShow)
        onShow();
    // The show handler may have closed the form again.
    if (!visible_)
        return;
    window_->setBounds(outerBounds());
    window_->setVisible(true);
    window_->bringToFront();
}

void Form::hide() {
    if (!visible_)
        return;
    visible_ = false;
    cancelMouseCapture();
    updateHover(nullptr);
    if (window_)
        window_->setVisible(false);
}

void Form::showModal() {
    if (!created_ || modal_)
        return;
    application_.releaseMouseCapture();
    // Whichever way the showing ends, even by an exception out of a handler, the other forms
    // get their state back and the form is put away.
    struct ModalShowing {
        Form& form;
        std::vector<Form*> disabled;
        ~ModalShowing() {
            form.modal_ = false;
            for (Form* other : disabled)
                other->enableAfterModal();
            form.hide();
        }
    } showing{*this, application_.disableFormsForModal(*this)};
    modal_ = true;
    show();
    if (visible_)
        application_.backend().runModalLoop(*this);
}

void Form::close() {
    if (!visible_)
        return;
    if (onClose)
        onClose();
    hide();
}

void Form::systemClose() {
    if (design_.closeBox)
        close();
}

void Form::bringToFront() {
    if (window_ && visible_)
        window_->bringToFront();
}

void Form::setEnabled(bool enabled) {
    enabled_ = enabled;
    applyEnabled();
}

void Form::changeModalDisabled(int delta) {
    modalDisabled_ = std::max(0, modalDisabled_ + delta);
    applyEnabled();
}

void Form::applyEnabled() {
    if (!acceptsInput()) {
        cancelMouseCapture();
        updateHover(nullptr);
    }
    if (window_)
        window_->setEnabled(acceptsInput());
    invalidate();
}

void Form::setMessageHandler(std::uint32_t number, std::function<void(Message&)> handler) {
    messageHandlers_[number] = std::move(handler);
}

bool Form::dispatchMessage(Message& message) {
    const auto found = messageHandlers_.find(message.number);
    if (found == messageHandlers_.end() || !found->second)
        return false;
    found->second(message);
    return true;
}

void Form::post(const Message& message) {
    application_.backend().postMessage(*this, message);
}

void Form::setFocus(Control* control) {
    if (control == focused_)
        return;
    Control* previous = focused_;
    focused_ = control;
    if (previous != nullptr)
        previous->focusLost();
    if (window_ && control != nullptr)
        window_->takeFocus();
    invalidate();
}

void Form::keyChar(char16_t c) {
    if (acceptsInput() && focused_ != nullptr && focused_->showing() && focused_->enabled()) {
        focused_->keyChar(c);
    }
}

void Form::controlChanged(Control& control) {
    if (!control.showing() || !control.enabled()) {
        if (captured_ == &control)
            cancelMouseCapture();
        if (hovered_ == &control)
            updateHover(nullptr);
        if (focused_ == &control)
            setFocus(nullptr);
    }
    if (hovered_ == &control && window_) {
        window_->showHint(control.showHint() ? control.hint() : u"");
    }
    invalidate();
}

void Form::invalidate() const {
    if (window_ && visible_)
        window_->invalidate();
}

}  // namespace forms
