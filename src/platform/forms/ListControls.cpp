// List box and combo box.
#include "platform/forms/Controls.h"
#include "platform/forms/Dispatcher.h"
#include "platform/vb/Err.h"
#include "platform/vb/Strings.h"

namespace forms {

namespace {
} // namespace

void ListControl::AddItem(const std::string& item, int index) {
    use();
    const int count = ListCount();
    int at = index;
    if (index == -1) {
        at = count;
        if (Sorted) {
            at = 0;
            while (at < count && vb::StrCompText(items_[at].text, item) <= 0) ++at;
        }
    } else if (index < 0 || index > count) {
        vb::Raise(vb::errnum::InvalidArgument);
    }
    items_.insert(items_.begin() + at, Item{item, 0});
    newIndex_ = at;
    if (listIndex_ >= at) ++listIndex_;   // the selection stays on its item
    notify(Prop::List);
}

void ListControl::RemoveItem(int index) {
    use();
    if (index < 0 || index >= ListCount()) vb::Raise(vb::errnum::InvalidArgument);
    items_.erase(items_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    newIndex_ = -1;
    notify(Prop::List);
}

void ListControl::Clear() {
    use();
    items_.clear();
    listIndex_ = -1;
    newIndex_ = -1;
    notify(Prop::List);
}

std::string ListControl::List(int index) const {
    use();
    return index >= 0 && index < ListCount() ? items_[index].text : std::string();
}

void ListControl::SetList(int index, const std::string& text) {
    use();
    if (index < 0 || index >= ListCount()) vb::Raise(vb::errnum::InvalidPropertyIndex, "Ugyldig indeks for egenskapsmatrise");
    if (items_[index].text == text) return;
    items_[index].text = text;
    notify(Prop::List);
}

long ListControl::ItemData(int index) const {
    use();
    if (index < 0 || index >= ListCount()) vb::Raise(vb::errnum::InvalidPropertyIndex, "Ugyldig indeks for egenskapsmatrise");
    return items_[index].data;
}

void ListControl::SetItemData(int index, long data) {
    use();
    if (index < 0 || index >= ListCount()) vb::Raise(vb::errnum::InvalidPropertyIndex, "Ugyldig indeks for egenskapsmatrise");
    items_[index].data = data;
}

void ListSelection::SetListIndex(int index) {
    use();
    if (index < -1 || index >= ListCount()) vb::Raise(vb::errnum::InvalidPropertyValue);
    if (index == listIndex_) return;
    listIndex_ = index;
    notify(Prop::ListIndex);
    raise(Click);
}

void ListSelection::UserSelect(int index) {
    detail::DispatchScope scope;
    if (!UserCanPick(index)) return;
    SetFocus();
    SetListIndex(index);
}

void ListSelection::UserDblClickItem(int index) {
    detail::DispatchScope scope;
    if (!UserCanPick(index)) return;
    UserSelect(index);
    raise(DblClick);
}

// The text of the chosen item while one is chosen, else what was typed or set.
std::string ComboBox::Text() const {
    use();
    return listIndex_ >= 0 ? List(listIndex_) : text_;
}

void ComboBox::SetText(const std::string& t) {
    use();
    int match = -1;
    for (int i = 0; i < ListCount() && match < 0; ++i)
        if (items_[i].text == t) match = i;
    if (Style == 2 && match < 0 && !t.empty()) vb::Raise(vb::errnum::PropertyReadOnly, "Egenskapen Text er skrivebeskyttet");
    if (t == Text() && match == listIndex_) return;
    text_ = t;
    if (Style == 2) {   // a drop-down list has no edit part: choosing an item is a click
        SetListIndex(match);
        return;
    }
    if (match != listIndex_) {
        listIndex_ = match;
        notify(Prop::ListIndex);
    }
    notify(Prop::Text);
    raise(Change);
}

} // namespace forms
