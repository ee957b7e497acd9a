#pragma once
// Base of every control: the properties all controls share, the events, and
// the view hook through which the Qt rendering hears of property changes.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace forms {

class Form;
class Control;

struct Font {
    std::string Name = "MS Sans Serif";
    double Size = 8.25;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool operator==(const Font&) const = default;
};

// What changed, for the view.
enum class Prop { Caption, Text, Value, Enabled, Visible, Geometry, Font, Color, Picture, List, ListIndex,
                  Grid, Checked, Selection, Other };

class ControlView {
public:
    virtual ~ControlView() = default;
    virtual void changed(Control& control, Prop what) = 0;
};

template <class... Args>
using Event = std::function<void(Args...)>;

// Colours as the old platform held them: &H00BBGGRR.
using Color = long;
inline constexpr Color vbBlack = 0x000000, vbWhite = 0xFFFFFF, vbRed = 0x0000FF, vbGreen = 0x00FF00,
                       vbBlue = 0xFF0000, vbYellow = 0x00FFFF, vbButtonFace = 0xC0C0C0,
                       vbWindowBackground = 0xFFFFFF, vbWindowText = 0x000000;

// Mouse buttons and alignment codes.
inline constexpr int vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4;
inline constexpr int vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2;

class Control {
public:
    // Registers itself with the owner form (in declaration order) unless owner is null.
    Control(Form* owner, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();
    virtual const char* Kind() const = 0;

    const std::string& Name() const { return name_; }
    int Index() const { return index_; }          // -1 outside a control array
    Form* Owner() const { return owner_; }
    Control* Container() const { return container_; }   // null: the form itself
    void SetContainer(Control* container);

    int Left() const { use(); return left_; }
    int Top() const { use(); return top_; }
    int Width() const { use(); return width_; }
    int Height() const { use(); return height_; }
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    void Move(int left, int top, int width = -1, int height = -1);

    bool Visible() const { use(); return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { use(); return enabled_; }        // the control's own setting
    void SetEnabled(bool v);
    // Whether the user can act on it: its own Enabled and that of every container and the form.
    bool EffectiveEnabled() const;
    bool EffectiveVisible() const;

    const forms::Font& Font() const { use(); return font_; }
    void SetFont(const forms::Font& f);
    void SetFontBold(bool b);
    void SetFontSize(double s);
    void SetFontName(const std::string& n);
    Color ForeColor() const { use(); return foreColor_; }
    void SetForeColor(Color c);
    Color BackColor() const { use(); return backColor_; }
    void SetBackColor(Color c);

    bool TabStop = true;   // the form's SetTabOrder decides it; code may take a stop away later
    std::string Tag;
    int HelpContextID = 0;
    std::string ToolTipText;
    // What a screen reader says for the control, where the rule of SpokenName.h would not find it.
    std::string AccessibleName;

    // Moves the focus here from the form's current control (LostFocus there, then GotFocus).
    void SetFocus();
    bool HasFocus() const;

    // The user's click: focus moves first (for controls that take it), then Click runs,
    // through the dispatcher that shows untrapped errors.
    virtual void UserClick();
    void UserDblClick();
    void UserMouseDown(int button, int shift = 0, float x = 0, float y = 0);
    void UserMouseUp(int button, int shift = 0, float x = 0, float y = 0);

    Event<> Click, DblClick, GotFocus, LostFocus;
    Event<int, int, float, float> MouseDown, MouseUp, MouseMove;   // button, shift, x, y
    Event<int&> KeyPress;                                            // KeyAscii, 0 swallows it
    Event<int&, int> KeyDown, KeyUp;                                 // KeyCode, shift

    void SetView(ControlView* v) { view_ = v; }
    ControlView* View() const { return view_; }
    virtual bool TakesFocus() const { return true; }
    virtual bool IsContainer() const { return false; }

protected:
    // Every property and method of a control starts here: a control of the default
    // instance of an unloaded form loads that form first (Form_Load runs), as the
    // old runtime did, so code never fills a window whose load would wipe it again.
    void use() const;
    void notify(Prop what);
    // Runs an event through the dispatcher (errors shown, program goes on).
    template <class... A, class... P>
    void raise(const Event<A...>& e, P&&... args) const {
        if (e) dispatch([&] { e(std::forward<P>(args)...); });
    }
    static void dispatch(const std::function<void()>& body);

private:
    Form* owner_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 1200, height_ = 375;
    bool visible_ = true, enabled_ = true;
    forms::Font font_;
    Color foreColor_ = vbWindowText, backColor_ = vbButtonFace;
    ControlView* view_ = nullptr;
};

// A control array: ctl(i) as the old platform indexed it.
template <class C>
class ControlArray {
public:
    ControlArray(Form* owner, const std::string& name, std::initializer_list<int> indexes) {
        for (int i : indexes) items_.push_back(std::make_unique<C>(owner, name, i));
    }
    C& operator()(int index) {
        for (auto& c : items_) if (c->Index() == index) return *c;
        throw std::out_of_range(name() + "(" + std::to_string(index) + ")");
    }
    int Count() const { return static_cast<int>(items_.size()); }
    std::string name() const { return items_.empty() ? std::string() : items_.front()->Name(); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
private:
    std::vector<std::unique_ptr<C>> items_;
};

} // namespace forms
