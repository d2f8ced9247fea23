#include "core/UComon.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(GetComPortList, NumbersOfTheDevicesThatOpenInAscendingOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"ttyS4", "ttyS0", "ttyS255", "ttyS256", "ttyUSB1"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(Get_COM_Port_List(dir.path()), (QStringList{"1", "5", "256"}));
    QTemporaryDir empty;
    EXPECT_TRUE(Get_COM_Port_List(empty.path()).isEmpty());
}

TEST(GetComPortList, ListsOnlyNumbersOnThisMachine)
{
    int last = 0;
    for (const QString& port : Get_COM_Port_List()) {
        bool ok = false;
        const int n = port.toInt(&ok);
        EXPECT_TRUE(ok && n > last && n <= 256) << port.toStdString();
        last = n;
    }
}
