#include "platform/Paths.h"
#include "support/QStringPrinter.h"
#include <gtest/gtest.h>

TEST(JoinPath, Cases)
{
    const struct {
        const char* dir;
        const char* name;
        const char* joined;
    } cases[] = {
        {"/p/Demo", "ParGen.xml", "/p/Demo/ParGen.xml"},
        {"/p/Demo/", "ParGen.xml", "/p/Demo/ParGen.xml"},
        {"C:\\Prog\\PROJECTS\\Demo", "bin\\bank1.bin", "C:/Prog/PROJECTS/Demo/bin/bank1.bin"},
        {"", "ParGen.xml", "/ParGen.xml"},  // no project: the root folder
        {"rel", "x", "rel/x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.joined);
        EXPECT_EQ(JoinPath(QString::fromLatin1(c.dir), QString::fromLatin1(c.name)), QString::fromLatin1(c.joined));
    }
    EXPECT_EQ(PosixPath(QStringLiteral("a\\b/c\\")), QStringLiteral("a/b/c/"));
}
