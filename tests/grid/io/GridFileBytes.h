#pragma once
// Bytes of an expected file under tests/data/<case>/, and of a file a test wrote.
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

inline QByteArray FileBytes(const QString& Path)
{
    QFile f(Path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << Path.toStdString();
    return f.readAll();
}

inline QByteArray ExpectedBytes(const QString& Case, const QString& Name)
{
    return FileBytes(QStringLiteral(VX_TEST_DATA "/%1/%2").arg(Case, Name));
}

inline void WriteBytes(const QString& Path, const QByteArray& Bytes)
{
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << Path.toStdString();
    f.write(Bytes);
}
