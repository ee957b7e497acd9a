// Command buttons, option buttons and tick boxes. The model decides every
// value: after a click the widget is set again from the model.
#include <QCheckBox>
#include <algorithm>
#include <QFontMetrics>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "platform/forms/Controls.h"
#include "qtview/Convert.h"
#include "qtview/Pictures.h"
#include "qtview/ViewKinds.h"

namespace qtview {

namespace {

// The caption's words; a sign standing alone ("/", "-") stays with the word before it,
// so no line holds a lone sign.
QStringList words(const QString& text) {
    QStringList out;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool sign = std::none_of(word.begin(), word.end(), [](QChar c) { return c.isLetterOrNumber(); });
        if (sign && !out.isEmpty())
            out.back() += QLatin1Char(' ') + word;
        else
            out << word;
    }
    return out;
}

// Breaks a caption into lines that fit width, for captions under a picture.
QString wrapped(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : words(text)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}

struct PictureLayout {
    Qt::ToolButtonStyle style;
    int side;       // the picture's square, pixels
    QString text;   // the caption broken into its lines
};

int linesFitting(const QString& text, const QFontMetrics& metrics, int width) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        if (metrics.horizontalAdvance(line) > width) return -1;
    return int(lines.size());
}

// The picture as large as the button lets it be: under the caption's lines on a
// tall button, left of them on a low, wide one, as the old picture buttons drew it.
PictureLayout pictureLayout(const QString& caption, const QFontMetrics& metrics, QSize size) {
    if (caption.isEmpty()) return {Qt::ToolButtonIconOnly, qMax(8, qMin(size.width(), size.height()) - 8), QString()};
    const QString under = wrapped(caption, metrics, size.width() - 6);
    // Every line counts, also one too wide for the button (it is cut, not dropped).
    const int underLines = int(under.count(QLatin1Char('\n'))) + 1;
    const int underSide = qMin(size.width() - 8, size.height() - 8 - underLines * metrics.height() - 2);
    // Beside: the largest picture that leaves the caption room to the right.
    for (int side = qMin(size.height() - 8, size.width() / 2); side > underSide; side -= 2) {
        const int width = size.width() - side - 14;
        const QString beside = wrapped(caption, metrics, width);
        const int lines = linesFitting(beside, metrics, width);
        if (lines > 0 && lines * metrics.height() <= size.height() - 4) return {Qt::ToolButtonTextBesideIcon, side, beside};
    }
    return {Qt::ToolButtonTextUnderIcon, qMax(8, underSide), under};
}

class CommandButtonView : public WidgetView {
public:
    // A picture button shows its caption under the picture.
    CommandButtonView(forms::CommandButton& button, FormWindow& window, QWidget* parent)
        : WidgetView(button, window,
                     button.Picture().empty() ? static_cast<QWidget*>(new QPushButton(parent)) : new QToolButton(parent)),
          button_(button) {
        on(qbutton(), &QAbstractButton::clicked, [this](bool) { toModel([this] { button_.UserClick(); }); });
    }

protected:
    QPalette::ColorRole backRole() const override { return QPalette::Button; }
    QPalette::ColorRole foreRole() const override { return QPalette::ButtonText; }

    void placeGeometry() override {
        WidgetView::placeGeometry();
        content();
    }

    void content() override {
        QAbstractButton* b = qbutton();
        const QString caption = Lines(button_.Caption());
        const QSize size(Px(button_.Width()), Px(button_.Height()));
        if (auto* tool = qobject_cast<QToolButton*>(b)) {
            const PictureLayout layout = pictureLayout(caption, QFontMetrics(b->font()), size);
            tool->setToolButtonStyle(layout.style);
            const QSize side(layout.side, layout.side);
            tool->setIconSize(side);
            if (shown_.Changes(button_.Picture(), side)) tool->setIcon(QIcon(LoadPicture(button_.Picture(), side)));
            tool->setText(layout.text);
        } else {
            auto* push = static_cast<QPushButton*>(b);
            push->setText(caption);
            push->setDefault(button_.Default);
            // A picture given after the button was made sits beside the caption.
            const int side = qMax(8, qMin(32, size.height() - 8));
            push->setIconSize(QSize(side, side));
            if (shown_.Changes(button_.Picture(), QSize(side, side)))
                push->setIcon(button_.Picture().empty() ? QIcon() : QIcon(LoadPicture(button_.Picture(), QSize(side, side))));
        }
    }

private:
    QAbstractButton* qbutton() const { return static_cast<QAbstractButton*>(widget()); }
    forms::CommandButton& button_;
    ShownPicture shown_;
};

class OptionView : public WidgetView {
public:
    OptionView(forms::OptionButton& option, FormWindow& window, QWidget* parent)
        : WidgetView(option, window, new QRadioButton(parent)), option_(option) {
        radio()->setAutoExclusive(false);
        on(radio(), &QAbstractButton::clicked, [this](bool) {
            if (toModel([this] { option_.UserClick(); })) syncValue();
        });
    }

protected:
    void content() override {
        radio()->setText(Q(option_.Caption()));
        radio()->setLayoutDirection(option_.Alignment == forms::vbRightJustify ? Qt::RightToLeft : Qt::LeftToRight);
        syncValue();
    }

private:
    QRadioButton* radio() const { return static_cast<QRadioButton*>(widget()); }
    void syncValue() {
        Updating guard(updating_);
        radio()->setChecked(option_.Value());
    }
    forms::OptionButton& option_;
};

class CheckView : public WidgetView {
public:
    CheckView(forms::CheckBox& check, FormWindow& window, QWidget* parent)
        : WidgetView(check, window, new QCheckBox(parent)), check_(check) {
        on(box(), &QAbstractButton::clicked, [this](bool) {
            if (toModel([this] { check_.UserClick(); })) syncValue();
        });
    }

protected:
    void content() override {
        box()->setText(Q(check_.Caption()));
        syncValue();
    }

private:
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }
    void syncValue() {
        Updating guard(updating_);
        box()->setTristate(check_.Value() == 2);
        box()->setCheckState(check_.Value() == 1 ? Qt::Checked : check_.Value() == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    forms::CheckBox& check_;
};

} // namespace

std::unique_ptr<WidgetView> MakeButtonView(forms::Control& control, FormWindow& window, QWidget* parent) {
    if (auto* b = dynamic_cast<forms::CommandButton*>(&control)) return std::make_unique<CommandButtonView>(*b, window, parent);
    if (auto* o = dynamic_cast<forms::OptionButton*>(&control)) return std::make_unique<OptionView>(*o, window, parent);
    if (auto* c = dynamic_cast<forms::CheckBox*>(&control)) return std::make_unique<CheckView>(*c, window, parent);
    return nullptr;
}

} // namespace qtview
