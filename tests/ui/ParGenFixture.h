#pragma once
// A communication-parameters dialog on an open project in a temporary program folder, with every
// message box answered and recorded.
#include "support/MessageBoxRecorder.h"
#include "support/QStringPrinter.h"
#include "support/TempProgramFolder.h"
#include "ui/UParGen.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <memory>

class QWidget;

class ParGenDialog : public testing::Test {
protected:
    ParGenDialog();

    // Creates the dialog (as the program does at start-up) for a model of the family.
    TFParGen& Create(int model = ParGen_Model);
    // Creates it if needed and shows it, which reads ParGen.xml.
    TFParGen& Show();
    void WriteParGen(const QByteArray& content) const;
    QByteArray ParGenBytes() const;

    // Sets a control as a program would: an edit's text, a box checked for "1", a list's item index.
    void Set(const QString& name, const QString& value) const;
    // Read back the same way.
    QString Value(const QString& name) const;
    QWidget* Control(const QString& name) const;
    // The y of a control inside its panel.
    int Y(const QString& name) const;
    bool Shown(const QString& name) const;
    int Height(const char* panel) const;
    int Top(const char* panel) const;
    int Header() const;

    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    QString project;
    std::unique_ptr<TFParGen> dialog;
};

QByteArray ReadTestFile(const QString& path);
