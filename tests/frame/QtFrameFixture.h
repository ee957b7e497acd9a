#pragma once
// The frame's tests through the real widgets: the Qt host in place of the
// headless one, the screen as the program's start reads it, and the helpers
// that act as the user (menu actions, message boxes, screenshots).
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

#include "frame/FrameFixture.h"
#include "frame/Hovedmeny2.h"
#include "qtview/FormWindow.h"
#include "qtview/QtHost.h"

namespace kdtest {

inline const std::string ShotFolder = KD_BINARY_DIR "/screenshots/";

class QtFrameTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        qt = std::make_unique<qtview::QtHost>();
        forms::SetHost(qt.get());
        // The screen as the program's start reads it.
        const QSize screen = QGuiApplication::primaryScreen()->size();
        forms::Screen.Width = screen.width() * 15;
        forms::Screen.Height = screen.height() * 15;
        std::filesystem::create_directories(ShotFolder);
    }
    void TearDown() override {
        forms::ResetDefaults();
        forms::SetHost(nullptr);
        qt.reset();
        FrameTest::TearDown();
    }
    QWidget* window(forms::Form& f) const {
        auto* w = qt->windowOf(f);
        return w ? w->frame() : nullptr;
    }
    QWidget* widget(forms::Control& c) const { return qt->windowOf(*c.Owner())->viewWidget(c); }
    static void settle() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
    void shot(forms::Form& f, const std::string& name) {
        settle();
        EXPECT_TRUE(qtview::SaveScreenshot(f, ShotFolder + name + ".png")) << name;
    }
    // Runs step from the event loop until it reports done (it may open nested loops).
    static void whenReady(const std::function<bool()>& step) {
        auto* timer = new QTimer();
        QObject::connect(timer, &QTimer::timeout, [timer, step] {
            if (step()) {
                timer->stop();
                timer->deleteLater();
            }
        });
        timer->start(10);
    }
    static void type(QWidget* w, const QString& text) {
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(w, &release);
        }
    }
    // Accepts the message box on screen; false while none is shown.
    static bool acceptBox(std::string* text = nullptr) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return false;
        if (text) *text = box->text().toStdString();
        for (QAbstractButton* b : box->buttons())
            if (box->buttonRole(b) == QMessageBox::AcceptRole) {
                b->click();
                return true;
            }
        return false;
    }
    QAction* action(const char* name) {
        for (QAction* a : window(forms::Default<Hovedmeny2>())->findChildren<QAction*>())
            if (a->objectName() == QLatin1String(name)) return a;
        return nullptr;
    }
    std::unique_ptr<qtview::QtHost> qt;
};

} // namespace kdtest
