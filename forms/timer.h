#pragma once
// A window timer: fires its event every interval while enabled. Enabling an enabled timer does
// not restart it; changing the interval of an enabled timer does.

#include "forms/component.h"

namespace forms {

class Timer : public Component {
  public:
    struct Args {
        unsigned interval = 1000;  // milliseconds
        bool enabled = false;
    };

    Timer(Form& form, std::string name, const Args& args);

    Handler onTimer;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void enable() { setEnabled(true); }
    void disable() { setEnabled(false); }
    unsigned interval() const { return interval_; }
    void setInterval(unsigned interval);

    // The backend calls this for every tick; a timer disabled meanwhile does not fire.
    void tick();

    void formCreated() override;
    void formDestroying() override;

  private:
    bool running() const { return enabled_ && interval_ > 0; }
    void restart();

    unsigned interval_;
    bool enabled_;
    bool started_ = false;
};

}  // namespace forms
