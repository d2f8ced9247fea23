#include "grid/foundation/ControlList.h"
#include <gtest/gtest.h>

TEST(TControlList, LookupFindsTheFirstItemAndRemovingKeepsTheControl)
{
    QWidget a, b;
    {
        TControlList list;
        list.AddControl(1, 2, &a);
        list.AddControl(1, 2, &b);
        list.AddControl(3, 4, &b);
        EXPECT_EQ(list.ControlIndex(1, 2), 0);
        EXPECT_EQ(list.ControlIndex(3, 4), 2);
        EXPECT_EQ(list.ControlIndex(2, 1), -1);
        EXPECT_TRUE(list.HasHandle(&b));

        list.RemoveControl(0);
        EXPECT_EQ(list.Count(), 2);
        EXPECT_EQ(list.Control(0)->Control(), &b);
        EXPECT_FALSE(list.HasHandle(&a));
        EXPECT_EQ(list.Control(5), nullptr);
    }
    a.setObjectName("alive");                 // the list's destruction left the controls alone
    EXPECT_EQ(a.objectName(), "alive");
}
