#pragma once
// Editors that are not the grid's own in-place editors: the edit and combo over a header cell, and the edit
// and combo over a form control drawn inside a cell's mini-HTML text.
#include "platform/MaskEdit.h"
#include <QComboBox>
#include <QLineEdit>

class TVxStringGrid;

// The toolkit's edit-mask spelling ("000;1;_") in Qt's input-mask spelling; empty stays empty.
QString ToolkitMaskToInputMask(const QString& Mask);

// Header editors: they check and write their text when they lose the focus.
class TGridTransEdit : public QLineEdit {
public:
    explicit TGridTransEdit(TVxStringGrid* AOwner);
    void SetCell(int ACol, int ARow) { FCol = ACol, FRow = ARow; }
    // False, with the focus kept, when the grid's validation refuses the text.
    bool StopEdit();

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    TVxStringGrid* FGrid;
    int FCol = -1, FRow = -1;
};

class TGridTransCombo : public QComboBox {
public:
    explicit TGridTransCombo(TVxStringGrid* AOwner);
    void SetCell(int ACol, int ARow) { FCol = ACol, FRow = ARow; }
    bool StopEdit();

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    TVxStringGrid* FGrid;
    int FCol = -1, FRow = -1;
};

// The editors of inline form controls; Enter and Tab end the edit.
class TControlEdit : public TCustomMaskEdit {
public:
    explicit TControlEdit(TVxStringGrid* AOwner);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; }   // Tab is ours

private:
    TVxStringGrid* FGrid;
};

class TControlCombo : public QComboBox {
public:
    explicit TControlCombo(TVxStringGrid* AOwner);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; }

private:
    TVxStringGrid* FGrid;
};
