#pragma once
// The parameter editor's single-line edit. Its length limit applies to what the user types or pastes,
// its lower-casing to what the user types: a longer or upper-case text set by the program is kept.
#include <QLineEdit>
#include <functional>

class TParEdit : public QLineEdit {
public:
    explicit TParEdit(QWidget* parent = nullptr);

    // 0: no limit.
    void SetTypingLimit(int value);
    void SetLowerCase(bool value) { FLowerCase = value; }

    // Each typed character; setting Key to null swallows it.
    std::function<void(QObject* Sender, QChar& Key)> OnKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool FLowerCase = false;
};
