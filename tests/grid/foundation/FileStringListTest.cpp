#include "grid/foundation/FileStringList.h"
#include "grid/foundation/GridTypes.h"
#include <gtest/gtest.h>

TEST(TFileStringList, WritesPiecesAndReadsLinesFromTheStart)
{
    TFileStringList f;
    f.WriteLn("first");                       // no pending text: exactly the argument
    f.Write("a");
    f.Write("b");
    f.WriteLn("c");
    EXPECT_EQ(f, QStringList({"first", "abc"}));

    f.Reset();
    QString s;
    f.ReadLn(s);
    EXPECT_EQ(s, "first");
    f.ReadLn(s);
    EXPECT_EQ(s, "abc");
    EXPECT_TRUE(f.Eof());
    EXPECT_THROW(f.ReadLn(s), EListError);

    f.Write("lost");
    f.Reset();                                // pending text dropped
    f.WriteLn("x");
    EXPECT_EQ(f.last(), "x");
}
