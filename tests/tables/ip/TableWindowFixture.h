#pragma once
// What the table window tests share: a project folder with the window's file paths pointed into it, the
// window shown modally while a test acts on it, and the files read back.
#include "core/UComon.h"
#include "platform/Form.h"
#include "support/MessageBoxRecorder.h"
#include "support/ModalDriver.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <functional>
#include <memory>

inline QByteArray File_Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Shows `window` as its step does and runs `act` while it is open; a window still open afterwards is
// cancelled.
inline TModalResult Show_While(TForm& window, const std::function<void()>& act)
{
    OnNextModal([&](QWidget*) {
        act();
        if (window.isVisible())
            window.SetModalResult(mrCancel);
    });
    return window.ShowModal();
}

struct TableProject {
    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    QString dir;

    TableProject()
    {
        Row_Clipboard = std::make_unique<QStringList>();
        dir = folder.makeProject("P");
        Project_Dir = dir;
        Set_Project_File_Paths(dir);
    }
    QString Put(const char* name, const QByteArray& content) const
    {
        return folder.writeFile(QStringLiteral("PROJECTS/P/") + QLatin1String(name), content);
    }
};
