#pragma once
// Makers of the views of each family of controls; each returns null for a
// control of another family.
#include <memory>

#include "qtview/View.h"

namespace qtview {

std::unique_ptr<WidgetView> MakeTextView(forms::Control& control, FormWindow& window, QWidget* parent);
std::unique_ptr<WidgetView> MakeButtonView(forms::Control& control, FormWindow& window, QWidget* parent);
std::unique_ptr<WidgetView> MakeContainerView(forms::Control& control, FormWindow& window, QWidget* parent);
std::unique_ptr<WidgetView> MakeListView(forms::Control& control, FormWindow& window, QWidget* parent);
std::unique_ptr<WidgetView> MakeFileView(forms::Control& control, FormWindow& window, QWidget* parent);
std::unique_ptr<WidgetView> MakeGridView(forms::Control& control, FormWindow& window, QWidget* parent);
std::unique_ptr<WidgetView> MakeStatusBarView(forms::Control& control, FormWindow& window, QWidget* parent);
std::unique_ptr<WidgetView> MakeLineView(forms::Control& control, FormWindow& window, QWidget* parent);

} // namespace qtview
