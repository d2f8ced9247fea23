#pragma once
// The BACnet engineering units: their names by number, and the categories the picker offers them in.
class QString;

// A category: its fixed English name and its unit numbers in list order.
struct TEngUnitCategory {
    const char* Name;
    const int* Units;
    int Count;
};

constexpr int Eng_Unit_Category_Count = 23;
extern const TEngUnitCategory Eng_Unit_Categories[Eng_Unit_Category_Count];

// The unit's name; "unknown" for a number outside 0 to 236.
QString Desc_Unit(int Num_Unit);
// The text a category's list shows for the unit.
QString Eng_Unit_List_Text(int Num_Unit);
