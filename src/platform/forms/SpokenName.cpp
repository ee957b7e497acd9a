#include "platform/forms/SpokenName.h"

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace forms {

namespace {

// Twips a label may reach into its box and still stand beside or above it.
constexpr int kSlack = 60;
// A label this large is a heading, whatever it stands beside.
constexpr double kHeadingSize = 12;
// How far right of a tick box its caption label may begin.
constexpr int kTickGap = 600;

struct Span { int from, to; };
Span across(const Control& c) { return {c.Left(), c.Left() + c.Width()}; }
Span down(const Control& c) { return {c.Top(), c.Top() + c.Height()}; }
bool overlap(Span a, Span b) { return a.from < b.to && b.from < a.to; }

std::string withoutAmpersand(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

bool isBox(const Control& c) {
    return dynamic_cast<const TextBox*>(&c) || dynamic_cast<const ListSelection*>(&c) ||
           dynamic_cast<const MSFlexGrid*>(&c) || dynamic_cast<const DriveListBox*>(&c);
}

bool actsOn(const Control& c) {
    return isBox(c) || dynamic_cast<const CommandButton*>(&c) || dynamic_cast<const OptionButton*>(&c) ||
           dynamic_cast<const CheckBox*>(&c);
}

// The sibling labels and the controls that could stand between one of them and c.
class Neighbours {
public:
    explicit Neighbours(const Control& c) : c_(c) {}

    // The nearest label that lies in the band (a row or a column) on the given side.
    enum class Side { Left, Above, Right };
    const Label* nearest(Side side) const {
        const Label* best = nullptr;
        for (Control* other : c_.Owner()->Controls()) {
            auto* label = dynamic_cast<const Label*>(other);
            if (!label || !sibling(*label) || label->Caption().empty()) continue;
            if (heading(*label)) continue;
            if (!beside(*label, side)) continue;
            if (side != Side::Right && namesTickBox(*label)) continue;
            if (side == Side::Above && namesBoxOnItsRow(*label)) continue;
            if (!best || distance(*label, side) < distance(*best, side)) best = label;
        }
        return best && !blocked(*best, side) ? best : nullptr;
    }

private:
    // A label right beside a tick box without a caption is that box's caption.
    bool namesTickBox(const Label& label) const {
        for (Control* other : c_.Owner()->Controls()) {
            if (other == &c_ || !sibling(*other) || !captionless(*other)) continue;
            if (Neighbours(*other).beside(label, Side::Right)) return true;
        }
        return false;
    }
    // A window's or a section's title: bold and larger than the box's letters, or large by itself.
    bool heading(const Label& label) const {
        const Font& f = label.Font();
        return (f.Bold && f.Size > c_.Font().Size) || f.Size >= kHeadingSize;
    }
    // A label left of another box on its row is that box's, not the one below it.
    bool namesBoxOnItsRow(const Label& label) const {
        for (Control* other : c_.Owner()->Controls()) {
            if (other == &c_ || !sibling(*other) || !isBox(*other)) continue;
            if (Neighbours(*other).beside(label, Side::Left)) return true;
        }
        return false;
    }
public:
    static bool captionless(const Control& c) {
        if (auto* tick = dynamic_cast<const CheckBox*>(&c)) return tick->Caption().empty();
        if (auto* option = dynamic_cast<const OptionButton*>(&c)) return option->Caption().empty();
        return false;
    }

private:
    bool sibling(const Control& other) const {
        return &other != &c_ && other.Container() == c_.Container() && other.Visible();
    }
    bool beside(const Control& o, Side side) const {
        switch (side) {
        case Side::Left:
            return overlap(down(o), down(c_)) && o.Left() + o.Width() <= c_.Left() + kSlack && o.Left() < c_.Left();
        case Side::Above:
            return overlap(across(o), across(c_)) && o.Top() + o.Height() <= c_.Top() + kSlack && o.Top() < c_.Top();
        case Side::Right:
            return overlap(down(o), down(c_)) && o.Left() >= c_.Left() + c_.Width() - kSlack &&
                   o.Left() <= c_.Left() + c_.Width() + kTickGap;
        }
        return false;
    }
    int distance(const Control& o, Side side) const {
        switch (side) {
        case Side::Left: return c_.Left() - (o.Left() + o.Width());
        case Side::Above: return c_.Top() - (o.Top() + o.Height());
        case Side::Right: return o.Left() - (c_.Left() + c_.Width());
        }
        return 0;
    }
    // Another control the user acts on between the label and c: the label is that one's.
    bool blocked(const Control& label, Side side) const {
        for (Control* other : c_.Owner()->Controls()) {
            if (!sibling(*other) || !actsOn(*other)) continue;
            const bool between =
                side == Side::Above
                    ? overlap(across(*other), across(c_)) && other->Top() >= label.Top() + label.Height() - kSlack &&
                          other->Top() + other->Height() <= c_.Top() + kSlack
                    : overlap(down(*other), down(c_)) &&
                          (side == Side::Left ? other->Left() >= label.Left() + label.Width() - kSlack &&
                                                    other->Left() + other->Width() <= c_.Left() + kSlack
                                              : other->Left() >= c_.Left() + c_.Width() - kSlack &&
                                                    other->Left() + other->Width() <= label.Left() + kSlack);
            if (between) return true;
        }
        return false;
    }

    const Control& c_;
};

const Label* labelled(const Control& c, bool tickBox) {
    using Side = Neighbours::Side;
    const Neighbours around(c);
    const Label* label = tickBox ? around.nearest(Side::Right) : nullptr;
    if (!label) label = around.nearest(Side::Left);
    if (!label) label = around.nearest(Side::Above);
    return label;
}

std::string captionOf(const Label* label) { return label ? withoutAmpersand(label->Caption()) : std::string(); }

} // namespace

const Label* OwnLabel(const Control& c) {
    if (!c.AccessibleName.empty()) return nullptr;
    if (isBox(c)) return labelled(c, false);
    return Neighbours::captionless(c) ? labelled(c, true) : nullptr;
}

std::string SpokenName(const Control& c) {
    if (!c.AccessibleName.empty()) return c.AccessibleName;
    if (auto* button = dynamic_cast<const CommandButton*>(&c))
        return withoutAmpersand(button->Caption().empty() ? button->ToolTipText : button->Caption());
    if (auto* option = dynamic_cast<const OptionButton*>(&c); option && !option->Caption().empty())
        return withoutAmpersand(option->Caption());
    if (auto* tick = dynamic_cast<const CheckBox*>(&c); tick && !tick->Caption().empty())
        return withoutAmpersand(tick->Caption());
    return captionOf(OwnLabel(c));
}

} // namespace forms
