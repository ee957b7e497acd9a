// List box and combo box: items, selection and its events.
#include "FormsTest.h"
#include "platform/vb/Err.h"

using namespace forms;
using formstest::Log;
using formstest::Note;

namespace {

struct Lists : Form {
    Lists() : Form("Lists") {
        List2.Click = Note("List2_Click");
        List2.DblClick = Note("List2_DblClick");
        Combo1.Click = Note("Combo1_Click");
        Combo1.Change = Note("Combo1_Change");
    }
    ListBox List2{this, "List2"};
    ComboBox Combo1{this, "Combo1"};
};

using ListControls = formstest::FormsTest;

TEST_F(ListControls, SortedListsIgnoreCaseAndPutÆØÅLast) {
    auto& l = Default<Lists>().List2;
    l.Sorted = true;
    for (const char* s : {"Ås", "berg", "Øya", "Aker", "Bø"}) l.AddItem(s);
    std::vector<std::string> items;
    for (int i = 0; i < l.ListCount(); ++i) items.push_back(l.List(i));
    EXPECT_EQ(items, (std::vector<std::string>{"Aker", "berg", "Bø", "Øya", "Ås"}));
    l.AddItem("Cecilie");
    EXPECT_EQ(l.NewIndex(), 3);
}

TEST_F(ListControls, SelectionFollowsItsItemAndClicksOnlyOnChange) {
    auto& l = Default<Lists>().List2;
    for (const char* s : {"1", "2", "3"}) l.AddItem(s);
    l.SetListIndex(1);
    l.SetListIndex(1);
    l.AddItem("0", 0);
    EXPECT_EQ(l.ListIndex(), 2);
    EXPECT_EQ(l.Text(), "2");
    l.RemoveItem(0);
    EXPECT_EQ(l.ListIndex(), 1);
    l.RemoveItem(1);
    EXPECT_EQ(l.ListIndex(), -1);
    EXPECT_EQ(l.List(7), "");
    EXPECT_THROW(l.SetListIndex(5), vb::Err);
    EXPECT_THROW(l.RemoveItem(5), vb::Err);
    EXPECT_THROW(l.ItemData(5), vb::Err);
    l.UserDblClickItem(0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"List2_Click", "List2_Click", "List2_DblClick"}));
    l.Clear();
    EXPECT_EQ(l.ListCount(), 0);
    EXPECT_EQ(l.ListIndex(), -1);
}

TEST_F(ListControls, ItemDataTravelsWithItsItem) {
    auto& c = Default<Lists>().Combo1;
    c.AddItem("Senior");
    c.SetItemData(c.NewIndex(), 14);
    c.AddItem("Junior", 0);
    c.SetItemData(c.NewIndex(), 3);
    EXPECT_EQ(c.ItemData(1), 14);
    EXPECT_EQ(c.ItemData(0), 3);
}

TEST_F(ListControls, ComboTextSelectsAMatchingItem) {
    auto& c = Default<Lists>().Combo1;
    c.AddItem("BOCCIA");
    c.AddItem("CURLING");
    c.SetText("CURLING");
    EXPECT_EQ(c.ListIndex(), 1);
    c.SetText("Ranking klasse");
    EXPECT_EQ(c.ListIndex(), -1);
    EXPECT_EQ(c.Text(), "Ranking klasse");
    c.SetListIndex(0);
    EXPECT_EQ(c.Text(), "BOCCIA");
    EXPECT_EQ(Log(), (std::vector<std::string>{"Combo1_Change", "Combo1_Change", "Combo1_Click"}));
    c.Style = 2;
    EXPECT_THROW(c.SetText("HOCKEY"), vb::Err);
}

} // namespace
