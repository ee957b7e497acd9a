#pragma once
// The controls the program's windows use. Setting a property from code raises
// the same events the old platform raised: Text runs Change, an option set to
// True runs Click (False runs nothing), a tick box runs Click when its value changes.
#include <string>
#include <string_view>
#include <vector>
#include "Control.h"
#include "GridRow.h"

namespace forms {

class Label : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "Label"; }
    bool TakesFocus() const override { return false; }
    const std::string& Caption() const { use(); return caption_; }
    void SetCaption(const std::string& c);
    int Alignment = vbLeftJustify;
    bool AutoSize = false;
    bool WordWrap = false;
    int BorderStyle = 0;
    bool BackStyleTransparent = false;
private:
    std::string caption_;
};

class TextBox : public Control {
public:
    TextBox(Form* owner, std::string name, int index = -1);
    const char* Kind() const override { return "TextBox"; }
    const std::string& Text() const { use(); return text_; }
    void SetText(const std::string& t);          // runs Change when the text differs
    // The user's typing: replaces the selection, cut to MaxLength, refused when Locked; runs Change.
    void UserType(const std::string& typed);
    // The user's edit from a real widget: the whole new text (cut to MaxLength).
    void UserSetText(const std::string& t);
    int MaxLength() const { use(); return maxLength_; }   // 0: no limit; characters
    void SetMaxLength(int n);
    int SelStart() const { use(); return selStart_; }
    int SelLength() const { use(); return selLength_; }
    void SetSelStart(int s);
    void SetSelLength(int n);
    std::string SelText() const;
    bool Locked = false;
    bool MultiLine = false;
    int Alignment = vbLeftJustify;
    std::string PasswordChar;
    Event<> Change;
private:
    std::string text_;
    int maxLength_ = 0, selStart_ = 0, selLength_ = 0;
};

class MaskEdBox : public TextBox {
public:
    using TextBox::TextBox;
    const char* Kind() const override { return "MaskEdBox"; }
    std::string Mask;
    std::string PromptChar = "_";
};

// Command button; the 3D command button is the same control with a picture and 3D font.
class CommandButton : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "CommandButton"; }
    const std::string& Caption() const { use(); return caption_; }
    void SetCaption(const std::string& c);
    const std::string& Picture() const { use(); return picture_; }   // image file name under resources/pictures
    void SetPicture(const std::string& p);
    bool Default = false;
    bool Cancel = false;
    // Raises Click through the dispatcher, as `Value = True` did.
    void SetValue(bool pressed);
private:
    std::string caption_, picture_;
};
using SSCommand = CommandButton;

class OptionButton : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "OptionButton"; }
    const std::string& Caption() const { use(); return caption_; }
    void SetCaption(const std::string& c);
    bool Value() const { use(); return value_; }
    // True: the others of its group (same container) go False, then Click runs.
    // False: only this one goes off; no event; the group may be left with none.
    void SetValue(bool v);
    void UserClick() override;   // the user's click selects it
    int Alignment = vbLeftJustify;
private:
    std::string caption_;
    bool value_ = false;
};
using SSOption = OptionButton;

class CheckBox : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "CheckBox"; }
    const std::string& Caption() const { use(); return caption_; }
    void SetCaption(const std::string& c);
    int Value() const { use(); return value_; }       // 0 off, 1 on, 2 greyed
    void SetValue(int v);                      // Click when it changes
    void UserClick() override;                 // toggles 0 <-> 1
private:
    std::string caption_;
    int value_ = 0;
};
using SSCheck = CheckBox;

// Frame, 3D panel and 3D frame: containers with a caption. A disabled container
// disables its children for the user without changing their own Enabled.
class Frame : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "Frame"; }
    bool TakesFocus() const override { return false; }
    bool IsContainer() const override { return true; }
    const std::string& Caption() const { use(); return caption_; }
    void SetCaption(const std::string& c);
    int Alignment = vbLeftJustify;
    int BevelOuter = 1, BevelInner = 0, BevelWidth = 1, BorderWidth = 0;
    bool Panel = false;    // drawn as a sunken/raised panel rather than a titled frame
private:
    std::string caption_;
};
using SSPanel = Frame;
using SSFrame = Frame;

class PictureBox : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "PictureBox"; }
    bool TakesFocus() const override { return false; }
    bool IsContainer() const override { return true; }
    const std::string& Picture() const { use(); return picture_; }
    void SetPicture(const std::string& p);
    int Align = 0;           // 1: along the top of an MDI window
    bool AutoRedraw = false;
    int BorderStyle = 0;
    Event<> Resize;          // its width or height changed
private:
    std::string picture_;
};

class Image : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "Image"; }
    bool TakesFocus() const override { return false; }
    const std::string& Picture() const { use(); return picture_; }
    void SetPicture(const std::string& p);
    bool Stretch = false;
private:
    std::string picture_;
};

