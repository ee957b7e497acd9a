#pragma once
// The real window of one form: built from the form's controls when the form is
// first shown, dropped (views detached at once, widgets deleted later) when it unloads.
#include <QMdiArea>
#include <QPointer>
#include <QScrollArea>
#include <map>
#include <memory>
#include <vector>

#include "platform/forms/Form.h"
#include "qtview/View.h"
#include "qtview/Windows.h"

class QKeyEvent;
class QMenu;

namespace forms { class Menu; }

namespace qtview {


class FormWindow : public forms::ControlView {
public:
    // mdiParent: the main window's FormWindow for an MDI child, else null.
    FormWindow(forms::Form& form, FormWindow* mdiParent);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    forms::Form& form() const { return form_; }
    // The window itself: a top-level QMainWindow or an MDI child.
    QWidget* frame() const;
    QMdiArea* mdiArea() const { return mdi_; }
    QWidget* viewWidget(const forms::Control& control) const;

    void show();
    void hide();
    bool isShown() const;
    void setModal(bool modal);

    void changed(forms::Control& control, forms::Prop what) override;

    // From the window.
    void userClose();
    void userActivated();
    // The user (or the window manager) gave the top-level window a new size.
    void userResized();
    // A key pressed in this window; true swallows it.
    bool userKey(QKeyEvent* event);

private:
    void buildTop(QWidget* owner);
    void buildSub(FormWindow& mdiParent);
    void buildControls(QWidget* canvas);
    WidgetView* ensureView(forms::Control& control, QWidget* canvas);
    void buildMenus();
    void addMenu(forms::Menu& menu, QMenu* into);
    void placeWindow();
    int scrollBarExtent() const;
    // The focus into the control the window opens with (or, in the main window, returns to).
    void focusFirst();
    // The inner size of a top-level window for the form's Width and Height.
    QSize clientSize() const;
    // Holds the canvas: a window cut to fit its area scrolls the form inside it.
    QScrollArea* holdCanvas(QWidget* canvas);
    // The controls in the form's tab order; no Tab stop on a control that is none.
    void applyTabOrder();
    // Names each widget for a screen reader as forms::SpokenName finds it.
    void applySpokenNames();
    bool clickButton(bool isDefault);
    // Lights the first entry of the menu bar for the keys; false when the window has none.
    bool openMenuBar();

    forms::Form& form_;
    QPointer<TopWindow> top_;
    QPointer<SubWindow> sub_;
    QPointer<QWidget> canvas_;
    QPointer<FormScroll> scroll_;
    // The inner size the top-level window was given, cut to the screen where needed.
    QSize shownClient_;
    QPointer<QMdiArea> mdi_;
    std::vector<std::unique_ptr<BoundView>> views_;
    std::map<const forms::Control*, WidgetView*> widgets_;
    QMetaObject::Connection childActivated_;
    bool placed_ = false;
    bool updating_ = false;
    bool replaying_ = false;
    // Cleared on destruction: a handler run from a key may unload the form.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace qtview
