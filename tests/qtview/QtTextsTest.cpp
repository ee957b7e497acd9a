// Qt's own texts in Bokmål: every Qt dialog and menu the program shows, opened
// in the C locale, holds no text that Qt ships in English or in Nynorsk.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QSpinBox>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QXmlStreamReader>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "platform/forms/Controls.h"
#include "platform/forms/Runtime.h"
#include "qtview/QtTestUtil.h"
#include "qtview/QtTexts.h"
#include "support/OnceShown.h"

using namespace qtviewtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// "&Lim inn\tCtrl+V" as shown: the access key's marker and the shortcut gone,
// "&&" a plain "&".
QString Plain(QString text) {
    text = text.section(QLatin1Char('\t'), 0, 0);   // a menu item's shortcut follows a tab
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

struct Message {
    QString context, source;
    QStringList translations;
};

std::vector<Message> ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.push_back({context, {}, {}});
        } else if (name == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            // Plural forms are children of the translation; each is a text of its own.
            QString text;
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("translation")) {
                if (xml.isCharacters()) text += xml.text();
                if (xml.isEndElement() && !text.isEmpty()) messages.back().translations << std::exchange(text, {});
                if (xml.hasError()) break;
            }
            if (!text.isEmpty()) messages.back().translations << text;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QString OwnCatalogue() { return QStringLiteral(KD_SOURCE_DIR "/app/translations/qt_nb.ts"); }

// What Qt ships in English and in Nynorsk, and what the program says in Bokmål.
struct Vocabulary {
    QSet<QString> english, nynorsk, bokmal;
    Vocabulary() {
        for (const Message& m : ReadCatalogue(QStringLiteral(KD_QT_CATALOGUES "/qt_all.ts"))) english << Plain(m.source);
        for (const Message& m : ReadCatalogue(QStringLiteral(KD_QT_CATALOGUES "/qt_nn.ts")))
            for (const QString& t : m.translations) nynorsk << Plain(t);
        for (const Message& m : ReadCatalogue(OwnCatalogue()))
            for (const QString& t : m.translations) bokmal << Plain(t);
    }
    // The shown texts Qt has in English or Nynorsk that are no Bokmål of ours.
    QStringList foreign(const QStringList& shown) const {
        QStringList out;
        for (const QString& text : shown) {
            const QString plain = Plain(text);
            if ((english.contains(plain) || nynorsk.contains(plain)) && !bokmal.contains(plain)) out << text;
        }
        out.removeDuplicates();
        return out;
    }
};

const Vocabulary& Words() {
    static const Vocabulary words;
    return words;
}

std::vector<std::string> Std(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list) out.push_back(s.toStdString());
    return out;
}

void AddMenuTexts(const QList<QAction*>& actions, QStringList& out) {
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        out << a->text();
        if (a->menu()) AddMenuTexts(a->menu()->actions(), out);
    }
}

// Every text a person can meet in the window: captions, labels, buttons, frames,
// tabs, list items and headers, tooltips, menus, and the hidden parts too.
QStringList TextsOf(QWidget* root) {
    QStringList out;
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.prepend(root);
    for (QWidget* w : all) {
        if (w->isWindow()) out << w->windowTitle();
        out << w->toolTip();
        AddMenuTexts(w->actions(), out);
        if (auto* label = qobject_cast<QLabel*>(w))
            out << (Qt::mightBeRichText(label->text()) ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                                                       : label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) out << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) out << group->title();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) out << edit->placeholderText();
        if (auto* spin = qobject_cast<QSpinBox*>(w)) out << spin->prefix() << spin->suffix() << spin->specialValueText();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) out << combo->itemText(i);
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) out << tabs->tabText(i) << tabs->tabToolTip(i);
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int c = 0; c < model->columnCount(view->rootIndex()); ++c)
                out << model->headerData(c, Qt::Horizontal).toString();
            for (int r = 0; r < std::min(model->rowCount(view->rootIndex()), 100); ++r)
                out << model->index(r, 0, view->rootIndex()).data().toString();
        }
    }
    out.removeAll(QString());
    return out;
}

// Opens a dialog from its button, takes its texts and closes it again.
void TextsOfDialogFrom(QWidget* owner, QAbstractButton* opener, QStringList& out) {
    ASSERT_NE(opener, nullptr);
    ASSERT_TRUE(opener->isEnabled()) << opener->objectName().toStdString();
    kdtest::OnceShown(kdtest::ModalAbove(owner), [&out](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        out << TextsOf(dialog);
        static_cast<QDialog*>(dialog)->reject();
    });
    opener->click();
}

// The context menu a right click on the widget brings up, as its texts. Some
// widgets run their menu's own event loop, others only pop it up.
QStringList ContextMenuOf(QWidget* target) {
    auto texts = std::make_shared<std::optional<QStringList>>();
    kdtest::OnceShown([] { return QApplication::activePopupWidget(); }, [texts](QWidget* popup) {
        *texts = popup ? TextsOf(popup) : QStringList();
        if (popup) popup->close();
    });
    const QPoint at = target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    while (!texts->has_value()) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    Settle();
    return **texts;
}

