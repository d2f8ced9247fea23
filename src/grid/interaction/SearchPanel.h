#pragma once
// The search footer: a strip at the bottom of the grid with a search edit, find next and previous, close,
// a highlight toggle and a match-case box. The grid does the searching; the panel only reports.
#include "platform/CustomControl.h"
#include <QLineEdit>

class TVxCheckBox;
class TVxGridButton;
class TVxStringGrid;

// Enter fires OnReturn, Ctrl+Enter OnCtrlReturn; neither types a line break nor reaches the window.
class TRetEdit : public QLineEdit {
public:
    explicit TRetEdit(QWidget* AOwner);
    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;
    TKeyPressEvent OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class TSearchPanel : public TCustomControl {
    Q_OBJECT
public:
    static constexpr int PanelHeight = 32;

    explicit TSearchPanel(TVxStringGrid* AOwner);

    TRetEdit* Edit() const { return FEdit; }
    TVxGridButton* ForwardButton() const { return FForwardButton; }
    TVxGridButton* BackwardButton() const { return FBackwardButton; }
    TVxGridButton* ExitButton() const { return FExitButton; }
    TVxGridButton* HiliteButton() const { return FHiliteButton; }
    TVxCheckBox* MatchCase() const { return FMatchCase; }

    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    // Captions and hints as the grid's settings give them; a hint shows only when it is not empty.
    void SetCaptions(const QString& FindNext, const QString& FindPrev, const QString& MatchCase,
                     const QString& HighLight);
    void SetHints(const QString& FindNext, const QString& FindPrev, const QString& Close, const QString& Highlight);
    // Places the children; right to left mirrors every left position.
    void LayoutChildren();
    // Along the grid's bottom edge, below the cells; height 0 while hidden.
    void FollowGrid();

    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;
    TNotifyEvent OnEditChange;

protected:
    void Paint() override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void EditChanged();
    void Place(QWidget* Child, int Left, int Top, int Width, int Height);

    TVxStringGrid* FGrid;
    QWidget* FViewport;   // compared only: it may be going when its last events arrive
    TRetEdit* FEdit;
    TVxGridButton* FForwardButton;
    TVxGridButton* FBackwardButton;
    TVxGridButton* FExitButton;
    TVxGridButton* FHiliteButton;
    TVxCheckBox* FMatchCase;
    TColor FColorTo = clNone;
};
