#pragma once
// A wait the windows live through: while a TInputBlock lives, Process_Waiting repaints and lays out the
// program's windows, and user input (keys, mouse, wheel, touch, a close from the window manager) is dropped,
// not kept for after the wait.
#include <QObject>

class TInputBlock : public QObject {
public:
    TInputBlock();
    ~TInputBlock() override;
    TInputBlock(const TInputBlock&) = delete;
    TInputBlock& operator=(const TInputBlock&) = delete;

    // Delivers the events that are waiting; the input among them goes nowhere.
    void Process_Waiting();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
