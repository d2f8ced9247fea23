#include "platform/LinkOpener.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(LinkOpener, OnlyLinksThatStartNoProgram)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString doc = dir.filePath("notes.txt");
    const QString script = dir.filePath("notes");
    for (const QString& path : {doc, script}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    struct Case {
        QString link;
        bool openable;
    };
    const Case cases[] = {
        {"http://example.com/page", true},
        {"HTTPS://example.com", true},
        {"ftp://files.example.com/a.zip", true},
        {"mailto:someone@example.com", true},
        {"file://" + doc, true},
        {"file://" + script, false},   // executable, whatever its name
        {"file:///tmp/setup.EXE", false},
        {"file:///tmp/run.sh", false},
        {"file://" + dir.path(), false},   // a folder opens a file manager that can start anything
        {"http://", false},
        {"mailto:", false},
        {"javascript:alert(1)", false},
        {"smb://server/share", false},
        {"www.example.com", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link.toStdString());
        EXPECT_EQ(IsOpenableLink(c.link), c.openable);
    }
}

TEST(LinkOpener, OpenHandsOnlyOpenableLinksToTheOpenerInPlace)
{
    struct Recorder : TLinkOpener {
        QStringList opened;
        void Open(const QString& Link) override { opened << Link; }
    } recorder;
    SetLinkOpener(&recorder);
    EXPECT_TRUE(OpenLink(" http://example.com "));
    EXPECT_FALSE(OpenLink("javascript:alert(1)"));
    SetLinkOpener(nullptr);
    EXPECT_EQ(recorder.opened, QStringList{"http://example.com"});
    EXPECT_NE(&LinkOpener(), &recorder);
}
