#include "qtview/QtHost.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <utility>

#include "platform/forms/Help.h"
#include "qtview/Convert.h"
#include "qtview/FormWindow.h"
#include "qtview/MessageBox.h"

namespace qtview {

namespace {

// Keys reach the form of the window they were typed in, before the widget sees them.
class KeyFilter : public QObject {
public:
    explicit KeyFilter(const QtHost& host) : host_(host) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        // A key travels up from the focus widget to its parents: take it once, at the start.
        QWidget* focus = QApplication::focusWidget();
        if (!widget || (focus ? widget != focus : !widget->isWindow())) return false;
        for (QWidget* w = widget; w; w = w->parentWidget()) {
            // The menu bar walked by keys: Return runs its highlighted entry, not the form's button.
            if (qobject_cast<QMenuBar*>(w)) return false;
            if (FormWindow* window = host_.windowAt(w)) return window->userKey(static_cast<QKeyEvent*>(event));
            // A drop-down list or menu of a form is a window of its own: its keys are its own.
            if (w->isWindow()) return false;
        }
        return false;
    }
private:
    const QtHost& host_;
};

QWidget* boxParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

} // namespace

QtHost::QtHost() : keys_(std::make_unique<KeyFilter>(*this)) {
    qApp->installEventFilter(keys_.get());
}

QtHost::~QtHost() {
    for (auto& [form, exit] : modalExits_) exit();
    modalExits_.clear();
    windows_.clear();
    if (&forms::CurrentHost() == this) forms::SetHost(nullptr);
    if (waitCursor_) QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(keys_.get());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FormWindow* QtHost::windowOf(const forms::Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.get();
}

FormWindow* QtHost::windowAt(const QWidget* frame) const {
    for (auto& [form, window] : windows_)
        if (window->frame() == frame) return window.get();
    return nullptr;
}

FormWindow& QtHost::windowFor(forms::Form& form) {
    if (FormWindow* existing = windowOf(form)) {
        if (existing->frame()) return *existing;
        // Its window went with the main window it sat in: build it again.
        windows_.erase(&form);
    }
    FormWindow* main = nullptr;
    if (!form.IsMDIForm) {
        for (forms::Form* loaded : forms::LoadedForms()) {
            if (!loaded->IsMDIForm) continue;
            // Showing a child brings up its main window first, as the old runtime did.
            if (form.MDIChild && !windowOf(*loaded)) windowFor(*loaded).show();
            main = windowOf(*loaded);
            break;
        }
    }
    auto made = std::make_unique<FormWindow>(form, main);
    FormWindow& ref = *made;
    windows_[&form] = std::move(made);
    return ref;
}

void QtHost::showPlainWindowsWhenLoopRuns() {
    holdPlainWindows_ = true;
    QMetaObject::invokeMethod(
        keys_.get(),
        [this] {
            holdPlainWindows_ = false;
            for (forms::Form* form : std::exchange(waitingForLoop_, {}))
                if (form->Visible()) formShown(*form);
        },
        Qt::QueuedConnection);
}

bool QtHost::waitsForLoop(const forms::Form& form) const {
    return std::find(waitingForLoop_.begin(), waitingForLoop_.end(), &form) != waitingForLoop_.end();
}

void QtHost::formShown(forms::Form& form) {
    if (holdPlainWindows_ && !form.IsMDIForm && !form.MDIChild && !form.IsModal() && !windowOf(form)) {
        if (!waitsForLoop(form)) waitingForLoop_.push_back(&form);
        return;
    }
    FormWindow& window = windowFor(form);
    if (form.IsModal()) window.setModal(true);
    window.show();
}

void QtHost::formHidden(forms::Form& form) {
    std::erase(waitingForLoop_, &form);
    if (FormWindow* window = windowOf(form)) window->hide();
    stopModal(form);
}

void QtHost::formUnloaded(forms::Form& form) {
    std::erase(waitingForLoop_, &form);
    stopModal(form);
    windows_.erase(&form);
}

void QtHost::stopModal(forms::Form& form) {
    auto it = modalExits_.find(&form);
    if (it == modalExits_.end()) return;
    auto exit = std::move(it->second);
    modalExits_.erase(it);
    exit();
}

void QtHost::runModal(forms::Form& form) {
    FormWindow* window = windowOf(form);
    if (!window || !window->isShown()) return;
    window->setModal(true);
    QEventLoop loop;
    modalExits_[&form] = [&loop] { loop.quit(); };
    loop.exec();
    modalExits_.erase(&form);
    if (FormWindow* still = windowOf(form)) still->setModal(false);
}

int QtHost::messageBox(const forms::MsgBoxRequest& request) {
    // The box itself shows the normal pointer; the hourglass comes back after it.
    const bool wait = waitCursor_;
    if (wait) QApplication::restoreOverrideCursor();
    waitCursor_ = false;
    const int answer = ShowMessageBox(request, boxParent());
    if (wait) mousePointerChanged(forms::vbHourglass);
    return answer;
}

void QtHost::mousePointerChanged(int pointer) {
    const bool wait = pointer == forms::vbHourglass;
    if (wait == waitCursor_) return;
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    waitCursor_ = wait;
}

// Chooses the printer, or a PDF file, that the following prints go to; it prints nothing.
QPrinter& QtHost::chosenPrinter() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

bool QtHost::printerSetup() {
    chosenPrinter();
    QPrintDialog dialog(printer_.get(), boxParent());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setWindowTitle(QStringLiteral("Skriveroppsett"));
    bool automatic = false;
    for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
        if (!ok) continue;
        ok->setText(QStringLiteral("Velg &skriver"));
        // The way back from a chosen printer or PDF file to what a print does by itself.
        QPushButton* reset = buttons->addButton(QStringLiteral("Au&tomatisk valg"), QDialogButtonBox::ResetRole);
        reset->setToolTip(QStringLiteral("Utskriftene går til standardskriveren, eller uten skriver til en ny "
                                         "PDF-fil med dato og klokkeslett i navnet."));
        QObject::connect(reset, &QPushButton::clicked, &dialog, [&dialog, &automatic] {
            automatic = true;
            dialog.reject();   // the dialog's own choice is not taken over
        });
    }
    if (dialog.exec() == QDialog::Accepted) return true;
    if (!automatic) return false;
    printer_->setOutputFileName(QString());
    printer_->setPrinterName(QPrinterInfo::defaultPrinterName());
    return true;
}

void QtHost::openHelp(const std::string& file) { forms::OpenHelpFile(file); }

void QtHost::beep() { QApplication::beep(); }

void QtHost::endProgram() { QCoreApplication::quit(); }

bool SaveScreenshot(forms::Form& form, const std::string& pngPath) {
    auto* host = dynamic_cast<QtHost*>(&forms::CurrentHost());
    FormWindow* window = host ? host->windowOf(form) : nullptr;
    QWidget* frame = window ? window->frame() : nullptr;
    if (!frame) return false;
    // What the next turn of the event loop would show (grids draw their changes then).
    QCoreApplication::sendPostedEvents();
    const QFileInfo target(Q(pngPath));
    QDir().mkpath(target.absolutePath());
    return frame->grab().save(target.absoluteFilePath(), "PNG");
}

} // namespace qtview