// List box and combo box share the item list.
// What every list shares: its current item, set by code or by the user's click.
class ListSelection : public Control {
public:
    using Control::Control;
    virtual int ListCount() const = 0;
    int ListIndex() const { use(); return listIndex_; }
    void SetListIndex(int index);               // -1 deselects; Click when it changes
    void UserSelect(int index);                 // the user's click on an item
    void UserDblClickItem(int index);
protected:
    // Whether a user's pick of the item can land: the list is usable and the item exists.
    bool UserCanPick(int index) const {
        return EffectiveEnabled() && EffectiveVisible() && index >= 0 && index < ListCount();
    }
    int listIndex_ = -1;
};

class ListControl : public ListSelection {
public:
    using ListSelection::ListSelection;
    void AddItem(const std::string& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const override { use(); return static_cast<int>(items_.size()); }
    std::string List(int index) const;          // "" outside the list
    void SetList(int index, const std::string& text);
    long ItemData(int index) const;
    void SetItemData(int index, long data);
    int NewIndex() const { use(); return newIndex_; }
    bool Sorted = false;                        // AddItem keeps the list sorted without regard to case
protected:
    struct Item { std::string text; long data = 0; };
    std::vector<Item> items_;
    int newIndex_ = -1;
};

class ListBox : public ListControl {
public:
    using ListControl::ListControl;
    const char* Kind() const override { return "ListBox"; }
    std::string Text() const { use(); return List(ListIndex()); }
};

class ComboBox : public ListControl {
public:
    using ListControl::ListControl;
    const char* Kind() const override { return "ComboBox"; }
    int Style = 0;                    // 2: drop-down list, no typing
    std::string Text() const;
    void SetText(const std::string& t);   // runs Change; selects a matching item
    Event<> Change;
private:
    std::string text_;
};

// Sort codes of the flex grid.
inline constexpr int flexSortNone = 0, flexSortGenericAscending = 1, flexSortGenericDescending = 2,
                     flexSortNumericAscending = 3, flexSortNumericDescending = 4,
                     flexSortStringNoCaseAscending = 5, flexSortStringNoCaseDescending = 6,
                     flexSortStringAscending = 7, flexSortStringDescending = 8;
inline constexpr int flexAlignLeftCenter = 1, flexAlignCenterCenter = 4, flexAlignRightCenter = 7,
                     flexAlignGeneral = 9;

// What changed in a grid since its view last took the changes: a fill of many
// rows is one change, so the view's work follows what changed, not the grid's size.
struct GridChanges {
    int firstRow = -1;      // rows from here on may differ or be new or gone; -1: none
    bool columns = false;   // the count, widths or alignments of the columns
    bool any() const { return firstRow >= 0 || columns; }
};

class MSFlexGrid : public Control {
public:
    MSFlexGrid(Form* owner, std::string name, int index = -1);
    const char* Kind() const override { return "MSFlexGrid"; }
    int Rows() const { use(); return rows_; }
    int Cols() const { use(); return cols_; }
    void SetRows(int n);          // keeps the cells that remain
    void SetCols(int n);
    int FixedRows = 1;
    int FixedCols = 1;
    std::string TextMatrix(int row, int col) const;   // out of range raises 381
    void SetTextMatrix(int row, int col, const std::string& text);
    std::string Text() const { use(); return TextMatrix(row_, col_); }
    void SetText(const std::string& t) { use(); SetTextMatrix(row_, col_, t); }
    int Row() const { use(); return row_; }
    int Col() const { use(); return col_; }
    void SetRow(int r);           // 381 outside the grid; RowSel follows
    void SetCol(int c);
    int RowSel() const { use(); return rowSel_; }
    int ColSel() const { use(); return colSel_; }
    void SetRowSel(int r);
    void SetColSel(int c);
    int ColWidth(int col) const;  // twips
    void SetColWidth(int col, int twips);
    int ColAlignment(int col) const;
    void SetColAlignment(int col, int alignment);
    int TopRow = 1;
    // A new row from tab-separated cells, at the end or before index.
    void AddItem(const std::string& tabbedCells, int index = -1);
    void RemoveItem(int index);
    void Clear();                 // empties every cell, keeps Rows and Cols
    // Sorts the rows below the fixed rows by the columns Col..ColSel with the given code.
    void Sort(int code);
    int SelectionMode = 0;        // 1: whole rows
    bool AllowBigSelection = true;
    int HighLight = 1;
    int FocusRect = 1;
    int ScrollBars = 3;
    void UserClickCell(int row, int col);   // sets Row/Col (RowSel/ColSel), then Click
    void UserDblClickCell(int row, int col);
    // The keyboard moved the current cell (arrows, Page Up/Down, Home/End, a typed letter):
    // a new row runs Click, so the window acts on it as on a click and highlight and form agree.
    void UserKeyMoveCell(int row, int col);
    // True while the events of such a move run: a handler may keep the focus in the grid.
    bool MovedByKeys() const { return movedByKeys_; }
    Event<> SelChange, EnterCell;
    // The changes since the last call, for the view. Only the first change after a call
    // notifies it (Prop::Grid); the view takes them when it next draws.
    GridChanges TakeChanges();
private:
    bool userCanPick(int row, int col) const;
    // The current cell moved as the user moves it: EnterCell, SelChange, no Click.
    void moveTo(int row, int col);
    void rowsChangedFrom(int row);
    void columnsChanged();
    void changed(int firstRow, bool columns);

