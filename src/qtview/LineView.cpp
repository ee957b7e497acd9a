// Lines: a transparent widget over the line's bounding box that paints it.
#include <QPainter>
#include <QWidget>

#include "platform/forms/Line.h"
#include "qtview/Convert.h"
#include "qtview/ViewKinds.h"

namespace qtview {

namespace {

class LineWidget : public QWidget {
public:
    LineWidget(forms::Line& line, QWidget* parent) : QWidget(parent), line_(line) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(ToQColor(line_.BorderColor()), 1));
        const QPoint from(Px(line_.X1() - line_.Left()), Px(line_.Y1() - line_.Top()));
        const QPoint to(Px(line_.X2() - line_.Left()), Px(line_.Y2() - line_.Top()));
        p.drawLine(from, to);
    }

private:
    forms::Line& line_;
};

class LineView : public WidgetView {
public:
    LineView(forms::Line& line, FormWindow& window, QWidget* parent)
        : WidgetView(line, window, new LineWidget(line, parent)), line_(line) {}

protected:
    // A horizontal or vertical line has no width or height of its own: one pixel.
    void placeGeometry() override {
        widget_->setGeometry(Px(line_.Left()), Px(line_.Top()), Px(line_.Width()) + 1, Px(line_.Height()) + 1);
        widget_->update();
    }
    void content() override { widget_->update(); }

private:
    forms::Line& line_;
};

} // namespace

std::unique_ptr<WidgetView> MakeLineView(forms::Control& control, FormWindow& window, QWidget* parent) {
    if (auto* l = dynamic_cast<forms::Line*>(&control)) return std::make_unique<LineView>(*l, window, parent);
    return nullptr;
}

} // namespace qtview
