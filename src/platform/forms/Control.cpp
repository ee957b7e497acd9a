#include "platform/forms/Control.h"

#include <typeinfo>

#include "platform/forms/Controls.h"

#include "platform/forms/Dispatcher.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

namespace forms {

namespace {
bool userCanAct(const Control& c) { return c.EffectiveEnabled() && c.EffectiveVisible(); }

bool isInside(const Control& c, const Control& container) {
    for (const Control* up = c.Container(); up; up = up->Container())
        if (up == &container) return true;
    return false;
}
} // namespace

Control::Control(Form* owner, std::string name, int index) : owner_(owner), name_(std::move(name)), index_(index) {
    if (owner_) owner_->addControl(this);
}

Control::~Control() {
    if (owner_) owner_->removeControl(this);
}

void Control::SetContainer(Control* container) {
    use();
    if (container == container_) return;
    container_ = container;
    notify(Prop::Geometry);
}

void Control::SetLeft(int v) { use(); Move(v, top_, width_, height_); }
void Control::SetTop(int v) { use(); Move(left_, v, width_, height_); }
void Control::SetWidth(int v) { use(); Move(left_, top_, v, height_); }
void Control::SetHeight(int v) { use(); Move(left_, top_, width_, v); }

void Control::Move(int left, int top, int width, int height) {
    use();
    if (width < 0) width = width_;
    if (height < 0) height = height_;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Prop::Geometry);
    if (!resized) return;
    if (auto* form = dynamic_cast<Form*>(this); form && form->IsLoaded())
        dispatch([form] { form->Form_Resize(); });
    else if (auto* picture = dynamic_cast<PictureBox*>(this))
        raise(picture->Resize);
}

void Control::SetVisible(bool v) {
    use();
    if (v == visible_) return;
    visible_ = v;
    notify(Prop::Visible);
}

void Control::SetEnabled(bool v) {
    use();
    if (v == enabled_) return;
    enabled_ = v;
    notify(Prop::Enabled);
    // What the user may do with the contained controls changed too.
    if (!IsContainer()) return;
    Form* form = owner_ ? owner_ : dynamic_cast<Form*>(this);
    if (!form) return;
    for (Control* c : form->Controls())
        if (form == this || isInside(*c, *this)) c->notify(Prop::Enabled);
}

bool Control::EffectiveEnabled() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return !owner_ || owner_->Enabled();
}

// The form's own visibility is left out: a loaded form not yet shown can still be driven.
bool Control::EffectiveVisible() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return true;
}

void Control::SetFont(const forms::Font& f) {
    use();
    if (f == font_) return;
    font_ = f;
    notify(Prop::Font);
}

void Control::SetFontBold(bool b) {
    use();
    forms::Font f = font_;
    f.Bold = b;
    SetFont(f);
}

void Control::SetFontSize(double s) {
    use();
    forms::Font f = font_;
    f.Size = s;
    SetFont(f);
}

void Control::SetFontName(const std::string& n) {
    use();
    forms::Font f = font_;
    f.Name = n;
    SetFont(f);
}

void Control::SetForeColor(Color c) {
    use();
    if (c == foreColor_) return;
    foreColor_ = c;
    notify(Prop::Color);
}

void Control::SetBackColor(Color c) {
    use();
    if (c == backColor_) return;
    backColor_ = c;
    notify(Prop::Color);
}

void Control::SetFocus() {
    use();
    if (!owner_ || !TakesFocus() || !userCanAct(*this)) return;
    Form* form = owner_;
    Control* previous = form->ActiveControl();
    if (previous == this) return;
    detail::DispatchScope scope;
    form->setActiveControl(this);
    if (previous) previous->raise(previous->LostFocus);
    // LostFocus may have sent the focus elsewhere (back to itself, to validate).
    if (form->ActiveControl() == this) raise(GotFocus);
}

bool Control::HasFocus() const { return owner_ && owner_->ActiveControl() == this; }

void Control::UserClick() {
    detail::DispatchScope scope;
    if (!userCanAct(*this)) return;
    SetFocus();
    if (userCanAct(*this)) raise(Click);
}

void Control::UserDblClick() {
    detail::DispatchScope scope;
    if (userCanAct(*this)) raise(DblClick);
}

void Control::UserMouseDown(int button, int shift, float x, float y) {
    detail::DispatchScope scope;
    if (userCanAct(*this)) raise(MouseDown, button, shift, x, y);
}

void Control::UserMouseUp(int button, int shift, float x, float y) {
    detail::DispatchScope scope;
    if (userCanAct(*this)) raise(MouseUp, button, shift, x, y);
}

void Control::use() const {
    if (owner_ && !owner_->IsLoaded() && detail::findDefault(typeid(*owner_)) == owner_) owner_->Load();
}

void Control::notify(Prop what) {
    if (view_) view_->changed(*this, what);
}

void Control::dispatch(const std::function<void()>& body) { Dispatch(body); }

} // namespace forms
