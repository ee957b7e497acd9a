// List boxes and combo boxes.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "platform/forms/Controls.h"
#include "qtview/Convert.h"
#include "qtview/ViewKinds.h"

namespace qtview {

namespace {

QStringList itemsOf(const forms::ListControl& list) {
    QStringList items;
    items.reserve(list.ListCount());
    for (int i = 0; i < list.ListCount(); ++i) items << Q(list.List(i));
    return items;
}

// Brings a list widget's rows in line with items, touching only what differs.
void syncRows(QListWidget* widget, const QStringList& items) {
    while (widget->count() > items.size()) delete widget->takeItem(widget->count() - 1);
    for (int i = 0; i < items.size(); ++i) {
        if (i < widget->count()) {
            if (widget->item(i)->text() != items[i]) widget->item(i)->setText(items[i]);
        } else {
            widget->addItem(items[i]);
        }
    }
}

class ListBoxView : public WidgetView {
public:
    ListBoxView(forms::ListBox& list, FormWindow& window, QWidget* parent)
        : WidgetView(list, window, new QListWidget(parent)), list_(list) {
        on(listWidget(), &QListWidget::currentRowChanged, [this](int row) {
            if (!updating_ && row >= 0 && toModel([this, row] { list_.UserSelect(row); })) syncIndex();
        });
        on(listWidget(), &QListWidget::itemDoubleClicked, [this](QListWidgetItem* item) {
            const int row = listWidget()->row(item);
            toModel([this, row] { list_.UserDblClickItem(row); });
        });
    }

protected:
    QPalette::ColorRole backRole() const override { return QPalette::Base; }
    QPalette::ColorRole foreRole() const override { return QPalette::Text; }
    void content() override {
        Updating guard(updating_);
        syncRows(listWidget(), itemsOf(list_));
        syncIndex();
    }
    void update(forms::Prop what) override {
        if (what == forms::Prop::ListIndex) syncIndex();
        else content();
    }

private:
    QListWidget* listWidget() const { return static_cast<QListWidget*>(widget()); }
    void syncIndex() {
        Updating guard(updating_);
        listWidget()->setCurrentRow(list_.ListIndex());
        if (list_.ListIndex() < 0) listWidget()->clearSelection();
    }
    forms::ListBox& list_;
};

class ComboView : public WidgetView {
public:
    ComboView(forms::ComboBox& combo, FormWindow& window, QWidget* parent)
        : WidgetView(combo, window, new QComboBox(parent)), combo_(combo) {
        box()->setEditable(combo.Style != 2);
        box()->setInsertPolicy(QComboBox::NoInsert);
        on(box(), &QComboBox::activated, [this](int index) {
            if (toModel([this, index] { combo_.UserSelect(index); })) content();
        });
        if (QLineEdit* edit = box()->lineEdit())
            on(edit, &QLineEdit::textEdited, [this](const QString& text) {
                toModel([this, text] { combo_.SetText(S(text)); });
            });
    }

protected:
    QPalette::ColorRole backRole() const override { return QPalette::Base; }
    QPalette::ColorRole foreRole() const override { return QPalette::Text; }
    void content() override {
        Updating guard(updating_);
        const QStringList items = itemsOf(combo_);
        QStringList shown;
        for (int i = 0; i < box()->count(); ++i) shown << box()->itemText(i);
        if (shown != items) {
            box()->clear();
            box()->addItems(items);
        }
        box()->setCurrentIndex(combo_.ListIndex());
        if (box()->isEditable() && box()->currentText() != Q(combo_.Text())) box()->setEditText(Q(combo_.Text()));
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    forms::ComboBox& combo_;
};

} // namespace

std::unique_ptr<WidgetView> MakeListView(forms::Control& control, FormWindow& window, QWidget* parent) {
    if (auto* l = dynamic_cast<forms::ListBox*>(&control)) return std::make_unique<ListBoxView>(*l, window, parent);
    if (auto* c = dynamic_cast<forms::ComboBox*>(&control)) return std::make_unique<ComboView>(*c, window, parent);
    return nullptr;
}

} // namespace qtview
