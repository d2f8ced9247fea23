// The engineering-unit table and its picker.
#include "support/MessageBoxRecorder.h"
#include "support/ModalDriver.h"
#include "support/TempProgramFolder.h"
#include "tables/ip/EngUnits.h"
#include "tables/ip/UBACnet_Eng_Unit.h"
#include "widgets/button/SbButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

TEST(EngUnits, NamesAndCategoriesCoverEveryUnitOnce)
{
    EXPECT_EQ(Desc_Unit(0), "square-meters");
    EXPECT_EQ(Desc_Unit(207), "per-mille");
    EXPECT_EQ(Desc_Unit(236), "minutes-per-degree-kelvin");
    EXPECT_EQ(Desc_Unit(237), "unknown");
    EXPECT_EQ(Desc_Unit(-1), "unknown");
    QSet<int> seen;
    int total = 0;
    for (const TEngUnitCategory& c : Eng_Unit_Categories)
        for (int i = 0; i < c.Count; ++i, ++total)
            seen.insert(c.Units[i]);
    EXPECT_EQ(total, 237);
    EXPECT_EQ(seen.size(), 237);
    EXPECT_STREQ(Eng_Unit_Categories[0].Name, "Acceleration");
    EXPECT_STREQ(Eng_Unit_Categories[22].Name, "Other");
}

TEST(EngUnitPicker, PicksByPositionAndShowsTheUnitsName)
{
    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    TFBACnet_Eng_Unit picker;
    picker.Build();   // what its first showing does
    struct Case {
        int category, entry;
        const char* listText;
        const char* number;
        const char* name;
    };
    const Case cases[] = {
        {22, 29, "per-mille", "207", "per-mille"},
        {3, 11, "ohms-meters", "172", "ohm-meters"},
        {22, 9, "megajoules-per-square-meter", "139", "megajoules-hours-per-square-meter"},
        {0, 0, "meters-per-second-per-second", "166", "meters-per-second-per-second"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        picker.CB_Select_Type->setCurrentIndex(c.category);
        picker.CB_Select_TypeSelect();
        EXPECT_EQ(picker.CB_Select_Unit->currentIndex(), 0);
        picker.CB_Select_Unit->setCurrentIndex(c.entry);
        EXPECT_EQ(picker.CB_Select_Unit->currentText(), c.listText);
        QTest::mouseClick(picker.Btn_Select_Eng_Unit, Qt::LeftButton);
        EXPECT_EQ(picker.E_Selected_EU->text(), c.number);
        EXPECT_EQ(picker.Label5->text(), QString("-> ") + c.name);
    }
    EXPECT_EQ(picker.CB_Select_Unit->count(), 1);   // Acceleration holds one unit
    picker.Show_Unit("abc");
    EXPECT_EQ(picker.Label5->text(), "-> unknown");
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST(EngUnitPicker, OpensOnDataRowsOnlyAndTakesTheEditOnOK)
{
    TempProgramFolder folder;
    MessageBoxRecorder boxes;
    TFBACnet_Eng_Unit picker;
    QString header = "Eng. Unit";
    bool shown = false;
    QTimer::singleShot(0, &picker, [&] {
        shown = picker.isVisible();
        picker.SetModalResult(mrCancel);
    });
    EXPECT_FALSE(picker.Pick_Unit(0, header));
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
    EXPECT_EQ(header, "Eng. Unit");

    QString cell = "abc";
    OnNextModal([&](QWidget*) {
        EXPECT_EQ(picker.Label5->text(), "-> unknown");
        QTest::mouseClick(picker.Btn_Cancel, Qt::LeftButton);
    });
    EXPECT_FALSE(picker.Pick_Unit(3, cell));
    EXPECT_EQ(cell, "abc");

    OnNextModal([&](QWidget*) {
        picker.E_Selected_EU->setText("9999");
        QTest::mouseClick(picker.Btn_OK, Qt::LeftButton);
    });
    EXPECT_TRUE(picker.Pick_Unit(3, cell));
    EXPECT_EQ(cell, "9999");
}
