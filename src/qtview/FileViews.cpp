// The drive, folder and file lists over the file system.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QStyle>

#include "platform/forms/Controls.h"
#include "qtview/Convert.h"
#include "qtview/ViewKinds.h"

namespace qtview {

namespace {

QString lastPart(const std::string& path) {
    QString p = Q(path);
    while (p.size() > 1 && p.endsWith(QLatin1Char('/'))) p.chop(1);
    const int slash = int(p.lastIndexOf(QLatin1Char('/')));
    return slash < 0 || p.size() == 1 ? p : p.mid(slash + 1);
}

class DriveView : public WidgetView {
public:
    DriveView(forms::DriveListBox& drives, FormWindow& window, QWidget* parent)
        : WidgetView(drives, window, new QComboBox(parent)), drives_(drives) {
        on(box(), &QComboBox::activated, [this](int index) {
            if (toModel([this, index] { drives_.UserSelect(index); })) content();
        });
    }

protected:
    QPalette::ColorRole backRole() const override { return QPalette::Base; }
    QPalette::ColorRole foreRole() const override { return QPalette::Text; }
    void content() override {
        Updating guard(updating_);
        QStringList items;
        for (const std::string& d : drives_.List()) items << Q(d);
        QStringList shown;
        for (int i = 0; i < box()->count(); ++i) shown << box()->itemText(i);
        if (shown != items) {
            box()->clear();
            box()->addItems(items);
        }
        box()->setCurrentIndex(drives_.ListIndex());
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    forms::DriveListBox& drives_;
};

// The open folder and the folders above it, each a step further in, then its sub-folders.
class DirView : public WidgetView {
public:
    DirView(forms::DirListBox& dirs, FormWindow& window, QWidget* parent)
        : WidgetView(dirs, window, new QListWidget(parent)), dirs_(dirs) {
        on(list(), &QListWidget::currentRowChanged, [this](int row) {
            const int sub = row - int(ancestors_.size());
            if (!updating_ && sub >= 0 && toModel([this, sub] { dirs_.SetListIndex(sub); })) content();
        });
        on(list(), &QListWidget::itemDoubleClicked, [this](QListWidgetItem* item) {
            const int row = list()->row(item);
            const int sub = row - int(ancestors_.size());
            if (sub >= 0) {
                toModel([this, sub] { dirs_.UserOpen(sub); });
            } else {
                const std::string path = ancestors_[std::size_t(row)];
                toModel([this, path] { dirs_.SetPath(path); });
            }
        });
    }

protected:
    QPalette::ColorRole backRole() const override { return QPalette::Base; }
    QPalette::ColorRole foreRole() const override { return QPalette::Text; }
    void content() override {
        Updating guard(updating_);
        QListWidget* w = list();
        std::vector<std::string> ancestors;
        const std::string path = dirs_.Path();
        for (std::size_t at = 0; !path.empty();) {
            const std::size_t slash = path.find('/', at);
            ancestors.push_back(slash == 0 ? "/" : path.substr(0, slash));
            if (slash == std::string::npos || slash + 1 >= path.size()) break;
            at = slash + 1;
        }
        // Refilled only when the folders changed: a click between the two presses of a
        // double click must not drop the row the first press hit.
        if (ancestors != ancestors_ || dirs_.List() != shown_) {
            ancestors_ = std::move(ancestors);
            shown_ = dirs_.List();
            w->clear();
            const QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
            const QIcon closed = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
            QString indent;
            for (const std::string& a : ancestors_) {
                w->addItem(new QListWidgetItem(open, indent + lastPart(a)));
                indent += QStringLiteral("  ");
            }
            for (const std::string& sub : shown_) w->addItem(new QListWidgetItem(closed, indent + lastPart(sub)));
        }
        const int current = dirs_.ListIndex() >= 0 ? int(ancestors_.size()) + dirs_.ListIndex() : int(ancestors_.size()) - 1;
        w->setCurrentRow(current);
    }

private:
    QListWidget* list() const { return static_cast<QListWidget*>(widget()); }
    forms::DirListBox& dirs_;
    std::vector<std::string> ancestors_, shown_;
};

class FileView : public WidgetView {
public:
    FileView(forms::FileListBox& files, FormWindow& window, QWidget* parent)
        : WidgetView(files, window, new QListWidget(parent)), files_(files) {
        // Tab into the list makes its first row current without selecting it, so only a
        // row the user selects (a click, the arrow keys) names a file. A mouse press makes
        // the row current before it selects it: the selection is the moment of choice.
        on(list(), &QListWidget::itemSelectionChanged, [this] {
            const QList<QListWidgetItem*> chosen = list()->selectedItems();
            if (updating_ || chosen.isEmpty()) return;
            const int row = list()->row(chosen.front());
            if (toModel([this, row] { files_.UserSelect(row); })) content();
        });
        on(list(), &QListWidget::itemDoubleClicked, [this](QListWidgetItem* item) {
            const int row = list()->row(item);
            toModel([this, row] { files_.UserDblClickItem(row); });
        });
    }

protected:
    QPalette::ColorRole backRole() const override { return QPalette::Base; }
    QPalette::ColorRole foreRole() const override { return QPalette::Text; }
    void content() override {
        Updating guard(updating_);
        QStringList items;
        for (const std::string& f : files_.List()) items << Q(f);
        QStringList shown;
        for (int i = 0; i < list()->count(); ++i) shown << list()->item(i)->text();
        if (shown != items) {
            list()->clear();
            list()->addItems(items);
        }
        list()->setCurrentRow(files_.ListIndex());
        if (files_.ListIndex() < 0) list()->clearSelection();
    }

private:
    QListWidget* list() const { return static_cast<QListWidget*>(widget()); }
    forms::FileListBox& files_;
};

} // namespace

std::unique_ptr<WidgetView> MakeFileView(forms::Control& control, FormWindow& window, QWidget* parent) {
    if (auto* d = dynamic_cast<forms::DriveListBox*>(&control)) return std::make_unique<DriveView>(*d, window, parent);
    if (auto* d = dynamic_cast<forms::DirListBox*>(&control)) return std::make_unique<DirView>(*d, window, parent);
    if (auto* f = dynamic_cast<forms::FileListBox*>(&control)) return std::make_unique<FileView>(*f, window, parent);
    return nullptr;
}

} // namespace qtview