class Skjema : public forms::Form {
public:
    Skjema() : forms::Form("Skjema") {
        SetCaption("Dommerdata");
        Move(0, 0, 7000, 5000);
        Navn.Move(120, 120, 3000, 330);
        Navn.SetText("Kari");
        Merknad.MultiLine = true;
        Merknad.Move(120, 600, 3000, 900);
        Merknad.SetText("Første linje");
        Klubb.Move(120, 1700, 3000, 330);
        Klubb.AddItem("Ørn IL");
        Liste.Move(3300, 120, 3400, 2000);
        Liste.SetCols(2);
        Liste.SetRows(60);
    }
    forms::TextBox Navn{this, "Navn"};
    forms::TextBox Merknad{this, "Merknad"};
    forms::ComboBox Klubb{this, "Klubb"};
    forms::MSFlexGrid Liste{this, "Liste"};
};

class Hovedvindu : public forms::Form {
public:
    Hovedvindu() : forms::Form("Hovedvindu") {
        IsMDIForm = true;
        SetCaption("KvistrelDommer");
        Move(0, 0, 9600, 7200);
    }
};

class Barn : public Skjema {
public:
    Barn() { MDIChild = true; }
};

class QtTextsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The program loads them whatever the locale: the tests run in "C".
        ASSERT_EQ(QLocale::system().name(), QStringLiteral("C"));
        static const bool installed = qtview::InstallNorwegianQtTexts(KD_APP_DIR);
        ASSERT_TRUE(installed) << qtview::QtTextsFile(KD_APP_DIR);
    }
    void SetUp() override {
        forms::ResetRuntime();
        forms::SetHost(&host);
    }
    void TearDown() override {
        forms::ResetDefaults();
        Settle();
        forms::ResetRuntime();
    }
    qtview::QtHost host;
};

TEST_F(QtTextsTest, TheCheckFindsEnglishAndNynorskButPassesBokmalAndNames) {
    EXPECT_THAT(Std(Words().foreign({"&Print", "Skrivar", "Skriv &ut", "Avbryt", "KvistrelTest", "A4"})),
                ElementsAre("&Print", "Skrivar"));
}

TEST_F(QtTextsTest, EveryTranslationKeepsItsPlaceholdersAndAccessKey) {
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    auto placeholders = [&](const QString& s) {
        QStringList found;
        for (const auto& m : placeholder.globalMatch(s)) found << m.captured();
        found.sort();
        return found;
    };
    auto accessKeys = [](const QString& s) { return QString(s).remove(QStringLiteral("&&")).count(QLatin1Char('&')); };
    const auto messages = ReadCatalogue(OwnCatalogue());
    EXPECT_GT(messages.size(), 300u);
    for (const Message& m : messages) {
        SCOPED_TRACE((m.context + QStringLiteral(": ") + m.source).toStdString());
        ASSERT_EQ(m.translations.size(), 1);
        const QString& t = m.translations.front();
        EXPECT_EQ(placeholders(t), placeholders(m.source));
        // Qt's standard buttons carry no access key in English; ours give each one, as the message boxes do.
        const bool standardButton = m.context == QLatin1String("QPlatformTheme");
        EXPECT_EQ(accessKeys(t), standardButton ? 1 : accessKeys(m.source));
    }
}

// The printer set-up of "Skriver&Oppsett" and of the import window, with its
// properties dialog, the file chooser for printing to a file, its option tabs
// and the copies box's context menu.
TEST_F(QtTextsTest, ThePrinterSetUpAndWhatItOpensSpeakBokmal) {
    QStringList shown;
    bool walked = false;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        walked = true;
        // Closed however the steps below end, or the set-up would wait for ever.
        const std::unique_ptr<QDialog, void (*)(QDialog*)> closer(static_cast<QDialog*>(dialog),
                                                                  [](QDialog* d) { d->reject(); });
        shown << TextsOf(dialog);
        TextsOfDialogFrom(dialog, dialog->findChild<QPushButton*>(QStringLiteral("properties")), shown);
        if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
            // The last entry prints to a PDF file, whose name the file chooser picks.
            printers->setCurrentIndex(printers->count() - 1);
            Settle();
        }
        TextsOfDialogFrom(dialog, dialog->findChild<QToolButton*>(QStringLiteral("fileBrowser")), shown);
        // The options, folded away at first, hold the copies box.
        const QString more = QCoreApplication::translate("QPrintDialog", "&Options >>");
        for (auto* button : dialog->findChildren<QPushButton*>())
            if (button->text() == more) button->click();
        Settle();
        shown << TextsOf(dialog);
        auto* copies = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
        ASSERT_TRUE(copies && copies->isVisible());
        shown << ContextMenuOf(copies);
    });
    host.printerSetup();
    EXPECT_TRUE(walked);
    EXPECT_THAT(Std(Words().foreign(shown)), IsEmpty());
    EXPECT_TRUE(shown.contains(QStringLiteral("Skriver"))) << shown.join(QLatin1Char('|')).toStdString();
}

