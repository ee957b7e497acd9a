// Labels and text boxes.
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTextBlock>

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "qtview/Convert.h"
#include "qtview/FormWindow.h"
#include "qtview/ViewKinds.h"

namespace qtview {

namespace {

class LabelView : public WidgetView {
public:
    LabelView(forms::Label& label, FormWindow& window, QWidget* parent)
        : WidgetView(label, window, new QLabel(parent)), label_(label) {}

    void afterBuild() override {
        // The accelerator of a label moves to the control after it, as the old labels did.
        // A label without one is tied to nothing here: a reader would name that control
        // after it (a heading above the first box); the window ties each label to its own box.
        if (QKeySequence::mnemonic(Lines(label_.Caption())).isEmpty()) return;
        const auto& controls = window().form().Controls();
        bool after = false;
        for (forms::Control* c : controls) {
            if (c == &label_) {
                after = true;
            } else if (after && c->TakesFocus() && c->Container() == label_.Container()) {
                if (QWidget* buddy = window().viewWidget(*c)) qlabel()->setBuddy(buddy);
                return;
            }
        }
    }

protected:
    bool fillsBackground() const override { return !label_.BackStyleTransparent; }
    bool clicksOnRelease() const override { return true; }
    void content() override {
        QLabel* l = qlabel();
        l->setTextFormat(Qt::PlainText);
        l->setText(Lines(label_.Caption()));
        l->setAlignment(HorizontalAlignment(label_.Alignment) | Qt::AlignTop);
        // The old labels wrapped within their width unless they sized themselves to one line.
        l->setWordWrap(!label_.AutoSize || label_.WordWrap);
        l->setFrameStyle(label_.BorderStyle == 1 ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        if (label_.BorderStyle == 1) l->setMargin(1);
    }

private:
    QLabel* qlabel() const { return static_cast<QLabel*>(widget()); }
    forms::Label& label_;
};

class TextBoxView : public WidgetView {
public:
    TextBoxView(forms::TextBox& box, FormWindow& window, QWidget* parent)
        : WidgetView(box, window, box.MultiLine ? static_cast<QWidget*>(new QPlainTextEdit(parent)) : new QLineEdit(parent)),
          box_(box) {
        if (auto* line = lineEdit()) {
            on(line, &QLineEdit::textEdited, [this](const QString& text) { userEdited(text); });
            on(line, &QLineEdit::selectionChanged, [this] { userSelected(); });
            on(line, &QLineEdit::cursorPositionChanged, [this](int, int) { userSelected(); });
        } else {
            on(plain(), &QPlainTextEdit::textChanged, [this] {
                if (!updating_) userEdited(plain()->toPlainText());
            });
            on(plain(), &QPlainTextEdit::cursorPositionChanged, [this] { userSelected(); });
        }
    }

    bool filter(QObject* watched, QEvent* event) override {
        const bool entering = event->type() == QEvent::FocusIn && watched == widget() && !updating_ && box_.GotFocus;
        const bool taken = WidgetView::filter(watched, event);
        if (entering && !taken) {
            // The box's own GotFocus placed the caret; Qt would then select all (Tab) or
            // move the caret to the click (mouse). The handler's choice stands.
            const int start = box_.SelStart(), length = box_.SelLength();
            QTimer::singleShot(0, widget(), [this, start, length] {
                if (!widget()->hasFocus()) return;
                toModel([&] {
                    box_.SetSelStart(start);
                    box_.SetSelLength(length);
                });
            });
        }
        return taken;
    }

protected:
    QPalette::ColorRole backRole() const override { return QPalette::Base; }
    QPalette::ColorRole foreRole() const override { return QPalette::Text; }

    void content() override {
        syncText();
        if (auto* line = lineEdit()) {
            line->setMaxLength(box_.MaxLength() > 0 ? box_.MaxLength() : 32767);
            line->setReadOnly(box_.Locked);
            line->setAlignment(HorizontalAlignment(box_.Alignment) | Qt::AlignVCenter);
            line->setEchoMode(box_.PasswordChar.empty() ? QLineEdit::Normal : QLineEdit::Password);
        } else {
            plain()->setReadOnly(box_.Locked);
        }
        syncSelection();
    }

    void update(forms::Prop what) override {
        if (what == forms::Prop::Text) syncText();
        else if (what == forms::Prop::Selection) syncSelection();
        else content();
    }

private:
    QLineEdit* lineEdit() const { return qobject_cast<QLineEdit*>(widget()); }
    QPlainTextEdit* plain() const { return qobject_cast<QPlainTextEdit*>(widget()); }

    QString widgetText() const { return lineEdit() ? lineEdit()->text() : plain()->toPlainText(); }

    void syncText() {
        const QString text = Lines(box_.Text());
        if (text == widgetText()) return;
        Updating guard(updating_);
        if (auto* line = lineEdit()) {
            const int cursor = line->cursorPosition();
            line->setText(text);
            if (line->hasFocus()) line->setCursorPosition(qMin(cursor, int(text.size())));
        } else {
            plain()->setPlainText(text);
        }
    }

    void syncSelection() {
        if (feeding_) return;
        Updating guard(updating_);
        const int start = box_.SelStart(), length = box_.SelLength();
        if (auto* line = lineEdit()) {
            if (length > 0)
                line->setSelection(start, length);
            else
                line->setCursorPosition(start);
        } else {
            QTextCursor cursor = plain()->textCursor();
            const int end = int(plain()->toPlainText().size());
            cursor.setPosition(qMin(start, end));
            cursor.setPosition(qMin(start + length, end), QTextCursor::KeepAnchor);
            plain()->setTextCursor(cursor);
        }
    }

    void userEdited(const QString& text) {
        feeding_ = true;
        const std::string value = lineEdit() ? S(text) : CrLf(text);
        if (!toModel([&] { box_.UserSetText(value); })) return;
        feeding_ = false;
        // The model may have refused or cut the text (Locked, MaxLength).
        syncText();
    }

    void userSelected() {
        if (updating_) return;
        int start = 0, length = 0;
        if (auto* line = lineEdit()) {
            start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
            length = int(line->selectedText().size());
        } else {
            const QTextCursor cursor = plain()->textCursor();
            start = cursor.selectionStart();
            length = cursor.selectionEnd() - start;
        }
        if (start == box_.SelStart() && length == box_.SelLength()) return;
        feeding_ = true;
        if (!toModel([&] {
                box_.SetSelStart(start);
                box_.SetSelLength(length);
            }))
            return;
        feeding_ = false;
    }

    forms::TextBox& box_;
    bool feeding_ = false;
};

} // namespace

std::unique_ptr<WidgetView> MakeTextView(forms::Control& control, FormWindow& window, QWidget* parent) {
    if (auto* label = dynamic_cast<forms::Label*>(&control)) return std::make_unique<LabelView>(*label, window, parent);
    // The masked box holds the plain typed text here; no mask is drawn.
    if (auto* box = dynamic_cast<forms::TextBox*>(&control)) return std::make_unique<TextBoxView>(*box, window, parent);
    return nullptr;
}

} // namespace qtview
