// Frames, 3D panels, picture boxes and images.
#include <QGroupBox>
#include <QLabel>

#include "platform/forms/Controls.h"
#include "qtview/Convert.h"
#include "qtview/Pictures.h"
#include "qtview/ViewKinds.h"

namespace qtview {

namespace {

// The picture at its own size when it fits, else shrunk to fit, keeping its shape.
QPixmap fitted(const std::string& picture, QSize box, bool stretch) {
    if (picture.empty() || box.isEmpty()) return {};
    if (stretch) return LoadPicture(picture, box);
    QSize own = PictureSize(picture);
    if (!own.isValid()) return {};
    if (own.width() > box.width() || own.height() > box.height()) own.scale(box, Qt::KeepAspectRatio);
    return LoadPicture(picture, own);
}

class FrameView : public WidgetView {
public:
    FrameView(forms::Frame& frame, FormWindow& window, QWidget* parent)
        : WidgetView(frame, window, frame.Panel ? static_cast<QWidget*>(new QLabel(parent)) : new QGroupBox(parent)),
          frame_(frame) {}
    QWidget* childParent() const override { return widget(); }

protected:
    bool fillsBackground() const override { return true; }
    bool clicksOnRelease() const override { return true; }
    void content() override {
        if (auto* panel = qobject_cast<QLabel*>(widget())) {
            // A 3D panel shows its caption inside the bevel.
            panel->setTextFormat(Qt::PlainText);
            panel->setText(Lines(frame_.Caption()));
            panel->setWordWrap(true);
            panel->setAlignment(HorizontalAlignment(frame_.Alignment) | Qt::AlignVCenter);
            const int shadow = frame_.BevelOuter == 2 ? QFrame::Raised : QFrame::Sunken;
            panel->setFrameStyle(frame_.BevelOuter == 0 ? QFrame::NoFrame : QFrame::Panel | shadow);
            panel->setLineWidth(qMax(1, frame_.BevelWidth));
            panel->setMargin(2 + frame_.BorderWidth);
        } else {
            auto* group = static_cast<QGroupBox*>(widget());
            group->setTitle(Q(frame_.Caption()));
            group->setAlignment(HorizontalAlignment(frame_.Alignment));
        }
    }

private:
    forms::Frame& frame_;
};

class PictureBoxView : public WidgetView {
public:
    PictureBoxView(forms::PictureBox& box, FormWindow& window, QWidget* parent)
        : WidgetView(box, window, new QLabel(parent)), box_(box) {
        label()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QWidget* childParent() const override { return widget(); }

protected:
    bool fillsBackground() const override { return true; }
    bool clicksOnRelease() const override { return true; }
    void placeGeometry() override {
        WidgetView::placeGeometry();
        content();
    }
    void content() override {
        label()->setFrameStyle(box_.BorderStyle == 1 ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        const QSize box(Px(box_.Width()), Px(box_.Height()));
        if (shown_.Changes(box_.Picture(), box)) label()->setPixmap(fitted(box_.Picture(), box, false));
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    forms::PictureBox& box_;
    ShownPicture shown_;
};

class ImageView : public WidgetView {
public:
    ImageView(forms::Image& image, FormWindow& window, QWidget* parent)
        : WidgetView(image, window, new QLabel(parent)), image_(image) {
        label()->setAlignment(Qt::AlignCenter);
    }

protected:
    bool clicksOnRelease() const override { return true; }
    void placeGeometry() override {
        WidgetView::placeGeometry();
        content();
    }
    void content() override {
        const QSize box(Px(image_.Width()), Px(image_.Height()));
        if (shown_.Changes(image_.Picture(), box, image_.Stretch))
            label()->setPixmap(fitted(image_.Picture(), box, image_.Stretch));
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
    forms::Image& image_;
    ShownPicture shown_;
};

} // namespace

std::unique_ptr<WidgetView> MakeContainerView(forms::Control& control, FormWindow& window, QWidget* parent) {
    if (auto* f = dynamic_cast<forms::Frame*>(&control)) return std::make_unique<FrameView>(*f, window, parent);
    if (auto* p = dynamic_cast<forms::PictureBox*>(&control)) return std::make_unique<PictureBoxView>(*p, window, parent);
    if (auto* i = dynamic_cast<forms::Image*>(&control)) return std::make_unique<ImageView>(*i, window, parent);
    return nullptr;
}

} // namespace qtview
