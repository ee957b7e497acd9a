#pragma once
// The program's window system: forms become real Qt windows, message boxes
// real QMessageBoxes, modal forms nested event loops.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

class QObject;
class QPrinter;
class QWidget;

namespace qtview {

class FormWindow;

// Needs a QApplication. Install with forms::SetHost(&host); on destruction the
// windows go and the headless host is back in place.
class QtHost : public forms::Host {
public:
    QtHost();
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    int messageBox(const forms::MsgBoxRequest& request) override;
    void formShown(forms::Form& form) override;
    void formHidden(forms::Form& form) override;
    void formUnloaded(forms::Form& form) override;
    void runModal(forms::Form& form) override;
    void mousePointerChanged(int pointer) override;
    bool printerSetup() override;
    void openHelp(const std::string& file) override;
    void beep() override;
    void endProgram() override;
    void startPolling(int intervalMs, std::function<bool()> poll) override;

    // The printer as the printer set-up left it (name, paper, or a PDF file); prints go to
    // it, and a print into its PDF file takes the file back (see QtPrinterBackend). Made on
    // first use: a printer loads the print server's libraries, which the start does without.
    QPrinter& chosenPrinter();

    // From now until the event loop first runs, a plain window (neither the main window,
    // nor inside it, nor modal) is shown only when the loop runs: one unloaded before
    // then, as the splash is when the start is quick, never costs a window it could
    // not have painted. The start asks for it; tests see each window at once.
    void showPlainWindowsWhenLoopRuns();

    // The window of a shown (or hidden, still loaded) form; null before its first Show.
    FormWindow* windowOf(const forms::Form& form) const;
    // The form window whose frame is this widget, if any.
    FormWindow* windowAt(const QWidget* frame) const;

private:
    FormWindow& windowFor(forms::Form& form);
    void stopModal(forms::Form& form);
    bool waitsForLoop(const forms::Form& form) const;

    std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
    std::map<const forms::Form*, std::function<void()>> modalExits_;
    std::unique_ptr<QObject> keys_;
    std::unique_ptr<QPrinter> printer_;
    bool waitCursor_ = false;
    bool holdPlainWindows_ = false;
    std::vector<forms::Form*> waitingForLoop_;
};

// Takes the single-instance lock for the user; true when another running copy holds it.
bool AcquireInstanceLock();

// Saves a picture of the form's window as a PNG file; false when the form has no window.
bool SaveScreenshot(forms::Form& form, const std::string& pngPath);

} // namespace qtview
