#pragma once
// The toolkit grid's in-place editor: a line edit over the current cell that writes through to the grid
// and hands the grid its navigation keys.
#include <QClipboard>
#include <QLineEdit>

class TCustomGrid;
struct TRect;

class TInplaceEdit : public QLineEdit {
    Q_OBJECT
    friend class TCustomGrid;

public:
    explicit TInplaceEdit(TCustomGrid* grid);

    TCustomGrid* Grid() const { return FGrid; }
    // Kept for descendants that interpret it; the plain editor accepts any text.
    QString EditMask() const { return FEditMask; }
    void SetEditMask(const QString& value) { FEditMask = value; }
    void Deselect();

protected:
    virtual void BoundsChanged() {}              // after the grid placed the editor over its cell
    virtual void Change() {}                     // after every change of the text, also by code
    virtual void UpdateContents();               // loads text, length limit and mask of the current cell

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    // Every way text is pasted or dropped in: a single-line editor takes one line of it.
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void PasteOneLine(QClipboard::Mode mode);
    void UpdateLoc(const TRect& loc);
    bool ForwardsKey(const QKeyEvent* e) const;

    TCustomGrid* FGrid;
    QString FEditMask;
};
