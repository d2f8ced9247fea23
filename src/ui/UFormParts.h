#pragma once
// The parts the dialogs share: the title panel with the software code and the dialog's
// description, and the button bar with its 110 x 28 buttons.
class QLabel;
class QWidget;
class TSbButton;

struct TTitlePanel {
    QWidget* Panel;
    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
};

// A title panel across the top of `form`, `width` wide; the code label already shows SW_Code.
// Grey text by the label's palette: a style sheet would give each label a style of its own to build.
void Set_Gray_Text(QLabel* label);

TTitlePanel Make_Title_Panel(QWidget* form, int width);

// A bar of `height` pixels along the bottom of a form `width` x `formHeight`.
QWidget* Make_Button_Bar(QWidget* form, int width, int formHeight, int height = 48);
// A 110 x 28 button in a bar, its left edge at `left`, vertically centred.
TSbButton* Make_Bar_Button(QWidget* bar, int left);
