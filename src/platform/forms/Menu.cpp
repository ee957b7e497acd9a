#include "platform/forms/Controls.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Form.h"

namespace forms {

Menu::Menu(Form* owner, std::string name, std::string caption, Menu* parent, int index)
    : Control(owner, std::move(name), index), caption_(std::move(caption)), parent_(parent) {
    if (parent_) parent_->items_.push_back(this);
}

void Menu::SetCaption(const std::string& c) {
    use();
    if (c == caption_) return;
    caption_ = c;
    notify(Prop::Caption);
}

void Menu::SetChecked(bool c) {
    use();
    if (c == checked_) return;
    checked_ = c;
    notify(Prop::Checked);
}

void Menu::UserClick() {
    detail::DispatchScope scope;
    if (IsSeparator()) return;
    for (const Menu* m = this; m; m = m->parent_)
        if (!m->Enabled() || !m->Visible()) return;
    if (Owner() && !Owner()->Enabled()) return;
    raise(Click);
}

} // namespace forms
