// Menu bar entries and menu items.
#include <QAction>
#include <QMenu>

#include "platform/forms/Controls.h"
#include "qtview/Convert.h"
#include "qtview/Views.h"

namespace qtview {

MenuView::MenuView(forms::Menu& menu, FormWindow& window, QWidget* parent) : BoundView(menu, window) {
    if (!menu.Items().empty()) {
        submenu_ = new QMenu(parent);
        action_ = submenu_->menuAction();
        // Opening a menu is its Click, as the old menus ran it (items switch on or off there).
        on(submenu_.data(), &QMenu::aboutToShow, [this] { toModel([this] { this->menu().UserClick(); }); });
    } else {
        action_ = new QAction(parent);
        on(action_.data(), &QAction::triggered, [this](bool) {
            if (toModel([this] { this->menu().UserClick(); })) sync();
        });
    }
    action_->setObjectName(Q(menu.Name()));
    parent->addAction(action_);
    sync();
}


forms::Menu& MenuView::menu() const { return static_cast<forms::Menu&>(control()); }

void MenuView::changed(forms::Control&, forms::Prop) { sync(); }

void MenuView::sync() {
    if (!action_) return;
    const forms::Menu& m = menu();
    action_->setSeparator(m.IsSeparator());
    if (!m.IsSeparator()) action_->setText(Q(m.Caption()));
    action_->setEnabled(m.Enabled());
    action_->setVisible(m.Visible());
    action_->setCheckable(m.Checked());
    action_->setChecked(m.Checked());
}

} // namespace qtview
