#include "grid/foundation/VxStyleIF.h"
#include "grid/foundation/ThemeBinding.h"
#include <QCoreApplication>
#include <QPointer>

namespace {
const QString kOffice14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
const QString kOffice12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");
QPointer<TThemeNotifier> gNotifier;
} // namespace

// The platform here is of the generation these tests look for: themed drawing goes through QStyle.
bool WindowsAtLeastXP() { return true; }
bool CommonControlsAtLeastV6() { return true; }
bool HasLocaleInfoEx() { return true; }

QString DefaultUIFontName() { return HasLocaleInfoEx() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }

bool TOfficeSettings::KeyExists(const QString&) const { return false; }

std::optional<int> TOfficeSettings::ReadInteger(const QString&, const QString&) const { return std::nullopt; }

const TOfficeSettings& SystemOfficeSettings()
{
    static const TOfficeSettings none;
    return none;
}

int InstalledOfficeVersion(const TOfficeSettings& Registry)
{
    if (Registry.KeyExists(kOffice14 + QStringLiteral("\\General")))
        return 2;
    if (Registry.KeyExists(kOffice12 + QStringLiteral("\\General")))
        return 1;
    return 0;
}

int ReadOfficeThemeValue(const TOfficeSettings& Registry, const QString& Key)
{
    if (!Registry.KeyExists(Key))
        return -1;
    return Registry.ReadInteger(Key, QStringLiteral("Theme")).value_or(-1);
}

int CurrentXPStyleVariant()
{
    if (!WindowsAtLeastXP())
        return 0;
    const TThemeApiTable& api = VxXPVS().ThemeApi();
    if (!VxXPVS().ThemeApiLoaded() || !api.IsThemeActive() || !CommonControlsAtLeastV6())
        return 0;
    const QString scheme = api.GetCurrentThemeName();
    if (scheme.contains(QLatin1String("NormalColor")))
        return 1;
    if (scheme.contains(QLatin1String("HomeStead")))
        return 2;
    if (scheme.contains(QLatin1String("Metallic")))
        return 3;
    return 0;
}

TOfficeTheme DetectOfficeTheme(const TOfficeSettings& Registry)
{
    const int v14 = ReadOfficeThemeValue(Registry, kOffice14);
    if (v14 != -1) {
        switch (v14) {
        case 1: return TOfficeTheme::ot2010Blue;
        case 2: return TOfficeTheme::ot2010Silver;
        case 3: return TOfficeTheme::ot2010Black;
        default: return TOfficeTheme::ot2003Blue;
        }
    }
    const int v12 = ReadOfficeThemeValue(Registry, kOffice12);
    if (v12 != -1) {
        switch (v12) {
        case 1: return TOfficeTheme::ot2007Blue;
        case 2: return TOfficeTheme::ot2007Silver;
        case 3: return TOfficeTheme::ot2007Black;
        default: return TOfficeTheme::ot2003Blue;
        }
    }
    switch (CurrentXPStyleVariant()) {
    case 1: return TOfficeTheme::ot2003Blue;
    case 2: return TOfficeTheme::ot2003Olive;
    case 3: return TOfficeTheme::ot2003Silver;
    default: return TOfficeTheme::ot2003Classic;
    }
}

TThemeNotifier::TThemeNotifier(QObject* AOwner) : QObject(AOwner) {}

TThemeNotifier::~TThemeNotifier()
{
    if (gNotifier == this)
        gNotifier = nullptr;
}

// Only a watcher delivers notifications, and without an office suite there is none.
void TThemeNotifier::RegisterWindow(QObject*) {}

void TThemeNotifier::UnRegisterWindow(QObject*) {}

TThemeNotifier* ThemeNotifierInstance(QObject* AOwner)
{
    if (!gNotifier)
        gNotifier = new TThemeNotifier(AOwner ? AOwner : QCoreApplication::instance());
    return gNotifier;
}
