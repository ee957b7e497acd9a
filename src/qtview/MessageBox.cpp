#include "qtview/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QPushButton>
#include <utility>
#include <vector>

#include "qtview/Convert.h"

namespace qtview {

namespace {

// Each with its mnemonic: Alt and the letter, or the letter alone in the box, answers.
QString caption(int answer) {
    switch (answer) {
    case forms::vbOK: return QStringLiteral("&OK");
    case forms::vbCancel: return QStringLiteral("&Avbryt");
    case forms::vbAbort: return QStringLiteral("&Avbryt");
    case forms::vbRetry: return QStringLiteral("&Prøv igjen");
    case forms::vbIgnore: return QStringLiteral("&Ignorer");
    case forms::vbYes: return QStringLiteral("&Ja");
    case forms::vbNo: return QStringLiteral("&Nei");
    default: return QString::number(answer);
    }
}

QMessageBox::ButtonRole role(int answer) {
    switch (answer) {
    case forms::vbOK: case forms::vbRetry: return QMessageBox::AcceptRole;
    case forms::vbCancel: case forms::vbAbort: return QMessageBox::RejectRole;
    case forms::vbYes: return QMessageBox::YesRole;
    case forms::vbNo: return QMessageBox::NoRole;
    default: return QMessageBox::ActionRole;
    }
}

QMessageBox::Icon icon(int code) {
    switch (code) {
    case forms::vbCritical: return QMessageBox::Critical;
    case forms::vbQuestion: return QMessageBox::Question;
    case forms::vbExclamation: return QMessageBox::Warning;
    case forms::vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int ShowMessageBox(const forms::MsgBoxRequest& request, QWidget* parent) {
    QMessageBox box(parent);
    // A box is answered, never minimised or maximised.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.setWindowTitle(Q(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(Lines(request.prompt));
    box.setIcon(icon(request.icon()));

    std::vector<std::pair<QPushButton*, int>> buttons;
    for (int answer : request.answers()) buttons.emplace_back(box.addButton(caption(answer), role(answer)), answer);
    if (buttons.empty()) buttons.emplace_back(box.addButton(caption(forms::vbOK), QMessageBox::AcceptRole), forms::vbOK);
    const std::size_t preferred = std::size_t(request.defaultButton());
    box.setDefaultButton(buttons[preferred < buttons.size() ? preferred : 0].first);
    // Escape answers Cancel where the box has it, and OK on a box with OK alone.
    QPushButton* escape = nullptr;
    for (auto& [button, answer] : buttons)
        if (answer == forms::vbCancel) escape = button;
    if (!escape && buttons.size() == 1) escape = buttons.front().first;
    if (escape) box.setEscapeButton(escape);

    // The box is at least as wide as its title, which the window frame would cut.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int title = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(box.windowTitle());
        grid->addItem(new QSpacerItem(title + 120, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
    for (auto& [button, answer] : buttons)
        if (box.clickedButton() == button) return answer;
    // Closed without a button: the escape answer, as the old boxes gave.
    for (auto& [button, answer] : buttons)
        if (button == escape) return answer;
    return buttons.front().second;
}

} // namespace qtview
