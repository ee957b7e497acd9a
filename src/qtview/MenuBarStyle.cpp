// The menu bar's look while the keys walk it.
#include <QApplication>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOption>

#include "qtview/Views.h"

namespace qtview {

namespace {

// Most styles light a bar entry only while its drop-down is open: an entry lit
// by F10 or the arrow keys, with none open, is drawn as if it were.
class KeyboardLitStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuBarItem && widget && widget->hasFocus() && (option->state & State_Selected)) {
            if (auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem lit(*item);
                lit.state |= State_Sunken;
                QProxyStyle::drawControl(element, &lit, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

void LightKeyboardEntries(QMenuBar* bar) {
    auto* style = new KeyboardLitStyle(QApplication::style()->name());
    style->setParent(bar);
    bar->setStyle(style);
}

} // namespace qtview