TEST_F(QtTextsTest, TextBoxesOfferTheirEditingInBokmal) {
    auto& form = forms::Default<Skjema>();
    form.Show();
    Settle();
    const std::vector<std::string> editing{"Angre", "Gjør om", "Klipp ut", "Kopier", "Lim inn", "Slett", "Merk alt"};
    auto plain = [](const QStringList& texts) {
        std::vector<std::string> out;
        for (const QString& t : texts) out.push_back(Plain(t).toStdString());
        return out;
    };
    EXPECT_EQ(plain(ContextMenuOf(As<QLineEdit>(host, form.Navn))), editing);
    EXPECT_EQ(plain(ContextMenuOf(As<QPlainTextEdit>(host, form.Merknad)->viewport())), editing);
    auto* combo = As<QComboBox>(host, form.Klubb);
    ASSERT_NE(combo->lineEdit(), nullptr);
    EXPECT_EQ(plain(ContextMenuOf(combo->lineEdit())), editing);
}

TEST_F(QtTextsTest, ScrollBarsMessageBoxesAndTheMdiWindowMenuSpeakBokmal) {
    struct Case {
        const char* what;
        std::function<QStringList()> texts;
    };
    auto& main = forms::Default<Hovedvindu>();
    main.Load();
    auto& child = forms::Default<Barn>();
    child.Show();
    Settle();
    const std::vector<Case> cases{
        {"grid scroll bar",
         [&] {
             auto* grid = As<QAbstractScrollArea>(host, child.Liste);
             return grid ? ContextMenuOf(grid->verticalScrollBar()) : QStringList();
         }},
        {"message box buttons",
         [] {
             QMessageBox box;
             box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No |
                                    QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore | QMessageBox::Close |
                                    QMessageBox::Save | QMessageBox::Open | QMessageBox::Help);
             return TextsOf(&box);
         }},
        {"MDI window menu", [&] {
             auto* sub = qobject_cast<QMdiSubWindow*>(FrameOf(host, child));
             QStringList texts;
             if (sub && sub->systemMenu()) AddMenuTexts(sub->systemMenu()->actions(), texts);
             return texts;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList texts = c.texts();
        EXPECT_GE(texts.size(), 3) << texts.join(QLatin1Char('|')).toStdString();
        EXPECT_THAT(Std(Words().foreign(texts)), IsEmpty());
    }
}

// The letters a keyboard user presses with Alt in one window: each visible button,
// label, frame and tab with its marked letter, as "V: &Valg >>".
QStringList AccessKeysOf(QWidget* window) {
    QStringList keys;
    auto add = [&keys](const QString& text) {
        const QString plain = QString(text).remove(QStringLiteral("&&"));
        const int amp = plain.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < plain.size()) keys << plain.mid(amp + 1, 1).toUpper() + QStringLiteral(": ") + text;
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text());
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) add(label->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) add(group->title());
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) add(tabs->tabText(i));
    }
    keys.sort();
    return keys;
}

// Two controls behind one letter: the first steals the key from the second.
QStringList Clashes(const QStringList& keys) {
    QStringList clashes;
    for (int i = 1; i < keys.size(); ++i)
        if (keys[i].left(1) == keys[i - 1].left(1)) clashes << keys[i - 1] + QStringLiteral(" / ") + keys[i];
    return clashes;
}

TEST_F(QtTextsTest, ThePrinterSetUpGivesEveryAccessKeyOneControl) {
    EXPECT_THAT(Std(Clashes({"A: &Avbryt", "A: &Automatisk valg", "V: Velg &skriver"})),
                ElementsAre("A: &Avbryt / A: &Automatisk valg"));
    QStringList folded, unfolded;
    kdtest::OnceShown(kdtest::ModalAbove(nullptr), [&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        const std::unique_ptr<QDialog, void (*)(QDialog*)> closer(static_cast<QDialog*>(dialog),
                                                                  [](QDialog* d) { d->reject(); });
        folded = AccessKeysOf(dialog);
        const QString more = QCoreApplication::translate("QPrintDialog", "&Options >>");
        for (auto* button : dialog->findChildren<QPushButton*>())
            if (button->text() == more) button->click();
        Settle();
        unfolded = AccessKeysOf(dialog);
    });
    host.printerSetup();
    // Our own two buttons are among them, so the check sees the letters we chose.
    EXPECT_TRUE(folded.contains(QStringLiteral("S: Velg &skriver"))) << folded.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(folded.contains(QStringLiteral("T: Au&tomatisk valg"))) << folded.join(QLatin1Char('|')).toStdString();
    EXPECT_THAT(Std(Clashes(folded)), IsEmpty()) << folded.join(QLatin1Char('|')).toStdString();
    EXPECT_THAT(Std(Clashes(unfolded)), IsEmpty()) << unfolded.join(QLatin1Char('|')).toStdString();
}

} // namespace
