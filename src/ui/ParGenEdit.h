#pragma once
// The parameter editor's single-line edit. Its length limit and lower-casing apply to what the user
// types or pastes only: a longer or upper-case text set by the program is kept as it is.
#include <QLineEdit>
#include <functional>

class TParEdit : public QLineEdit {
public:
    explicit TParEdit(QWidget* parent = nullptr);

    // 0: no limit.
    int TypingLimit() const { return FTypingLimit; }
    void SetTypingLimit(int value);
    void SetLowerCase(bool value) { FLowerCase = value; }

    // Each typed character; setting Key to null swallows it.
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int FTypingLimit = 0;
    bool FLowerCase = false;
};
