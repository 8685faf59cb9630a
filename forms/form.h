#pragma once
// A form: one window of the program with its named components. It routes the mouse to its
// controls (the control that got the mouse-down keeps the mouse until the release), paints them
// from its skin, and can be shown, shown modally, closed, enabled, disabled and moved.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "forms/backend.h"
#include "forms/component.h"
#include "forms/font.h"
#include "forms/skin.h"

namespace forms {

class Application;

struct FormDesign {
    std::string className;  // the window class, e.g. "TKsForm1"
    std::string name;       // the instance, e.g. "KsForm1"
    std::u16string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    Point position;            // outer top-left corner on the screen
    bool centred = false;      // centred on the screen instead
    bool captionBar = true;    // the skin frame draws a caption bar with the caption
    bool closeBox = true;      // without one, the system's close command is ignored
    bool minimiseBox = false;  // the caption bar offers to minimise the window
    std::string skinFile;      // in the application folder's "skin", empty for none
    Font font;
};

// Width of the drawn frame and height of its caption bar.
constexpr int FrameBorder = 1;
constexpr int CaptionBarHeight = 20;

// The boxes at the right end of the caption bar.
enum class CaptionBox { None, Minimise, Close };

class Form : public MouseEvents {
  public:
    Form(Application& application, FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& application() const { return application_; }
    const std::string& className() const { return design_.className; }
    const std::string& name() const { return design_.name; }
    bool created() const { return created_; }

    // Components: added while the form is built, found by name at run time.
    template <class T>
    T& add(std::string name, const typename T::Args& args = {}) {
        auto component = std::make_unique<T>(*this, std::move(name), args);
        T& added = *component;
        adopt(std::move(component));
        return added;
    }
    template <class T>
    T* find(std::string_view name) const {
        return dynamic_cast<T*>(findComponent(name));
    }
    Component* findComponent(std::string_view name) const;
    template <class T>
    std::vector<T*> componentsOf() const {
        std::vector<T*> found;
        for (const auto& c : components_) {
            if (auto* t = dynamic_cast<T*>(c.get()))
                found.push_back(t);
        }
        return found;
    }

    // Events, in the order the framework raises them: create (after the form was built and its
    // skin and pictures loaded), show (each time before it appears), close, destroy.
    Handler onCreate;
    Handler onShow;
    Handler onClose;
    Handler onDestroy;

    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string caption);
    const Font& font() const { return font_; }
    void setFont(const Font& font) { font_ = font; }
    const Skin& skin() const { return skin_; }

    // Outer position and size on the screen, and the client area inside the frame.
    int left() const { return position_.x; }
    int top() const { return position_.y; }
    Point position() const { return position_; }
    void moveTo(Point position);
    int clientWidth() const { return design_.clientWidth; }
    int clientHeight() const { return design_.clientHeight; }
    Point clientOffset() const;
    Rect outerBounds() const;
    Point clientToScreen(Point client) const;

    bool visible() const { return visible_; }
    bool modal() const { return modal_; }
    void show();
    void hide();
    // Shows the form and runs a message loop, in which timers and messages keep running, until
    // it is closed (or the application ends). The other forms are disabled meanwhile.
    void showModal();
    void close();
    void bringToFront();

    // Whether the program enabled the form; a modal showing of another form disables it besides.
    bool enabled() const { return enabled_; }
    bool acceptsInput() const { return enabled_ && modalDisabled_ == 0; }
    void setEnabled(bool enabled);

    // Messages sent or posted to the form's window, by number.
    void setMessageHandler(std::uint32_t number, std::function<void(Message&)> handler);
    bool dispatchMessage(Message& message);
    void post(const Message& message);

    Control* focusedControl() const { return focused_; }
    void setFocus(Control* control);
    Control* hoveredControl() const { return hovered_; }
    // The control (or nullptr for the form itself) that holds the mouse, if any.
    bool mouseCaptured() const { return capturing_; }
    Control* captureTarget() const { return captured_; }

    // Input and drawing as the backends deliver them; points in client coordinates.
    void mouseDown(MouseButton button, ShiftState shift, Point client);
    void mouseMove(ShiftState shift, Point client);
    void mouseUp(MouseButton button, ShiftState shift, Point client);
    void mouseLeave();
    void captureLost();
    void keyChar(char16_t c);
    void systemClose();
    // The window was moved by the system (dragged by its caption bar).
    void windowMoved(Point position) { position_ = position; }
    void paint(Canvas& canvas) const;
    // The deepest showing, enabled control at the point, or nullptr for the form's background.
    Control* controlAt(Point client) const;
    // The caption box at a point of the window (outer coordinates), and where each one lies.
    CaptionBox captionBoxAt(Point outer) const;
    Rect captionBoxBounds(CaptionBox box) const;

    // Called by the application around the form's life.
    void finishCreation();
    void destroy();
    void disableForModal() { changeModalDisabled(+1); }
    void enableAfterModal() { changeModalDisabled(-1); }
    void releaseCapture();
    // Ends a capture as a menu or a modal window does: the holder hears that it lost the mouse.
    void cancelMouseCapture();

    // Called by controls when something that affects the whole window changed.
    void controlChanged(Control& control);
    void invalidate() const;

  private:
    void adopt(std::unique_ptr<Component> component);
    void loadArtwork();
    void paintFrame(Canvas& canvas) const;
    void paintChildren(Canvas& canvas, const Control* parent) const;
    std::vector<Control*> childrenInPaintOrder(const Control* parent) const;
    Control* childAt(const Control* parent, Point local) const;
    VisualState stateOf(const Control& control) const;
    void updateHover(Control* hovered);
    void changeModalDisabled(int delta);
    void notifyCaptureLost(Control* target);
    bool pressCaptionBox(Point client);
    bool releaseCaptionBox(Point client);
    void applyEnabled();
    static Point localPoint(const Control* target, Point client);

    Application& application_;
    FormDesign design_;
    std::u16string caption_;
    Font font_;
    Skin skin_;
    Point position_;
    std::unique_ptr<WindowPort> window_;
    std::vector<std::unique_ptr<Component>> components_;
    std::map<std::string, Component*, std::less<>> byName_;
    std::vector<Control*> controls_;
    std::map<std::uint32_t, std::function<void(Message&)>> messageHandlers_;

    bool created_ = false;
    bool visible_ = false;
    bool modal_ = false;
    bool enabled_ = true;
    int modalDisabled_ = 0;

    CaptionBox pressedBox_ = CaptionBox::None;
    bool capturing_ = false;
    Control* captured_ = nullptr;
    MouseButton capturedButton_ = MouseButton::None;
    bool captureOverTarget_ = false;
    Control* hovered_ = nullptr;
    Control* focused_ = nullptr;
};

}  // namespace forms
