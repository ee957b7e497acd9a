#include "qtview/FormWindow.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStatusBar>
#include <QVBoxLayout>

#include "platform/forms/Controls.h"
#include "platform/forms/Runtime.h"
#include "platform/forms/SpokenName.h"
#include "qtview/Convert.h"
#include "qtview/Pictures.h"
#include "qtview/Views.h"
#include "qtview/Windows.h"

namespace qtview {

namespace {
// A form's Width and Height include the border and the title bar.
constexpr int FrameWidthPx = 8;
constexpr int FrameHeightPx = 30;

bool fixedBorder(const forms::Form& f) { return f.BorderStyle == 1 || f.BorderStyle == 3; }
}

FormWindow::FormWindow(forms::Form& form, FormWindow* mdiParent) : form_(form) {
    if (form.MDIChild && mdiParent && mdiParent->mdiArea())
        buildSub(*mdiParent);
    else
        buildTop(mdiParent ? mdiParent->frame() : nullptr);
    form_.SetView(this);
}

FormWindow::~FormWindow() {
    *alive_ = false;
    QObject::disconnect(childActivated_);
    if (form_.View() == this) form_.SetView(nullptr);
    views_.clear();
    QWidget* f = frame();
    if (top_) top_->owner = nullptr;
    if (sub_) sub_->owner = nullptr;
    if (f) {
        hide();
        f->deleteLater();
    }
}

QWidget* FormWindow::frame() const {
    if (top_) return top_;
    return sub_;
}

QWidget* FormWindow::viewWidget(const forms::Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second->widget();
}

void FormWindow::buildTop(QWidget* owner) {
    top_ = new TopWindow(owner);
    top_->owner = this;
    // A window of the main window is transient for it: the window manager keeps it
    // above its owner (X11 marks only dialog-type windows so), as the old desktop did.
    const bool owned = owner != nullptr;
    Qt::WindowFlags flags = fixedBorder(form_) || owned ? Qt::Dialog : Qt::Window;
    if (form_.BorderStyle == 0) flags |= Qt::FramelessWindowHint;
    if (owned || !form_.ControlBox || !form_.MinButton || !form_.MaxButton || fixedBorder(form_)) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (form_.ControlBox) flags |= Qt::WindowCloseButtonHint;
        if (form_.ControlBox && form_.MinButton && !fixedBorder(form_)) flags |= Qt::WindowMinimizeButtonHint;
        if (form_.ControlBox && form_.MaxButton && !fixedBorder(form_)) flags |= Qt::WindowMaximizeButtonHint;
    }
    top_->setWindowFlags(flags);
    top_->setObjectName(Q(form_.Name()));

    if (form_.IsMDIForm) {
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        mdi_ = new QMdiArea;
        // A closing child hands over to the window the user came from, not the oldest one.
        mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
        // A window taller than the screen can still be scrolled to its last buttons.
        mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        if (auto back = ToQColor(form_.BackColor(), forms::vbButtonFace)) mdi_->setBackground(*back);
        layout->addWidget(mdi_, 1);
        // Moving between children is moving between the program's windows.
        childActivated_ = QObject::connect(mdi_, &QMdiArea::subWindowActivated, [this](QMdiSubWindow* window) {
            if (auto* child = dynamic_cast<SubWindow*>(window); child && child->owner) child->owner->userActivated();
            // The last child went: the keys go back to the main window, where the user sees it.
            const QList<QMdiSubWindow*> children = mdi_->subWindowList();
            if (!window && std::none_of(children.begin(), children.end(), [](QWidget* w) { return w->isVisible(); }))
                focusFirst();
        });
        top_->setCentralWidget(central);
        canvas_ = central;
    } else {
        canvas_ = new QWidget;
        top_->setCentralWidget(holdCanvas(canvas_));
    }
    buildMenus();
    buildControls(canvas_);
    const QPixmap icon = LoadPicture(form_.Icon, QSize(32, 32));
    if (!icon.isNull()) top_->setWindowIcon(QIcon(icon));
    changed(form_, forms::Prop::Other);
}

void FormWindow::buildSub(FormWindow& mdiParent) {
    sub_ = new SubWindow;
    sub_->owner = this;
    sub_->setObjectName(Q(form_.Name()));
    canvas_ = new QWidget;
    sub_->setWidget(holdCanvas(canvas_));
    mdiParent.mdiArea()->addSubWindow(sub_);
    Qt::WindowFlags flags = Qt::SubWindow;
    if (!form_.ControlBox || fixedBorder(form_)) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (form_.ControlBox) flags |= Qt::WindowCloseButtonHint;
    }
    sub_->setWindowFlags(flags);
    buildControls(canvas_);
    changed(form_, forms::Prop::Other);
}

