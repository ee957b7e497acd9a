#pragma once
// The runtime around the forms: message boxes, the screen, the application
// object, the mouse pointer, the dispatcher that shows untrapped errors, and the
// host seam through which the Qt rendering (or a test) shows windows.
#include <functional>
#include <string>
#include <vector>

namespace forms {

class Form;

// MsgBox styles and answers.
inline constexpr int vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4,
                     vbRetryCancel = 5;
inline constexpr int vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64;
inline constexpr int vbDefaultButton1 = 0, vbDefaultButton2 = 256, vbDefaultButton3 = 512;
inline constexpr int vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7;
inline constexpr int vbDefault = 0, vbHourglass = 11;

inline constexpr const char* ProgramTitle = "KvistrelDommer";
// The folder under App.Path that report files and printouts to a file are written to.
inline constexpr const char* ReportFolder = "/Dommerrapport";

struct MsgBoxRequest {
    std::string prompt;   // line breaks as the text has them (CR, LF or CR LF)
    int style = 0;
    std::string title;    // never empty: an untitled box gets ProgramTitle
    int buttons() const { return style & 7; }
    int icon() const { return style & 0x70; }
    int defaultButton() const { return (style >> 8) & 3; }   // 0 first, 1 second, 2 third
    // Answers of the buttons in order ({vbOK}, {vbYes, vbNo, vbCancel} ...).
    std::vector<int> answers() const;
};

// The window system behind the forms. The headless host (the default) shows
// nothing, answers message boxes from a script and runs modal forms through a driver.
class Host {
public:
    virtual ~Host() = default;
    virtual int messageBox(const MsgBoxRequest& request) = 0;
    virtual void formShown(Form& form) = 0;          // made visible (modeless or modal)
    virtual void formHidden(Form& form) = 0;
    virtual void formUnloaded(Form& form) = 0;       // its controls go away after this
    // Waits while form is shown modally (returns when it is hidden or unloaded).
    virtual void runModal(Form& form) = 0;
    virtual void mousePointerChanged(int pointer) = 0;
    // Printer set-up; false when the user cancelled.
    virtual bool printerSetup() = 0;
    virtual void openHelp(const std::string& file) = 0;
    // The help call with the quit command: closes the viewer of that file, never opens it.
    virtual void closeHelp(const std::string& file) {}
    virtual void beep() = 0;
    virtual void endProgram() = 0;
    // Runs poll about every intervalMs, whichever windows are open, until it returns false:
    // the watch on work outside the program, such as a child process.
    virtual void startPolling(int intervalMs, std::function<bool()> poll) = 0;
};

// The headless host with the test seams: scripted answers, a log of every box,
// a driver for modal forms.
class HeadlessHost : public Host {
public:
    int messageBox(const MsgBoxRequest& request) override;
    void formShown(Form&) override {}
    void formHidden(Form&) override {}
    void formUnloaded(Form&) override {}
    void runModal(Form& form) override;
    void mousePointerChanged(int pointer) override { pointers.push_back(pointer); }
    bool printerSetup() override { ++printerSetups; return printerSetupAnswer; }
    void openHelp(const std::string& file) override { helpOpened.push_back(file); }
    void closeHelp(const std::string& file) override { helpClosed.push_back(file); }
    void beep() override { ++beeps; }
    void endProgram() override { ended = true; }
    void startPolling(int, std::function<bool()> poll) override { polls.push_back(std::move(poll)); }
    // Runs each poll once, as one tick of the clock; those that are done go. True while any remain.
    bool runPolls();

    // The next boxes are answered in this order; with none left, the default button answers.
    void setNextAnswer(int answer) { answers.push_back(answer); }
    std::vector<int> answers;
    std::vector<MsgBoxRequest> boxes;
    // Called with a modal form while it is shown; it should type, click and close.
    std::function<void(Form&)> modalDriver;
    std::vector<int> pointers;
    int printerSetups = 0;
    bool printerSetupAnswer = true;
    std::vector<std::string> helpOpened;
    std::vector<std::string> helpClosed;
    int beeps = 0;
    bool ended = false;
    std::vector<std::function<bool()>> polls;
};

void SetHost(Host* host);   // null: back to the built-in headless host
Host& CurrentHost();
HeadlessHost& Headless();  // the built-in headless host

int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = "");
void Beep();

// Runs poll about every intervalMs, as an event handler, until it returns false or raises.
void Poll(int intervalMs, std::function<bool()> poll);

// Runs an event handler: an untrapped error is shown ("Årsak :  " and its text) and the program goes on.
void Dispatch(const std::function<void()>& handler);

struct ScreenObject {
    int Width = 15360;        // twips (1024 x 768 pixels)
    int Height = 11520;
    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int p);   // vbDefault or vbHourglass, reported to the host
    Form* ActiveForm() const { return activeForm_; }
    void setActiveForm(Form* f) { activeForm_ = f; }
private:
    int mousePointer_ = vbDefault;
    Form* activeForm_ = nullptr;
};

struct AppObject {
    std::string Path;          // the program folder (writable), without a trailing "/"
    std::string ResourcePath;  // the read-only resources (pictures, report templates), without a trailing "/"
    std::string Title = ProgramTitle;
    std::string EXEName = "KvistrelDommer";
    bool PrevInstance = false;
    std::string HelpFile;
    std::string Command;       // the command line after the program name
};

extern ScreenObject Screen;

// The hourglass for the length of a scope, however the scope is left. Slipp ends it early:
// before a message the user is to answer, or before the next window shows.
class Timeglass {
public:
    Timeglass() { Screen.SetMousePointer(vbHourglass); }
    ~Timeglass() { Slipp(); }
    void Slipp() {
        if (aktiv_) Screen.SetMousePointer(vbDefault);
        aktiv_ = false;
    }
    Timeglass(const Timeglass&) = delete;
    Timeglass& operator=(const Timeglass&) = delete;
private:
    bool aktiv_ = true;
};
extern AppObject App;

// Puts Screen and App back to their start values, the headless host in place (tests).
void ResetRuntime();

} // namespace forms
