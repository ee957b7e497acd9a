#include "qtview/ViewKinds.h"
#include "qtview/Views.h"

namespace qtview {

std::unique_ptr<WidgetView> MakeWidgetView(forms::Control& control, FormWindow& window, QWidget* parent) {
    using Maker = std::unique_ptr<WidgetView> (*)(forms::Control&, FormWindow&, QWidget*);
    static constexpr Maker makers[] = {MakeTextView, MakeButtonView, MakeContainerView, MakeListView,
                                       MakeFileView, MakeGridView,   MakeStatusBarView, MakeLineView};
    for (Maker make : makers)
        if (auto view = make(control, window, parent)) return view;
    return nullptr;
}

} // namespace qtview