QScrollArea* FormWindow::holdCanvas(QWidget* canvas) {
    scroll_ = new FormScroll;
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    // The canvas fills the window; only a minimum set by placeWindow makes it scroll.
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(canvas);
    return scroll_;
}

void FormWindow::buildControls(QWidget* canvas) {
    for (forms::Control* c : form_.Controls()) {
        if (auto* timer = dynamic_cast<forms::Timer*>(c))
            views_.push_back(MakeTimerView(*timer, *this));
        else
            ensureView(*c, canvas);
    }
    for (auto& [control, view] : widgets_) view->afterBuild();
}

WidgetView* FormWindow::ensureView(forms::Control& control, QWidget* canvas) {
    if (auto it = widgets_.find(&control); it != widgets_.end()) return it->second;
    if (dynamic_cast<forms::Menu*>(&control) || dynamic_cast<forms::Timer*>(&control)) return nullptr;

    QWidget* parent = canvas;
    forms::Control* container = control.Container();
    if (container && container != &form_) {
        if (WidgetView* holder = ensureView(*container, canvas); holder && holder->childParent())
            parent = holder->childParent();
    }
    // An MDI window holds only bars along its edges; its status bar is the window's own.
    auto* picture = dynamic_cast<forms::PictureBox*>(&control);
    const bool edgeBar = form_.IsMDIForm && parent == canvas && picture && (picture->Align == 1 || picture->Align == 2);
    const bool statusBar = form_.IsMDIForm && parent == canvas && dynamic_cast<forms::StatusBar*>(&control);

    std::unique_ptr<WidgetView> view = MakeWidgetView(control, *this, parent);
    if (!view) return nullptr;
    WidgetView* raw = view.get();
    views_.push_back(std::move(view));
    widgets_[&control] = raw;
    if (edgeBar) {
        raw->setManaged(true);
        auto* layout = static_cast<QVBoxLayout*>(canvas->layout());
        const int mdiAt = layout->indexOf(mdi_);
        layout->insertWidget(picture->Align == 1 ? mdiAt : mdiAt + 1, raw->widget());
    } else if (statusBar) {
        raw->setManaged(true);
        if (auto* bar = qobject_cast<QStatusBar*>(raw->widget())) top_->setStatusBar(bar);
    }
    raw->sync();
    return raw;
}

void FormWindow::buildMenus() {
    bool any = false;
    for (forms::Control* c : form_.Controls()) {
        auto* menu = dynamic_cast<forms::Menu*>(c);
        if (!menu || menu->Parent()) continue;
        any = true;
        addMenu(*menu, nullptr);
    }
    if (!any) return;
    top_->menuBar()->setNativeMenuBar(false);
    LightKeyboardEntries(top_->menuBar());
}

void FormWindow::addMenu(forms::Menu& menu, QMenu* into) {
    QWidget* parent = into ? static_cast<QWidget*>(into) : top_->menuBar();
    auto view = std::make_unique<MenuView>(menu, *this, parent);
    QMenu* submenu = view->submenu();
    views_.push_back(std::move(view));
    for (forms::Menu* item : menu.Items()) addMenu(*item, submenu);
}

QSize FormWindow::clientSize() const {
    return {qMax(Px(form_.Width()) - FrameWidthPx, 40), qMax(Px(form_.Height()) - FrameHeightPx, 20)};
}

void FormWindow::userResized() {
    if (!top_ || updating_ || !placed_) return;
    const QSize shown = top_->size();
    if (shown == shownClient_) return;
    // The model takes the size the user gave (its Form_Resize lays out the controls);
    // the window is not placed again from it.
    updating_ = true;
    forms::Dispatch([this, shown] {
        form_.Move(form_.Left(), form_.Top(), Twips(shown.width() + FrameWidthPx), Twips(shown.height() + FrameHeightPx));
    });
    updating_ = false;
}

int FormWindow::scrollBarExtent() const {
    return scroll_ ? scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_) : 0;
}

