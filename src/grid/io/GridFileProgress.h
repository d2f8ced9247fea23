#pragma once
// Whole percentages for OnFileProgress, fired only when the value changes.
#include <QObject>
#include <cmath>
#include <functional>

class TFileProgress {
public:
    TFileProgress(const std::function<void(QObject*, int)>& Event, QObject* Sender) : FEvent(Event), FSender(Sender) {}
    void Report(double Done, double Total)
    {
        if (!FEvent)
            return;
        const int percent = int(std::lround(Done / std::max(1.0, Total) * 100));
        if (percent != FLast)
            FEvent(FSender, FLast = percent);
    }

private:
    const std::function<void(QObject*, int)>& FEvent;
    QObject* FSender;
    int FLast = -1;
};
