#pragma once
// The rows of the communication-parameters panels as data, and the one builder that makes their
// controls, places them and applies their texts.
//
// A row sits at a label y (the first 12, then 28 px apart): its label (or heading check box) at
// x = 14, its input 3 px higher at x = 191, 238 px wide; an address row has four 55 px edits at
// x = 191, 252, 313 and 374 with "." labels between them.
#include <QChar>
#include <QHash>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QObject;
class QPlainTextEdit;
class QWidget;
class TCategoryPanel;
class TParEdit;

enum class TParRowKind {
    Edit,         // label + edit
    Memo,         // label + multi-line edit, one row high
    List,         // label + fixed drop-down list
    Octets,       // label + four octet edits
    CheckOctets,  // check box in the label's place + four octet edits
    Check,        // check box across the row
    CheckEdit,    // check box in the label's place + edit
    Checks,       // label + three check boxes captioned "1", "2", "3"
};

enum TParRowFlag : unsigned {
    fNoClick = 1,   // the check box does not count as a change
    fDisabled = 2,  // the input cannot be used
    fDotChain = 4,  // "." in an octet moves on to the next octet of the chain
    fTabLast = 8,   // comes last in its panel's tab order
};

struct TParRow {
    TParRowKind Kind;
    const char* Name;       // input, or the prefix of the numbered octets / boxes; null for a lone box
    int Caption;            // text of the label or heading box
    int Hint;               // text of the input's hint; the first of the numbered ones; 0 for none
    const char* Box;        // the check box of a check row
    int BoxHint;
    const char* Value;      // design value: text, dotted octets or item text (boxes start unchecked)
    const char* Items;      // fixed list items separated by '|'
    int ItemText;           // or list items from the language table: ItemCount texts from this one
    int ItemCount;
    int MaxLength;          // typing limit, 0 for none
    bool Lower;             // letters lower-cased as typed
    unsigned Flags;
    int InputLeft;
    int InputWidth;
    int BoxWidth;
    char Group;             // layouts show or hide the rows of a group together; 0 for none

    constexpr TParRow Max(int n) const { TParRow r = *this; r.MaxLength = n; return r; }
    // A device or station name: at most 15 characters, lower-cased as typed.
    constexpr TParRow Name15() const { TParRow r = Max(15); r.Lower = true; return r; }
    constexpr TParRow With(unsigned flags) const { TParRow r = *this; r.Flags |= flags; return r; }
    constexpr TParRow In(char group) const { TParRow r = *this; r.Group = group; return r; }
    constexpr TParRow At(int left, int width) const { TParRow r = *this; r.InputLeft = left; r.InputWidth = width; return r; }
    constexpr TParRow BoxWide(int width) const { TParRow r = *this; r.BoxWidth = width; return r; }
};

constexpr TParRow Row(TParRowKind kind, const char* name, int caption, int hint)
{
    return {kind, name, caption, hint, nullptr, 0, "", nullptr, 0, 0, 0, false, 0, 191, 238, 175, 0};
}
constexpr TParRow Edit(const char* name, int caption, int hint, const char* value = "")
{
    TParRow r = Row(TParRowKind::Edit, name, caption, hint);
    r.Value = value;
    return r;
}
constexpr TParRow Memo(const char* name, int caption, int hint)
{
    return Row(TParRowKind::Memo, name, caption, hint);
}
constexpr TParRow List(const char* name, int caption, int hint, const char* items, const char* value)
{
    TParRow r = Row(TParRowKind::List, name, caption, hint);
    r.Items = items;
    r.Value = value;
    return r;
}
constexpr TParRow TextList(const char* name, int caption, int hint, int firstText, int count)
{
    TParRow r = Row(TParRowKind::List, name, caption, hint);
    r.ItemText = firstText;
    r.ItemCount = count;
    return r;
}
constexpr TParRow Octets(const char* prefix, int caption, int hint, const char* value = "192.168.0.5")
{
    TParRow r = Row(TParRowKind::Octets, prefix, caption, hint);
    r.Value = value;
    return r;
}
constexpr TParRow CheckOctets(const char* box, int caption, int boxHint, const char* prefix, int hint,
                              const char* value = "192.168.0.5")
{
    TParRow r = Octets(prefix, caption, hint, value);
    r.Kind = TParRowKind::CheckOctets;
    r.Box = box;
    r.BoxHint = boxHint;
    return r;
}
constexpr TParRow Check(const char* box, int caption, int boxHint)
{
    TParRow r = Row(TParRowKind::Check, nullptr, caption, 0);
    r.Box = box;
    r.BoxHint = boxHint;
    r.BoxWidth = 415;
    return r;
}
constexpr TParRow CheckEdit(const char* box, int caption, int boxHint, const char* name, int hint,
                            const char* value = "")
{
    TParRow r = Edit(name, caption, hint, value);
    r.Kind = TParRowKind::CheckEdit;
    r.Box = box;
    r.BoxHint = boxHint;
    return r;
}
constexpr TParRow Checks(const char* prefix, int caption, int hint)
{
    return Row(TParRowKind::Checks, prefix, caption, hint);
}