void FormWindow::placeWindow() {
    bool old = updating_;
    updating_ = true;
    const int left = Px(form_.Left()), top = Px(form_.Top());
    const int width = Px(form_.Width()), height = Px(form_.Height());
    if (sub_) {
        // A child's Top counts from the top of the main window's work space, the bars
        // along its top edge included, as the old frame counted.
        QMdiArea* area = sub_->mdiArea();
        const int bars = area ? area->y() : 0;
        const QMargins margins = sub_->contentsMargins();
        const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
        const QSize inner = QSize(width, height) - frame;
        QRect shown(left, qMax(0, top - bars), width, height);
        // (A work space not laid out yet has no size to fit into.)
        const QSize space = area ? area->viewport()->size() : QSize();
        QSize fitted = inner;
        if (!space.isEmpty()) {
            fitted = WithScrollBars(inner, space - frame, scrollBarExtent());
            shown = FitInto(QRect(shown.topLeft(), fitted + frame), QRect(QPoint(0, 0), space));
        }
        canvas_->setMinimumSize(fitted == inner ? QSize(0, 0) : inner);
        sub_->setGeometry(shown);
    } else if (top_) {
        const QSize client = clientSize();
        const QSize frame(FrameWidthPx, FrameHeightPx);
        QPoint at(left, top);
        // A form that never placed itself opens centred, as the designer's default start did.
        const QWidget* over = top_->parentWidget();
        const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
        const QRect screenArea = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        if (!placed_ && left == 0 && top == 0 && !form_.IsMDIForm)
            at = (over ? over->frameGeometry() : screenArea).center() - QPoint(width / 2, height / 2);
        const QSize fitted = form_.IsMDIForm ? client : WithScrollBars(client, screenArea.size() - frame, scrollBarExtent());
        const QRect wanted(at, fitted + frame);
        const QRect shown = form_.IsMDIForm ? wanted : FitInto(wanted, screenArea);
        shownClient_ = shown.size() - frame;
        if (canvas_ && scroll_) canvas_->setMinimumSize(shownClient_ == client ? QSize(0, 0) : client);
        if (fixedBorder(form_))
            top_->setFixedSize(shownClient_);
        else
            top_->resize(shownClient_);
        top_->move(shown.topLeft());
    }
    updating_ = old;
}

void FormWindow::show() {
    const bool first = !placed_;
    if (first) {
        placeWindow();
        placed_ = true;
    }
    applyTabOrder();
    applySpokenNames();
    // Asked for again while minimised, the window comes back as it was before.
    if (QWidget* f = frame(); f && f->isMinimized()) f->setWindowState(f->windowState() & ~Qt::WindowMinimized);
    if (sub_) {
        sub_->show();
        if (sub_->mdiArea()) sub_->mdiArea()->setActiveSubWindow(sub_);
    } else if (top_) {
        switch (form_.WindowState) {
        case forms::vbMaximized: top_->showMaximized(); break;
        case forms::vbMinimized: top_->showMinimized(); break;
        default: top_->show(); break;
        }
        top_->raise();
        top_->activateWindow();
    }
    if (first) focusFirst();
}

void FormWindow::focusFirst() {
    const auto takesTab = [this](QWidget* w) {
        return w && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() && w->isVisibleTo(frame());
    };
    // Where the form's own code put the focus, else the first Tab stop that can take it.
    QWidget* target = form_.ActiveControl() ? viewWidget(*form_.ActiveControl()) : nullptr;
    for (forms::Control* control : form_.TabOrder()) {
        if (takesTab(target)) break;
        target = viewWidget(*control);
    }
    if (!takesTab(target)) return;
    // Shown as a focus the keys reach, as after a Tab.
    target->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::TabFocusReason);
    if (scroll_) scroll_->reveal(target);
}

