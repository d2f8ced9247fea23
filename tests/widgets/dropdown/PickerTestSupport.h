#pragma once
// What the picker tests share: a clock they move by hand, and a picture of an open pop-up for a person to
// look at (written beside the test binary, never compared).
#include "platform/Ping.h"
#include "platform/SaveFile.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QWidget>
#include <memory>

struct ManualClock : TClock {
    std::int64_t Now = 1000;
    std::int64_t Milliseconds() override { return Now; }
};

inline std::shared_ptr<ManualClock> MakeManualClock()
{
    return std::make_shared<ManualClock>();
}

inline bool SaveScreenshot(QWidget* widget, const QString& name)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return widget->grab().save(&buffer, "PNG") &&
           SaveWholeFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name + QStringLiteral(".png"), png);
}
