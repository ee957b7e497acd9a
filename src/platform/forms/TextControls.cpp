#include <algorithm>

#include "platform/forms/Controls.h"
#include "platform/forms/Dispatcher.h"
#include "platform/vb/Strings.h"

namespace forms {

void Label::SetCaption(const std::string& c) {
    use();
    if (c == caption_) return;
    caption_ = c;
    notify(Prop::Caption);
}

TextBox::TextBox(Form* owner, std::string name, int index) : Control(owner, std::move(name), index) {
    SetBackColor(vbWindowBackground);
}

void TextBox::SetText(const std::string& t) {
    use();
    if (t == text_) return;
    text_ = t;
    selStart_ = 0;
    selLength_ = 0;
    notify(Prop::Text);
    raise(Change);
}

void TextBox::UserType(const std::string& typed) {
    detail::DispatchScope scope;
    if (!EffectiveEnabled() || !EffectiveVisible() || Locked) return;
    if (!HasFocus()) SetFocus();
    const long count = vb::Len(typed);
    for (long i = 1; i <= count; ++i) {
        std::string ch = vb::Mid(typed, i, 1);
        if (KeyPress) {
            const int original = vb::Asc(ch);
            int keyAscii = original;
            raise(KeyPress, keyAscii);
            if (keyAscii <= 0) continue;                   // the handler swallowed it
            if (keyAscii != original && keyAscii < 256) ch = vb::Chr(keyAscii);
        }
        const long length = vb::Len(text_);
        std::string before = vb::Left(text_, selStart_);
        std::string after = vb::Mid(text_, selStart_ + selLength_ + 1);
        if (ch == "\b") {
            if (selLength_ == 0 && selStart_ > 0) {
                before = vb::Left(text_, selStart_ - 1);
                --selStart_;
            }
            ch.clear();
        } else if (ch == "\r" || ch == "\n") {
            if (!MultiLine) continue;
            ch = "\r\n";
        } else if (static_cast<unsigned char>(ch[0]) < 32) {
            continue;
        }
        const long added = vb::Len(ch);
        if (maxLength_ > 0 && added > 0 && length - selLength_ + added > maxLength_) continue;
        const std::string next = before + ch + after;
        selStart_ += static_cast<int>(added);
        selLength_ = 0;
        if (next == text_) continue;
        text_ = next;
        notify(Prop::Text);
        raise(Change);
    }
}

void TextBox::UserSetText(const std::string& t) {
    if (Locked) return;
    const std::string cut = maxLength_ > 0 ? vb::Left(t, maxLength_) : t;
    selStart_ = static_cast<int>(vb::Len(cut));
    selLength_ = 0;
    if (cut == text_) return;
    text_ = cut;
    notify(Prop::Text);
    raise(Change);
}

void TextBox::SetMaxLength(int n) {
    use();
    if (n == maxLength_) return;
    maxLength_ = std::max(0, n);
    notify(Prop::Other);
}

void TextBox::SetSelStart(int s) {
    use();
    const int length = static_cast<int>(vb::Len(text_));
    selStart_ = std::clamp(s, 0, length);
    selLength_ = 0;
    notify(Prop::Selection);
}

void TextBox::SetSelLength(int n) {
    use();
    const int length = static_cast<int>(vb::Len(text_));
    selLength_ = std::clamp(n, 0, length - selStart_);
    notify(Prop::Selection);
}

std::string TextBox::SelText() const {
    use();
    return vb::Mid(text_, selStart_ + 1, selLength_);
}

} // namespace forms
