#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/image.h"
#include "forms/plain_look.h"

namespace forms {

namespace {

// The caption bar's plain look, when the skin has no colours for the form.
constexpr Colour PlainCaptionBar = Colour::rgb(10, 36, 106);

}  // namespace

Form::Form(Application& application, FormDesign design)
    : application_(application), design_(std::move(design)), caption_(design_.caption),
      font_(design_.font), position_(design_.position) {}

Form::~Form() = default;

void Form::adopt(std::unique_ptr<Component> component) {
    const std::string& name = component->name();
    if (!name.empty() && byName_.contains(name)) {
        throw std::invalid_argument("two components of form " + design_.name + " are named " + name);
    }
    if (!name.empty()) byName_.emplace(name, component.get());
    if (auto* control = dynamic_cast<Control*>(component.get())) controls_.push_back(control);
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
    for (const auto& component : components_) component->formCreated();
    if (onCreate) onCreate();
}

void Form::destroy() {
    if (!created_) return;
    for (const auto& component : components_) component->formDestroying();
    if (onDestroy) onDestroy();
    window_.reset();
    created_ = false;
    visible_ = false;
}

void Form::loadArtwork() {
    const std::filesystem::path folder = application_.folder();
    if (!design_.skinFile.empty()) skin_ = Skin::load(folder / "skin" / design_.skinFile);
    const std::filesystem::path pictures = folder / "pictures" / design_.className;
    for (Image* image : componentsOf<Image>()) {
        if (auto picture = loadBmpFile(pictures / (image->name() + ".bmp"))) {
            image->setPicture(std::move(*picture));
        }
    }
    for (ImageList* list : componentsOf<ImageList>()) {
        for (int i = 0; i < list->count(); ++i) {
            const std::string file = list->name() + "_" + std::to_string(i) + ".bmp";
            if (auto picture = loadBmpFile(pictures / file)) list->setPicture(i, std::move(*picture));
        }
    }
}

void Form::setCaption(std::u16string caption) {
    caption_ = std::move(caption);
    if (window_) window_->setCaption(caption_);
    invalidate();
}

void Form::moveTo(Point position) {
    position_ = position;
    if (window_) window_->setBounds(outerBounds());
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
    if (!created_) return;
    if (visible_) {
        bringToFront();
        return;
    }
    visible_ = true;
    if (onShow) onShow();
    // The show handler may have closed the form again.
    if (!visible_) return;
    window_->setBounds(outerBounds());
    window_->setVisible(true);
    window_->bringToFront();
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    releaseCapture();
    updateHover(nullptr);
    if (window_) window_->setVisible(false);
}

void Form::showModal() {
    if (!created_ || modal_) return;
    application_.releaseMouseCapture();
    const std::vector<Form*> disabled = application_.disableFormsForModal(*this);
    modal_ = true;
    show();
    if (visible_) application_.backend().runModalLoop(*this);
    modal_ = false;
    for (Form* form : disabled) form->enableAfterModal();
    // A form that ended its modal showing without being closed (the application is ending) is
    // put away all the same.
    hide();
}

void Form::close() {
    if (!visible_) return;
    if (onClose) onClose();
    hide();
}

void Form::systemClose() {
    if (design_.closeBox) close();
}

void Form::bringToFront() {
    if (window_ && visible_) window_->bringToFront();
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
        releaseCapture();
        updateHover(nullptr);
    }
    if (window_) window_->setEnabled(acceptsInput());
    invalidate();
}

void Form::setMessageHandler(std::uint32_t number, std::function<void(Message&)> handler) {
    messageHandlers_[number] = std::move(handler);
}

bool Form::dispatchMessage(Message& message) {
    const auto found = messageHandlers_.find(message.number);
    if (found == messageHandlers_.end() || !found->second) return false;
    found->second(message);
    return true;
}

void Form::post(const Message& message) { application_.backend().postMessage(*this, message); }