void FormWindow::applyTabOrder() {
    QWidget* previous = nullptr;
    for (auto& [control, view] : widgets_) {
        QWidget* w = view->widget();
        if (w && !control->TabStop) w->setFocusPolicy(Qt::FocusPolicy(w->focusPolicy() & ~Qt::TabFocus));
    }
    // Every stop is chained, also one that takes no Tab now (an empty grid): it may later.
    for (forms::Control* control : form_.TabOrder()) {
        QWidget* w = viewWidget(*control);
        if (!w) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void FormWindow::applySpokenNames() {
    // Read again at each Show: the load step may have changed a label's caption.
    for (auto& [control, view] : widgets_) {
        QWidget* w = view->widget();
        if (!w) continue;
        const std::string name = forms::SpokenName(*control);
        if (!name.empty()) w->setAccessibleName(Q(name));
        // The label's tie to its box, which readers take a drop-down list's name from.
        const forms::Label* label = forms::OwnLabel(*control);
        if (auto* shown = label ? qobject_cast<QLabel*>(viewWidget(*label)) : nullptr) shown->setBuddy(w);
    }
}

void FormWindow::hide() {
    QWidget* f = frame();
    if (!f) return;
    const QWidget* active = QApplication::activeWindow();
    const bool hadKeys = top_ && (!active || active == f || f->isAncestorOf(active) ||
                                  (active->parentWidget() && f->isAncestorOf(active->parentWidget())));
    f->hide();
    // A window manager may leave no window active when a dialog and the box over it go at
    // once: the keys go back to the window the dialog was opened over, where the user sees them.
    if (QWidget* owner = top_ ? top_->parentWidget() : nullptr; hadKeys && owner && owner->isVisible())
        owner->window()->activateWindow();
}

bool FormWindow::isShown() const {
    const QWidget* f = frame();
    return f && f->isVisible();
}

void FormWindow::setModal(bool modal) {
    if (!top_) return;
    const Qt::WindowModality wanted = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (top_->windowModality() == wanted) return;
    // Qt takes a new modality only while the window is hidden.
    const bool visible = top_->isVisible();
    if (visible) top_->hide();
    top_->setWindowModality(wanted);
    if (visible) top_->show();
}

void FormWindow::changed(forms::Control&, forms::Prop what) {
    QWidget* f = frame();
    if (!f || updating_) return;
    const bool all = what == forms::Prop::Other;
    if (all || what == forms::Prop::Caption) f->setWindowTitle(Q(form_.Caption()));
    if ((all || what == forms::Prop::Geometry) && placed_) placeWindow();
    if (all || what == forms::Prop::Enabled) f->setEnabled(form_.Enabled());
    if ((all || what == forms::Prop::Font) && canvas_) canvas_->setFont(ToQFont(form_.Font()));
    if ((all || what == forms::Prop::Color) && canvas_ && !mdi_) {
        const auto back = ToQColor(form_.BackColor(), forms::vbButtonFace);
        QPalette palette;
        if (back) palette.setColor(QPalette::Window, *back);
        canvas_->setPalette(palette);
        canvas_->setAutoFillBackground(back.has_value());
    }
}

void FormWindow::userClose() {
    forms::Dispatch([this] { form_.Unload(forms::vbFormControlMenu); });
}

void FormWindow::userActivated() {
    forms::Form* target = &form_;
    if (mdi_) {
        if (auto* child = dynamic_cast<SubWindow*>(mdi_->activeSubWindow()); child && child->owner)
            target = &child->owner->form();
    }
    forms::Dispatch([target] { target->Activate(); });
}

bool FormWindow::clickButton(bool isDefault) {
    forms::CommandButton* chosen = nullptr;
    if (isDefault) chosen = dynamic_cast<forms::CommandButton*>(form_.ActiveControl());
    for (forms::Control* c : form_.Controls()) {
        if (chosen) break;
        auto* button = dynamic_cast<forms::CommandButton*>(c);
        if (button && (isDefault ? button->Default : button->Cancel)) chosen = button;
    }
    if (!chosen || !chosen->EffectiveVisible() || !chosen->EffectiveEnabled()) return false;
    forms::Dispatch([chosen] { chosen->UserClick(); });
    return true;
}

bool FormWindow::userKey(QKeyEvent* event) {
    if (replaying_) return false;
    const int key = event->key();
    if (key == Qt::Key_F10 && event->modifiers() == Qt::NoModifier && openMenuBar()) return true;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && clickButton(true)) return true;
    if (key == Qt::Key_Escape && clickButton(false)) return true;
    const std::shared_ptr<bool> alive = alive_;
    // Tab moves the focus; the old forms never saw it as a key.
    const int code = key == Qt::Key_Tab || key == Qt::Key_Backtab ? 0 : VbKeyCode(key);
    if (code) {
        const QWidget* typedInto = QApplication::focusWidget();
        forms::Dispatch([this, code, event] { form_.UserKeyDown(code, VbShift(event->modifiers())); });
        if (!*alive) return true;
        // The handler showed a box or moved the focus: the key was used up there. Passed
        // on, it would reach the window with no focus widget yet and run a second time.
        if (QApplication::focusWidget() != typedInto) return true;
    }
    forms::Control* active = form_.ActiveControl();
    const QString text = event->text();
    if (!active || !active->KeyPress || text.size() != 1) return false;
    int ascii = text.at(0).unicode();
    if (ascii > 255 || (ascii < 32 && ascii != 8 && ascii != 13)) return false;
    const int typed = ascii;
    forms::Dispatch([active, &ascii] { active->KeyPress(ascii); });
    if (!*alive || ascii == 0) return true;
    if (ascii == typed) return false;
    // The handler changed the key (say, to upper case): the widget gets the new one.
    if (QWidget* target = QApplication::focusWidget()) {
        QKeyEvent replaced(QEvent::KeyPress, 0, event->modifiers(), QString(QChar(ascii)));
        replaying_ = true;
        QCoreApplication::sendEvent(target, &replaced);
        replaying_ = false;
    }
    return true;
}

bool FormWindow::openMenuBar() {
    // A window inside the main window uses the main window's bar.
    QWidget* shown = frame() ? frame()->window() : nullptr;
    auto* main = qobject_cast<QMainWindow*>(shown);
    auto* bar = main ? qobject_cast<QMenuBar*>(main->menuWidget()) : nullptr;
    if (!bar || !bar->isVisible() || bar->actions().isEmpty()) return false;
    // The bar's own keyboard walk, as a lone Alt starts it: the first entry lit, arrows move,
    // Return runs or opens the lit entry, Escape leaves.
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : shown;
    replaying_ = true;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
    replaying_ = false;
    return true;
}

} // namespace qtview
