#pragma once
// An open project "Plant A" in a temporary program folder, with the writers' clock fixed.
#include "support/TempProgramFolder.h"
#include <QByteArray>
#include <gtest/gtest.h>
#include <QDateTime>
#include <QString>

QByteArray Read_All(const QString& path);

class DescProjectFixture {
public:
    explicit DescProjectFixture(const QDateTime& clock = QDateTime(QDate(2026, 3, 7), QTime(0, 15)));
    ~DescProjectFixture();
    DescProjectFixture(const DescProjectFixture&) = delete;
    DescProjectFixture& operator=(const DescProjectFixture&) = delete;

    // Copies every file of tests/data/<name> but the expected one into the project.
    void copyCase(const QString& name) const;
    void write(const QString& file, const QByteArray& content) const;
    QString dir() const { return FDir; }
    QString file(const QString& name) const { return FDir + QLatin1Char('/') + name; }

private:
    TempProgramFolder FFolder;
    QString FDir;
};

// What every description file is: every line followed by CR LF and no other CR or LF.
::testing::AssertionResult EveryLineEndsInCrLf(const QByteArray& bytes);
