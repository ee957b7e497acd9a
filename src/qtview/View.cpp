#include "qtview/View.h"

#include <QEvent>
#include <QMouseEvent>

#include "platform/forms/Runtime.h"
#include "qtview/Convert.h"

namespace qtview {

bool Link::eventFilter(QObject* watched, QEvent* event) { return view && view->filter(watched, event); }

BoundView::BoundView(forms::Control& control, FormWindow& window)
    : control_(control), window_(window), link_(new Link(this)) {
    control_.SetView(this);
}

BoundView::~BoundView() {
    if (control_.View() == this) control_.SetView(nullptr);
    link_->view = nullptr;
    link_->deleteLater();
}

bool BoundView::toModel(const std::function<void()>& action) {
    QPointer<Link> link = link_;
    forms::Dispatch(action);
    return link && link->view == this;
}

WidgetView::WidgetView(forms::Control& control, FormWindow& window, QWidget* widget)
    : BoundView(control, window), widget_(widget) {
    widget->setObjectName(Q(control.Name()) +
                          (control.Index() >= 0 ? QStringLiteral("_%1").arg(control.Index()) : QString()));
    watch(widget);
}

void WidgetView::changed(forms::Control&, forms::Prop what) {
    if (!widget_) return;
    Updating guard(updating_);
    switch (what) {
    case forms::Prop::Geometry: placeGeometry(); break;
    case forms::Prop::Enabled: widget_->setEnabled(control().Enabled()); break;
    case forms::Prop::Visible: widget_->setVisible(control().Visible()); break;
    case forms::Prop::Font: applyFont(); break;
    case forms::Prop::Color: applyColors(); break;
    case forms::Prop::Other: sync(); break;
    default: update(what); break;
    }
}

void WidgetView::sync() {
    if (!widget_) return;
    Updating guard(updating_);
    applyFont();
    applyColors();
    placeGeometry();
    widget_->setEnabled(control().Enabled());
    widget_->setToolTip(Q(control().ToolTipText));
    content();
    widget_->setVisible(control().Visible());
}

void WidgetView::placeGeometry() {
    const forms::Control& c = control();
    if (managed_) {
        widget_->setFixedHeight(Px(c.Height()));
        return;
    }
    widget_->setGeometry(Px(c.Left()), Px(c.Top()), Px(c.Width()), Px(c.Height()));
}

void WidgetView::applyFont() { widget_->setFont(ToQFont(control().Font())); }

void WidgetView::applyColors() {
    const QPalette::ColorRole back = backRole();
    // Text-like widgets keep the desktop's white unless a real colour was chosen.
    const forms::Color desktop = back == QPalette::Base ? forms::vbWindowBackground : forms::vbButtonFace;
    std::optional<QColor> backColor = ToQColor(control().BackColor(), desktop);
    if (back == QPalette::Base && control().BackColor() == forms::vbButtonFace) backColor.reset();
    const std::optional<QColor> foreColor = ToQColor(control().ForeColor(), forms::vbWindowText);
    // Only the roles given a colour are set; the rest follow the container.
    QPalette palette;
    if (backColor) palette.setColor(back, *backColor);
    if (foreColor) palette.setColor(foreRole(), *foreColor);
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(fillsBackground() && backColor.has_value());
}

namespace {
int vbButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return forms::vbLeftButton;
    case Qt::RightButton: return forms::vbRightButton;
    case Qt::MiddleButton: return forms::vbMiddleButton;
    default: return 0;
    }
}
}

bool WidgetView::filter(QObject* watched, QEvent* event) {
    if (watched != widget_ || updating_) return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (control().TakesFocus() && !control().HasFocus()) return !toModel([this] { control().SetFocus(); });
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int button = vbButton(mouse->button());
        if (!button) return false;
        const int shift = VbShift(mouse->modifiers());
        const float x = float(Twips(1) * mouse->position().x()), y = float(Twips(1) * mouse->position().y());
        const bool press = event->type() == QEvent::MouseButtonPress;
        if (!toModel([&] {
                if (press)
                    control().UserMouseDown(button, shift, x, y);
                else
                    control().UserMouseUp(button, shift, x, y);
            }))
            return true;
        if (!press && button == forms::vbLeftButton && clicksOnRelease() && widget_->rect().contains(mouse->position().toPoint()))
            return !toModel([this] { control().UserClick(); });
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (clicksOnRelease() && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            return !toModel([this] { control().UserDblClick(); });
        return false;
    default:
        return false;
    }
}

} // namespace qtview
