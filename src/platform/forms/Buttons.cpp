// Buttons, option buttons, tick boxes and the containers and pictures around them.
#include "platform/forms/Controls.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Form.h"
#include "platform/vb/Err.h"

namespace forms {

void CommandButton::SetCaption(const std::string& c) {
    use();
    if (c == caption_) return;
    caption_ = c;
    notify(Prop::Caption);
}

void CommandButton::SetPicture(const std::string& p) {
    use();
    if (p == picture_) return;
    picture_ = p;
    notify(Prop::Picture);
}

void CommandButton::SetValue(bool pressed) {
    use();
    if (pressed) raise(Click);
}

void OptionButton::SetCaption(const std::string& c) {
    use();
    if (c == caption_) return;
    caption_ = c;
    notify(Prop::Caption);
}

void OptionButton::SetValue(bool v) {
    use();
    detail::DispatchScope scope;
    if (!v) {
        if (!value_) return;
        value_ = false;
        notify(Prop::Value);
        return;
    }
    // The group is every option of the same form in the same container.
    if (Form* form = Owner()) {
        for (Control* c : form->Controls()) {
            auto* other = dynamic_cast<OptionButton*>(c);
            if (other && other != this && other->Container() == Container() && other->value_) {
                other->value_ = false;
                other->notify(Prop::Value);
            }
        }
    }
    if (!value_) {
        value_ = true;
        notify(Prop::Value);
    }
    raise(Click);
}

void OptionButton::UserClick() {
    detail::DispatchScope scope;
    if (!EffectiveEnabled() || !EffectiveVisible()) return;
    SetFocus();
    if (EffectiveEnabled() && EffectiveVisible()) SetValue(true);
}

void CheckBox::SetCaption(const std::string& c) {
    use();
    if (c == caption_) return;
    caption_ = c;
    notify(Prop::Caption);
}

void CheckBox::SetValue(int v) {
    use();
    if (v < 0 || v > 2) vb::Raise(vb::errnum::InvalidPropertyValue);
    if (v == value_) return;
    value_ = v;
    notify(Prop::Value);
    raise(Click);
}

void CheckBox::UserClick() {
    detail::DispatchScope scope;
    if (!EffectiveEnabled() || !EffectiveVisible()) return;
    SetFocus();
    // A greyed box goes off, as a ticked one does.
    if (EffectiveEnabled() && EffectiveVisible()) SetValue(value_ == 0 ? 1 : 0);
}

void Frame::SetCaption(const std::string& c) {
    use();
    if (c == caption_) return;
    caption_ = c;
    notify(Prop::Caption);
}

void PictureBox::SetPicture(const std::string& p) {
    use();
    if (p == picture_) return;
    picture_ = p;
    notify(Prop::Picture);
}

void Image::SetPicture(const std::string& p) {
    use();
    if (p == picture_) return;
    picture_ = p;
    notify(Prop::Picture);
}

} // namespace forms