void Form::setFocus(Control* control) {
    if (control == focused_) return;
    Control* previous = focused_;
    focused_ = control;
    if (previous != nullptr) previous->focusLost();
    if (window_ && control != nullptr) window_->takeFocus();
    invalidate();
}

// Mouse routing

Point Form::localPoint(const Control* target, Point client) {
    if (target == nullptr) return client;
    const Point origin = target->clientOrigin();
    return {client.x - origin.x, client.y - origin.y};
}

void Form::mouseDown(MouseButton button, ShiftState shift, Point client) {
    if (!acceptsInput()) return;
    if (!capturing_) {
        Control* pressed = controlAt(client);
        // The focus moves first: activating the window may cancel a capture taken before.
        if (pressed != nullptr && pressed->focusable()) setFocus(pressed);
        captured_ = pressed;
        capturing_ = true;
        capturedButton_ = button;
        captureOverTarget_ = true;
        if (window_) window_->captureMouse();
    }
    Control* target = captured_;
    updateHover(controlAt(client));
    const Point local = localPoint(target, client);
    const MouseEvent event{button, shift, local.x, local.y};
    if (target != nullptr) target->mouseDown(event);
    else if (onMouseDown) onMouseDown(event);
}

void Form::mouseMove(ShiftState shift, Point client) {
    if (!acceptsInput()) return;
    Control* under = controlAt(client);
    Control* target = capturing_ ? captured_ : under;
    if (capturing_) {
        const bool over = under == captured_;
        if (over != captureOverTarget_) invalidate();
        captureOverTarget_ = over;
    }
    updateHover(under);
    const Point local = localPoint(target, client);
    const MouseEvent event{MouseButton::None, shift, local.x, local.y};
    if (target != nullptr) target->mouseMove(event);
    else if (onMouseMove) onMouseMove(event);
}

void Form::mouseUp(MouseButton button, ShiftState shift, Point client) {
    if (!acceptsInput()) return;
    const bool wasCapturing = capturing_;
    Control* target = wasCapturing ? captured_ : controlAt(client);
    const bool clicked = wasCapturing && button == MouseButton::Left &&
                         capturedButton_ == MouseButton::Left && controlAt(client) == target;
    if (wasCapturing && button == capturedButton_) releaseCapture();
    const Point local = localPoint(target, client);
    const MouseEvent event{button, shift, local.x, local.y};
    // As in the form framework: the click first, then the mouse-up.
    if (target != nullptr) {
        if (clicked && target->enabled() && target->onClick) target->onClick();
        target->mouseUp(event);
    } else {
        if (clicked && onClick) onClick();
        if (onMouseUp) onMouseUp(event);
    }
    invalidate();
}

void Form::mouseLeave() { updateHover(nullptr); }

void Form::releaseCapture() {
    if (!capturing_) return;
    capturing_ = false;
    captured_ = nullptr;
    capturedButton_ = MouseButton::None;
    if (window_) window_->releaseMouse();
    invalidate();
}

void Form::captureLost() {
    if (!capturing_) return;
    Control* target = captured_;
    capturing_ = false;
    captured_ = nullptr;
    capturedButton_ = MouseButton::None;
    invalidate();
    notifyCaptureLost(target);
}

void Form::cancelMouseCapture() {
    if (!capturing_) return;
    Control* target = captured_;
    releaseCapture();
    notifyCaptureLost(target);
}

void Form::notifyCaptureLost(Control* target) {
    if (target != nullptr) {
        if (target->onCaptureLost) target->onCaptureLost();
    } else if (onCaptureLost) {
        onCaptureLost();
    }
}

void Form::keyChar(char16_t c) {
    if (acceptsInput() && focused_ != nullptr && focused_->showing() && focused_->enabled()) {
        focused_->keyChar(c);
    }
}

