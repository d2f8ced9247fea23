#include "grid/foundation/CellChecker.h"
#include <gtest/gtest.h>

TEST(ZEvuZudedoZadaRudiv, BaseLeavesTextsAloneAndStartsSwitchedOff)
{
    ZEvuZudedoZadaRudiv checker;
    EXPECT_FALSE(checker.GotoCell() || checker.AutoCorrect() || checker.AutoMarkError() || checker.UseCorrect() ||
                 checker.UseMarkError());
    const QString text = "teh  text\r\n";
    EXPECT_EQ(checker.Correct(1, 2, text), text);
    EXPECT_EQ(checker.MarkError(1, 2, text), text);
}

TEST(ZEvuZudedoZadaRudiv, DescendantsAreReachedThroughTheBase)
{
    struct Upper : ZEvuZudedoZadaRudiv {
        int started = 0;
        QString Correct(int, int, const QString& s) override { return s.toUpper(); }
        void StartCheck() override { ++started; }
    } upper;
    ZEvuZudedoZadaRudiv& base = upper;
    base.StartCheck();
    EXPECT_EQ(base.Correct(0, 0, "ab"), "AB");
    EXPECT_EQ(base.MarkError(0, 0, "ab"), "ab");
    EXPECT_EQ(upper.started, 1);
}
