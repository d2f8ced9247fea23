#include "grid/foundation/VxStyleIF.h"
#include <QMap>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace {
// Office settings as a test lays them out; remembers which keys were looked at.
class FakeOffice : public TOfficeSettings {
public:
    QMap<QString, int> themes;   // key -> "Theme" value
    QStringList keys;
    mutable QStringList asked;
    bool KeyExists(const QString& Key) const override
    {
        asked << Key;
        return keys.contains(Key) || themes.contains(Key);
    }
    std::optional<int> ReadInteger(const QString& Key, const QString& Name) const override
    {
        if (Name == "Theme" && themes.contains(Key))
            return themes.value(Key);
        return std::nullopt;
    }
};
const QString k14 = "Software\\Microsoft\\Office\\14.0\\Common";
const QString k12 = "Software\\Microsoft\\Office\\12.0\\Common";
} // namespace

TEST(DetectOfficeTheme, ThemeValuesOfBothOfficeVersions)
{
    const struct { QString key; int value; TOfficeTheme theme; } cases[] = {
        {k14, 1, TOfficeTheme::ot2010Blue},   {k14, 2, TOfficeTheme::ot2010Silver},
        {k14, 3, TOfficeTheme::ot2010Black},  {k14, 4, TOfficeTheme::ot2003Blue},
        {k12, 1, TOfficeTheme::ot2007Blue},   {k12, 2, TOfficeTheme::ot2007Silver},
        {k12, 3, TOfficeTheme::ot2007Black},  {k12, 0, TOfficeTheme::ot2003Blue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key.toStdString() + " " + std::to_string(c.value));
        FakeOffice office;
        office.themes[c.key] = c.value;
        EXPECT_EQ(DetectOfficeTheme(office), c.theme);
        if (c.key == k14) {
            EXPECT_FALSE(office.asked.contains(k12));   // the newer suite decides alone
        }
    }
}

TEST(DetectOfficeTheme, KeyWithoutThemeValueFallsThrough)
{
    FakeOffice office;
    office.keys << k14;                    // key present, value missing: -1
    office.themes[k12] = 2;
    EXPECT_EQ(ReadOfficeThemeValue(office, k14), -1);
    EXPECT_EQ(DetectOfficeTheme(office), TOfficeTheme::ot2007Silver);
}

TEST(DetectOfficeTheme, NoOfficeSuiteHereGivesTheClassicDesktopStyle)
{
    EXPECT_EQ(InstalledOfficeVersion(), 0);
    EXPECT_EQ(CurrentXPStyleVariant(), 0);   // Qt's styles carry none of the desktop colour scheme names
    EXPECT_EQ(DetectOfficeTheme(), TOfficeTheme::ot2003Classic);

    FakeOffice office;
    office.keys << k12 + "\\General";
    EXPECT_EQ(InstalledOfficeVersion(office), 1);
    office.keys << k14 + "\\General";
    EXPECT_EQ(InstalledOfficeVersion(office), 2);
}

TEST(TThemeNotifier, OneInstanceWithoutWatcher)
{
    QObject owner;
    TThemeNotifier* notifier = ThemeNotifierInstance(&owner);
    EXPECT_EQ(ThemeNotifierInstance(nullptr), notifier);
    EXPECT_EQ(notifier->parent(), &owner);
    EXPECT_FALSE(notifier->HasWatcher());
    QObject window;
    notifier->RegisterWindow(&window);
    notifier->RegisterWindow(&window);
    notifier->UnRegisterWindow(&owner);        // never registered: nothing
    notifier->UnRegisterWindow(&window);

    delete notifier;                           // its owner going away forgets the instance
    TThemeNotifier* next = ThemeNotifierInstance(&owner);
    EXPECT_NE(next, nullptr);
    EXPECT_EQ(next->parent(), &owner);
}

TEST(DefaultUIFontName, ModernSystem)
{
    EXPECT_TRUE(HasLocaleInfoEx());
    EXPECT_EQ(DefaultUIFontName(), "Segoe UI");
}