void Form::updateHover(Control* hovered) {
    if (hovered == hovered_) return;
    hovered_ = hovered;
    invalidate();
    if (!window_) return;
    window_->showHint(hovered != nullptr && hovered->showHint() ? hovered->hint() : u"");
}

void Form::controlChanged(Control& control) {
    if (!control.showing() || !control.enabled()) {
        if (captured_ == &control) releaseCapture();
        if (hovered_ == &control) updateHover(nullptr);
        if (focused_ == &control) setFocus(nullptr);
    }
    if (hovered_ == &control && window_) {
        window_->showHint(control.showHint() ? control.hint() : u"");
    }
    invalidate();
}

void Form::invalidate() const {
    if (window_ && visible_) window_->invalidate();
}

// Layout and drawing

std::vector<Control*> Form::childrenInPaintOrder(const Control* parent) const {
    std::vector<Control*> children;
    for (Control* c : controls_) {
        if (c->parent() == parent && !c->windowed()) children.push_back(c);
    }
    for (Control* c : controls_) {
        if (c->parent() == parent && c->windowed()) children.push_back(c);
    }
    return children;
}

Control* Form::childAt(const Control* parent, Point local) const {
    const std::vector<Control*> children = childrenInPaintOrder(parent);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Control* c = *it;
        if (!c->visible() || !c->enabled() || !c->bounds().contains(local)) continue;
        if (Control* inner = childAt(c, {local.x - c->left(), local.y - c->top()})) return inner;
        return c;
    }
    return nullptr;
}

Control* Form::controlAt(Point client) const { return childAt(nullptr, client); }

VisualState Form::stateOf(const Control& control) const {
    for (const Control* c = &control; c != nullptr; c = c->parent()) {
        if (!c->enabled()) return VisualState::Disabled;
    }
    if (!acceptsInput()) return VisualState::Disabled;
    if (capturing_ && captured_ == &control) {
        return captureOverTarget_ && capturedButton_ == MouseButton::Left ? VisualState::Down
                                                                          : VisualState::Hover;
    }
    if (!capturing_ && hovered_ == &control) return VisualState::Hover;
    return VisualState::Normal;
}

void Form::paint(Canvas& canvas) const {
    paintFrame(canvas);
    Canvas::OriginScope client(canvas, clientOffset());
    paintChildren(canvas, nullptr);
}

void Form::paintChildren(Canvas& canvas, const Control* parent) const {
    for (const Control* c : childrenInPaintOrder(parent)) {
        if (!c->visible()) continue;
        Canvas::OriginScope scope(canvas, c->bounds().topLeft());
        c->paint(canvas, {skin_, stateOf(*c), focused_ == c});
        paintChildren(canvas, c);
    }
}

void Form::paintFrame(Canvas& canvas) const {
    const SkinElement* element = skin_.formElement(design_.className);
    const Rect outer = outerBounds();
    const Rect whole{0, 0, outer.width, outer.height};
    const Point offset = clientOffset();
    const Rect client{offset.x, offset.y, design_.clientWidth, design_.clientHeight};
    const Bitmap* picture = element ? element->pictureFor(VisualState::Normal) : nullptr;
    const Colour frame = element && element->frameColour ? *element->frameColour : PlainCaptionBar;
    canvas.fillRect(whole, frame);
    if (picture != nullptr) {
        canvas.bitmap(*picture, {client, element->stretch, element->transparent});
    } else {
        canvas.fillRect(client, element && element->colour ? *element->colour : plain::Face);
    }
    if (!design_.captionBar || caption_.empty()) return;
    Font captionFont = font_.inBold();
    captionFont.colour = element && element->textColour ? *element->textColour : colours::White;
    canvas.setFont(captionFont);
    canvas.text({offset.x + 6, FrameBorder, design_.clientWidth - 12, CaptionBarHeight}, caption_,
                {TextFormat::Horizontal::Left, TextFormat::Vertical::Centre, false});
}

}  // namespace forms
