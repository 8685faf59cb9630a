#include "forms/headless/headless_backend.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/popup_menu.h"
#include "forms/timer.h"
#include "forms/tray_icon.h"

namespace forms::headless {

class HeadlessBackend::Window : public WindowPort {
  public:
    Window(HeadlessBackend& backend, const Form& form) : backend_(backend), form_(form) {
        backend_.windows_[&form_] = this;
    }
    ~Window() override { backend_.windows_.erase(&form_); }

    void setVisible(bool visible) override { state.visible = visible; }
    void setEnabled(bool enabled) override { state.enabled = enabled; }
    void setBounds(Rect outer) override { state.bounds = outer; }
    void setCaption(const std::u16string& caption) override { state.caption = caption; }
    void bringToFront() override { state.frontOrder = ++backend_.frontCounter_; }
    void minimise() override { state.minimised = true; }
    void invalidate() override {}
    void captureMouse() override { state.captured = true; }
    void releaseMouse() override { state.captured = false; }
    void takeFocus() override {}
    void showHint(const std::u16string& hint) override { state.hint = hint; }

    WindowState state;

  private:
    HeadlessBackend& backend_;
    const Form& form_;
};

HeadlessBackend::HeadlessBackend(std::filesystem::path applicationFolder)
    : folder_(std::move(applicationFolder)) {}

HeadlessBackend::~HeadlessBackend() = default;

std::unique_ptr<WindowPort> HeadlessBackend::createWindow(Form& form) {
    return std::make_unique<Window>(*this, form);
}

void HeadlessBackend::startTimer(Timer& timer) {
    timers_[&timer] = {&timer, now_ + timer.interval(), ++order_};
}

void HeadlessBackend::stopTimer(Timer& timer) {
    timers_.erase(&timer);
}

void HeadlessBackend::postMessage(Form& form, const Message& message) {
    messages_.emplace_back(&form, message);
}

void HeadlessBackend::processMessages() {
    while (!messages_.empty()) {
        auto [form, message] = messages_.front();
        messages_.pop_front();
        // A message for a form destroyed meanwhile goes nowhere, as for a destroyed window.
        if (!windows_.contains(form))
            continue;
        if (!form->application().filterMessage(message, form))
            form->dispatchMessage(message);
    }
}

std::optional<std::uint64_t> HeadlessBackend::nextDue() const {
    std::optional<std::uint64_t> due;
    for (const auto& [timer, entry] : timers_) {
        if (!due || entry.due < *due)
            due = entry.due;
    }
    for (const Scheduled& s : scheduled_) {
        if (!due || s.due < *due)
            due = s.due;
    }
    return due;
}

bool HeadlessBackend::fireNext(std::uint64_t limit) {
    // The earliest due; among equals, the one started or scheduled first.
    const TimerEntry* timer = nullptr;
    for (const auto& [key, entry] : timers_) {
        if (timer == nullptr || entry.due < timer->due ||
            (entry.due == timer->due && entry.order < timer->order)) {
            timer = &entry;
        }
    }
    auto scheduled = std::min_element(
        scheduled_.begin(), scheduled_.end(), [](const Scheduled& a, const Scheduled& b) {
            return a.due < b.due || (a.due == b.due && a.order < b.order);
        });
    const bool timerFirst =
        timer != nullptr && (scheduled == scheduled_.end() || timer->due < scheduled->due ||
                             (timer->due == scheduled->due && timer->order < scheduled->order));
    if (timerFirst) {
        if (timer->due > limit)
            return false;
        Timer* fired = timer->timer;
        now_ = timer->due;
        // Rescheduled before the handler runs, so that the handler can stop or restart it.
        timers_[fired] = {fired, now_ + std::max(1u, fired->interval()), ++order_};
        fired->tick();
        return true;
    }
    if (scheduled == scheduled_.end() || scheduled->due > limit)
        return false;
    now_ = scheduled->due;
    std::function<void()> action = std::move(scheduled->action);
    scheduled_.erase(scheduled);
    action();
    return true;
}

void HeadlessBackend::advance(std::uint64_t ms) {
    const std::uint64_t target = now_ + ms;
    processMessages();
    while (!terminated_ && fireNext(target))
        processMessages();
    now_ = std::max(now_, target);
    processMessages();
}

void HeadlessBackend::schedule(std::uint64_t ms, std::function<void()> action) {
    scheduled_.push_back({now_ + ms, ++order_, std::move(action)});
}

void HeadlessBackend::whenShownModally(std::string formName, std::function<void(Form&)> action) {
    modalActions_[std::move(formName)].push_back(std::move(action));
}

void HeadlessBackend::runMessageLoop(Application&) {
    processMessages();
    while (!terminated_ && nextDue()) {
        fireNext(*nextDue());
        processMessages();
    }
}

void HeadlessBackend::runModalLoop(Form& form) {
    auto actions = modalActions_.find(form.name());
    if (actions != modalActions_.end() && !actions->second.empty()) {
        auto action = std::move(actions->second.front());
        actions->second.pop_front();
        action(form);
    }
    processMessages();
    while (form.visible() && !terminated_) {
        const std::optional<std::uint64_t> due = nextDue();
        if (!due) {
            throw StalledModalLoop("form " + form.name() +
                                   " is shown modally and waits for input no test scripted");
        }
        fireNext(*due);
        processMessages();
    }
}

MenuItem* HeadlessBackend::trackPopupMenu(PopupMenu& menu, Point screen) {
    std::optional<std::string> answer;
    if (!popupAnswers_.empty()) {
        answer = popupAnswers_.front();
        popupAnswers_.pop_front();
    }
    MenuItem* chosen = answer ? menu.find(*answer) : nullptr;
    PopupRecord record{menu.name(), screen, {}, {}};
    if (menu.ownerDraw()) {
        // As the system does: each item is measured, then drawn, at the size it asked for.
        int top = 0;
        for (int i = 0; i < menu.count(); ++i) {
            MenuItem& item = menu.item(i);
            RecordingCanvas measureCanvas;
            int width = 0;
            int height = 0;
            if (item.onMeasureItem)
                item.onMeasureItem(measureCanvas, width, height);
            record.itemSizes.emplace_back(width, height);
            RecordingCanvas canvas;
            if (item.onDrawItem)
                item.onDrawItem(canvas, {0, top, width, height}, &item == chosen);
            record.itemDrawings.push_back(std::move(canvas));
            top += height;
        }
    }
    popups_.push_back(std::move(record));
    return chosen;
}

bool HeadlessBackend::runFileDialog(FileDialog& dialog) {
    fileDialogs_.push_back(
        {dialog.kind(), dialog.filter, dialog.defaultExt, dialog.initialDir, dialog.options});
    if (fileAnswers_.empty())
        return false;
    std::optional<std::u16string> answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    if (!answer)
        return false;
    dialog.fileName = *answer;
    return true;
}

MessageBoxAnswer HeadlessBackend::messageBox(Form*, const std::u16string& text,
                                             const std::u16string& caption,
                                             MessageBoxButtons buttons) {
    messageBoxes_.push_back({text, caption, buttons});
    if (!messageBoxAnswers_.empty()) {
        const MessageBoxAnswer answer = messageBoxAnswers_.front();
        messageBoxAnswers_.pop_front();
        return answer;
    }
    switch (buttons) {
        case MessageBoxButtons::OkCancel:
            return MessageBoxAnswer::Ok;
        case MessageBoxButtons::YesNo:
            return MessageBoxAnswer::Yes;
        case MessageBoxButtons::Ok:
            break;
    }
    return MessageBoxAnswer::Ok;
}

void HeadlessBackend::updateTrayIcon(TrayIcon& icon) {
    trayIcons_[&icon] = {icon.visible(), icon.hint()};
}

void HeadlessBackend::removeTrayIcon(TrayIcon& icon) {
    trayIcons_[&icon].shown = false;
}

void HeadlessBackend::answerPopup(std::optional<std::string> itemName) {
    popupAnswers_.push_back(std::move(itemName));
}

void HeadlessBackend::answerFileDialog(std::optional<std::u16string> fileName) {
    fileAnswers_.push_back(std::move(fileName));
}

void HeadlessBackend::answerMessageBox(MessageBoxAnswer answer) {
    messageBoxAnswers_.push_back(answer);
}

const WindowState& HeadlessBackend::window(const Form& form) const {
    const auto found = windows_.find(&form);
    if (found == windows_.end())
        throw std::out_of_range("form " + form.name() + " has no window");
    return found->second->state;
}

const TrayState& HeadlessBackend::trayIcon(const TrayIcon& icon) const {
    static const TrayState none;
    const auto found = trayIcons_.find(&icon);
    return found == trayIcons_.end() ? none : found->second;
}

namespace {

Point clientPoint(const Control& control, std::optional<Point> at) {
    const Point origin = control.clientOrigin();
    const Point local = at.value_or(Point{control.width() / 2, control.height() / 2});
    return {origin.x + local.x, origin.y + local.y};
}

ShiftState held(MouseButton button) {
    ShiftState shift;
    shift.left = button == MouseButton::Left;
    shift.right = button == MouseButton::Right;
    shift.middle = button == MouseButton::Middle;
    return shift;
}

}  // namespace

void HeadlessBackend::press(Control& control, MouseButton button, std::optional<Point> at) {
    control.form().mouseDown(button, held(button), clientPoint(control, at));
}

void HeadlessBackend::release(Control& control, MouseButton button, std::optional<Point> at) {
    control.form().mouseUp(button, {}, clientPoint(control, at));
}

void HeadlessBackend::click(Control& control, MouseButton button) {
    press(control, button);
    release(control, button);
}

RecordingCanvas HeadlessBackend::render(const Form& form) const {
    RecordingCanvas canvas;
    form.paint(canvas);
    return canvas;
}

}  // namespace forms::headless