// The controls of the window by name, with each one's design value.
class TParControls {
public:
    void Add(const QString& name, QWidget* control, const QString& design = QString());

    QWidget* Control(const QString& name) const { return FControls.value(name); }
    TParEdit* Edit(const QString& name) const;
    QPlainTextEdit* Memo(const QString& name) const;
    QCheckBox* Box(const QString& name) const;
    QComboBox* List(const QString& name) const;
    QLabel* Label(const QString& name) const;
    // The text an edit or box starts with, "1" / "0" for a box, the item index for a list.
    QString Design(const QString& name) const { return FDesign.value(name); }

private:
    QHash<QString, QWidget*> FControls;
    QHash<QString, QString> FDesign;
};

// What the row controls report to their window.
struct TParHandlers {
    std::function<void(QObject* Sender)> OnChange;               // edits and lists
    std::function<void(QObject* Sender)> OnClick;                // check boxes without fNoClick
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress; // octet edits
};

// One row's controls as built.
struct TParBuiltRow {
    const TParRow* Def;
    QString Key;                 // the row's name: its input, prefix or box
    QWidget* Head;               // label or heading box
    std::vector<QWidget*> Inputs;
    std::vector<QLabel*> Dots;
};

// A panel's rows as built, and the operations its layouts are made of.
class TParPanelRows {
public:
    TParPanelRows(TCategoryPanel* panel, std::vector<TParBuiltRow> rows);

    const std::vector<TParBuiltRow>& Rows() const { return FRows; }
    const TParBuiltRow& Row(const QString& key) const;

    // The row with its label (or box) at y and its inputs 3 px higher.
    void Place(const TParBuiltRow& row, int y) const;
    void Show(const TParBuiltRow& row, bool visible) const;
    // Shows the rows whose group is 0 or in `groups`, stacked from the first row's place in
    // table order, and hides the others; then the height rule.
    void Stack(const char* groups) const;
    // Shows the rows named, stacked from y in that order (the others keep their state).
    int Stack_From(std::initializer_list<const char*> keys, int y) const;
    void Hide_All() const;
    // The row controls in tab order: rows top to bottom, left to right, fTabLast rows at the end.
    std::vector<QWidget*> Tab_Chain() const;
    // The octets of the fDotChain rows, in table order.
    std::vector<QWidget*> Dot_Chain() const;
    // Height: the bottom of the lowest visible control, plus the header, plus 12.
    void Fit_Height() const;

private:
    TCategoryPanel* FPanel;
    std::vector<TParBuiltRow> FRows;
};

constexpr int kFirstRowY = 12;
constexpr int kRowStep = 28;

// Makes the rows' controls on the panel at their design places (stacked in table order), registers
// them and wires them to the handlers.
TParPanelRows Build_Panel_Rows(TCategoryPanel* panel, const TParRow* rows, int count, TParControls& controls,
                               const TParHandlers& handlers);
// Captions and hints from the language table; lists of language texts are refilled and show their
// first item again.
void Apply_Row_Texts(const TParPanelRows& rows);
