#pragma once
// A program folder for one test: MASTER, PROJECTS and LANGUAGE under a temporary directory, the
// program-wide folders pointed at it and the built-in English texts loaded. The whole program-wide
// state is reset when it goes (the tests using it link the core library).
#include <QString>
#include <QTemporaryDir>

class TempProgramFolder {
public:
    // Without the subfolders, for tests of the start-up that creates them.
    explicit TempProgramFolder(bool createSubfolders = true);
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    QString path() const { return FDir.path(); }
    QString projects() const { return path() + QStringLiteral("/PROJECTS"); }
    QString language() const { return path() + QStringLiteral("/LANGUAGE"); }
    QString master() const { return path() + QStringLiteral("/MASTER"); }

    // Creates PROJECTS/<name>/bin and returns the project folder.
    QString makeProject(const QString& name) const;
    // Writes a file below the program folder (parents created) and returns its path.
    QString writeFile(const QString& relativePath, const QByteArray& content) const;

private:
    QTemporaryDir FDir;
};
