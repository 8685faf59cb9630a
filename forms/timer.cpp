#include "forms/timer.h"

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

Timer::Timer(Form& form, std::string name, const Args& args)
    : Component(form, std::move(name)), interval_(args.interval), enabled_(args.enabled) {}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restart();
}

void Timer::setInterval(unsigned interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    restart();
}

void Timer::tick() {
    if (running() && onTimer)
        onTimer();
}

void Timer::formCreated() {
    restart();
}

void Timer::formDestroying() {
    if (started_)
        form().application().backend().stopTimer(*this);
    started_ = false;
}

void Timer::restart() {
    // Timers of a form under construction start when the form has been created.
    if (!form().created())
        return;
    Backend& backend = form().application().backend();
    if (started_)
        backend.stopTimer(*this);
    started_ = running();
    if (started_)
        backend.startTimer(*this);
}

}  // namespace forms
