#pragma once
// The caption label that the flat combo box and the labelled date-time picker attach to themselves: placed
// beside the control by position and margin, and following its parent, bounds, visibility, enabled state,
// font and focus.
#include "platform/Canvas.h"
#include "platform/CustomControl.h"
#include <QObject>
#include <QLabel>
#include <QPointer>

class QLabel;

enum class TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom
};

// The label's top-left for a control at Control, a caption CaptionWidth wide and a label of LabelSize.
TPoint LabelOrigin(TLabelPosition Position, const QRect& Control, int CaptionWidth, QSize LabelSize, int Margin);

class TControlLabel : public QObject {
    Q_OBJECT
public:
    explicit TControlLabel(QWidget* Control);
    ~TControlLabel() override;

    // nullptr until a caption is first set.
    QLabel* Label() const { return FLabel; }
    QString Caption() const;
    void SetCaption(const QString& value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    TLabelPosition Position() const { return FPosition; }
    void SetPosition(TLabelPosition value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool AlwaysEnabled() const { return FAlwaysEnabled; }
    void SetAlwaysEnabled(bool value);
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool value) { FFocusLabel = value; }
    // With it the label shows in the control's font, otherwise in Font.
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    void Layout();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void SetBold(bool value);

    QWidget* FControl;
    QPointer<QLabel> FLabel;
    TFont FFont;
    int FMargin = 4;
    TLabelPosition FPosition = TLabelPosition::lpLeftTop;
    bool FTransparent = false;
    bool FAlwaysEnabled = false;
    bool FFocusLabel = false;
    bool FParentFont = true;
    bool FBold = false;
};
