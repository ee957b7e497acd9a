#pragma once
// The two-way tie between one model control and its widget. Model changes
// reach the widget through forms::ControlView; user input goes back to the
// model through toModel(). Connections run through a Link that outlives the
// view, so signals from a widget awaiting deletion reach nothing.
#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

#include "platform/forms/Control.h"

namespace qtview {

class FormWindow;
class BoundView;

class Link : public QObject {
public:
    explicit Link(BoundView* v) : view(v) {}
    BoundView* view;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

class BoundView : public forms::ControlView {
public:
    BoundView(forms::Control& control, FormWindow& window);
    ~BoundView() override;
    BoundView(const BoundView&) = delete;
    BoundView& operator=(const BoundView&) = delete;

    forms::Control& control() const { return control_; }
    FormWindow& window() const { return window_; }
    // Applies every property of the control.
    virtual void sync() = 0;
    virtual bool filter(QObject*, QEvent*) { return false; }

protected:
    // Runs a user action on the model; false when this view did not survive it
    // (the handler unloaded the form), so the caller must not touch members.
    bool toModel(const std::function<void()>& action);

    // Connects a signal to f for as long as this view lives.
    template <class Sender, class Signal, class F>
    void on(Sender* sender, Signal signal, F f) {
        QPointer<Link> link = link_;
        QObject::connect(sender, signal, link_, [link, f](auto&&... args) -> decltype(void(f(args...))) {
            if (link && link->view) f(args...);
        });
    }
    void watch(QObject* object) { object->installEventFilter(link_); }

    // Set while the view writes into its widget, so the widget's signals are not fed back.
    bool updating_ = false;
    struct Updating {
        explicit Updating(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
        ~Updating() { flag_ = old_; }
        bool& flag_;
        bool old_;
    };

private:
    forms::Control& control_;
    FormWindow& window_;
    Link* link_;
};

// A view with a widget placed in its container's widget.
class WidgetView : public BoundView {
public:
    WidgetView(forms::Control& control, FormWindow& window, QWidget* widget);
    QWidget* widget() const { return widget_; }
    // Where the control's children go (containers only).
    virtual QWidget* childParent() const { return nullptr; }
    // A layout places the widget (a bar along an MDI window's edge): only its height counts.
    void setManaged(bool managed) { managed_ = managed; }
    void changed(forms::Control& control, forms::Prop what) override;
    void sync() override;
    // Runs once every control of the form has its widget (labels find their buddies).
    virtual void afterBuild() {}

protected:
    // The kind's own properties; update() gets one change, content() all.
    virtual void content() = 0;
    virtual void update(forms::Prop) { content(); }
    virtual void placeGeometry();
    virtual void applyFont();
    virtual QPalette::ColorRole backRole() const { return QPalette::Window; }
    virtual QPalette::ColorRole foreRole() const { return QPalette::WindowText; }
    // Whether the back colour paints the widget's whole face (labels, frames).
    virtual bool fillsBackground() const { return false; }
    void applyColors();
    // Controls without a click signal of their own (labels, pictures, frames) click on a left release.
    virtual bool clicksOnRelease() const { return false; }
    // Moves the focus in the model when the widget takes it, and passes mouse buttons on.
    bool filter(QObject* watched, QEvent* event) override;

    QPointer<QWidget> widget_;
    bool managed_ = false;
};

} // namespace qtview
