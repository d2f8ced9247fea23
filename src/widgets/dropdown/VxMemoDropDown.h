#pragma once
// A drop-down that keeps a multi-line text: the edit shows it (a pick-only edit its first line), the pop-up
// edits the whole text in a memo.
#include "widgets/dropdown/VxDropDown.h"
#include <QStringList>

class QMenu;
class QPlainTextEdit;

class TVxMemoDropDown : public TVxCustomDropDown {
public:
    explicit TVxMemoDropDown(QWidget* AOwner = nullptr);

    const QStringList& MemoText() const { return FMemoText; }
    void SetMemoText(const QStringList& value);
    QPlainTextEdit* Memo() const { return FMemo; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool value);
    Qt::ScrollBarPolicy MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(Qt::ScrollBarPolicy value) { FMemoScrollBars = value; }
    QMenu* MemoPopup() const { return FMemoPopup; }
    void SetMemoPopup(QMenu* value) { FMemoPopup = value; }
    // Entering the edit opens the pop-up.
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool value) { FAutoDrop = value; }

    TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void DoBeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void AfterHideDropDown() override;
    void DoEnter() override;
    void Change() override;
    void DoControlKeyDown(std::uint16_t& Key, TShiftState Shift) override;
    void DoControlKeyUp(std::uint16_t& Key, TShiftState Shift) override;
    void DoControlKeyPress(QChar& Key) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void UpdateEditText();
    QStringList MemoLines() const;
    void SetMemoLines(const QStringList& Lines);

    QMenu* FMemoPopup = nullptr;
    QStringList FMemoText;
    QPlainTextEdit* FMemo = nullptr;
    Qt::ScrollBarPolicy FMemoScrollBars = Qt::ScrollBarAlwaysOff;
    bool FMemoReadOnly = false;
    bool FInternalUpdate = false;
    bool FAutoDrop = false;
};
