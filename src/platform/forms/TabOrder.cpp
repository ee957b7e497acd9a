#include "TabOrder.h"

#include <algorithm>
#include <climits>

#include "Form.h"

namespace forms {

namespace {

// The controls straight inside container (the form: those without a container), in screen order.
std::vector<Control*> inScreenOrder(const Form& form, const Control* container) {
    std::vector<Control*> inside;
    for (Control* c : form.Controls()) {
        const Control* holder = c->Container() ? c->Container() : &form;
        if (holder == container) inside.push_back(c);
    }
    std::stable_sort(inside.begin(), inside.end(), [](Control* a, Control* b) { return a->Top() < b->Top(); });
    std::vector<Control*> ordered;
    for (size_t first = 0; first < inside.size();) {
        // A row ends where a top reaches past the middle of a control already in it.
        int middle = INT_MAX;
        size_t end = first;
        while (end < inside.size() && inside[end]->Top() < middle) {
            middle = std::min(middle, inside[end]->Top() + std::max(inside[end]->Height(), 2) / 2);
            ++end;
        }
        std::stable_sort(inside.begin() + long(first), inside.begin() + long(end),
                         [](Control* a, Control* b) { return a->Left() < b->Left(); });
        ordered.insert(ordered.end(), inside.begin() + long(first), inside.begin() + long(end));
        first = end;
    }
    return ordered;
}

void collect(const Form& form, const Control* container, std::vector<Control*>& out) {
    for (Control* c : inScreenOrder(form, container)) {
        if (c->IsContainer())
            collect(form, c, out);
        else if (c->TakesFocus() && c->TabStop)
            out.push_back(c);
    }
}

} // namespace

std::vector<Control*> TabOrder(const Form& form) {
    std::vector<Control*> out;
    collect(form, &form, out);
    return out;
}

} // namespace forms
