#pragma once
// The view of each control kind.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <memory>

#include "qtview/View.h"


namespace forms {
class Menu;
class Timer;
}

namespace qtview {

// The widget view of a control, made inside parent; null for kinds without a
// widget (menus, timers, the common dialog).
std::unique_ptr<WidgetView> MakeWidgetView(forms::Control& control, FormWindow& window, QWidget* parent);

std::unique_ptr<BoundView> MakeTimerView(forms::Timer& timer, FormWindow& window);

// A menu bar entry or menu item added to parent (a QMenuBar or a QMenu).
class MenuView : public BoundView {
public:
    MenuView(forms::Menu& menu, FormWindow& window, QWidget* parent);
    // The drop-down holding the item's own items; null for a plain item.
    QMenu* submenu() const { return submenu_; }
    void changed(forms::Control& control, forms::Prop what) override;
    void sync() override;
private:
    forms::Menu& menu() const;
    QPointer<QAction> action_;
    QPointer<QMenu> submenu_;
};

// Makes the entry the keys have lit show on the bar, also with no drop-down open.
void LightKeyboardEntries(QMenuBar* bar);

} // namespace qtview