    int rows_ = 2, cols_ = 2, row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
    bool movedByKeys_ = false;
    GridChanges pending_;
    std::vector<GridRow> cells_;   // compact: a large grid costs about its text
    std::vector<int> colWidth_, colAlign_;
};

// A stored value as one cell of a row for AddItem: a tab, CR or LF in it shows as a blank,
// so that it can neither split the row into one cell too many nor break the cell's line.
std::string GridCell(std::string value);
// The same cell appended to a row being built.
void AppendGridCell(std::string& row, std::string_view value);

class Timer : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "Timer"; }
    bool TakesFocus() const override { return false; }
    int Interval() const { use(); return interval_; }
    void SetInterval(int ms);
    void Fire();                  // one tick when enabled and Interval > 0 (tests; the view's timer)
    Event<> Timer_;
private:
    int interval_ = 0;
};

class Menu : public Control {
public:
    Menu(Form* owner, std::string name, std::string caption, Menu* parent = nullptr, int index = -1);
    const char* Kind() const override { return "Menu"; }
    bool TakesFocus() const override { return false; }
    const std::string& Caption() const { use(); return caption_; }
    void SetCaption(const std::string& c);
    bool Checked() const { use(); return checked_; }
    void SetChecked(bool c);
    bool IsSeparator() const { return caption_ == "-"; }
    Menu* Parent() const { return parent_; }
    const std::vector<Menu*>& Items() const { return items_; }
    // The user's choice: runs Click only when the item and its menus are enabled and visible.
    void UserClick() override;
private:
    std::string caption_;
    bool checked_ = false;
    Menu* parent_;
    std::vector<Menu*> items_;
};

class DriveListBox : public Control {
public:
    DriveListBox(Form* owner, std::string name, int index = -1);
    const char* Kind() const override { return "DriveListBox"; }
    const std::string& Drive() const { use(); return drive_; }
    void SetDrive(const std::string& d);    // Change only on a real change
    const std::vector<std::string>& List() const { use(); return list_; }
    int ListCount() const { use(); return static_cast<int>(list_.size()); }
    int ListIndex() const;
    void Refresh();
    void UserSelect(int index);
    Event<> Change;
private:
    std::string drive_;
    std::vector<std::string> list_;
};

class DirListBox : public ListSelection {
public:
    DirListBox(Form* owner, std::string name, int index = -1);
    const char* Kind() const override { return "DirListBox"; }
    const std::string& Path() const { use(); return path_; }
    void SetPath(const std::string& p);     // Change only on a real change; 76 when missing
    // Sub-folders of Path, as listed.
    const std::vector<std::string>& List() const { use(); return list_; }
    int ListCount() const override { use(); return static_cast<int>(list_.size()); }
    void UserOpen(int index);               // the user's double click: Path becomes that folder
    void UserUp();                          // to the parent folder
    void Refresh();
    Event<> Change;
private:
    std::string path_;
    std::vector<std::string> list_;
};

class FileListBox : public ListSelection {
public:
    FileListBox(Form* owner, std::string name, int index = -1);
    const char* Kind() const override { return "FileListBox"; }
    const std::string& Path() const { use(); return path_; }
    void SetPath(const std::string& p);     // PathChange only on a real change
    const std::string& Pattern() const { use(); return pattern_; }
    void SetPattern(const std::string& p);  // PatternChange only on a real change
    std::string FileName() const;           // the selected name, or "" with none
    void SetFileName(const std::string& n); // a name selects it; a pattern sets Pattern
    const std::vector<std::string>& List() const { use(); return list_; }
    int ListCount() const override { use(); return static_cast<int>(list_.size()); }
    void Refresh();
    // Dot-files never list; read-only files list only while ReadOnly is on.
    bool Archive = true, Hidden = false, Normal = true, ReadOnly = true, System = false;
    Event<> PathChange, PatternChange;
private:
    std::string path_, pattern_ = "*.*";
    std::vector<std::string> list_;
};

// Printer set-up and help calls of the common dialog.
class CommonDialog : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "CommonDialog"; }
    bool TakesFocus() const override { return false; }
    bool CancelError = false;
    std::string HelpFile;
    int HelpCommand = 0;
    // 5: printer set-up (cancel raises 32755 when CancelError); 6: help.
    void SetAction(int action);
    void ShowPrinter() { SetAction(5); }
    void ShowHelp() { SetAction(6); }
};

class StatusBar : public Control {
public:
    using Control::Control;
    const char* Kind() const override { return "StatusBar"; }
    bool TakesFocus() const override { return false; }
    int PanelCount() const { use(); return static_cast<int>(panels_.size()); }
    void SetPanelCount(int n);
    std::string PanelText(int index) const;   // 1-based as the panels were
    void SetPanelText(int index, const std::string& t);
private:
    std::vector<std::string> panels_;
};

} // namespace forms
