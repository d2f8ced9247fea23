#pragma once
// Colour styles and the interfaces that restyle components, the system tests that choose themed or classic
// drawing, the office colour theme and its notifier.
//
// There is no registry on this system: the office suite's settings keys are never found, so no office
// version is installed, the theme falls back to the desktop style, and the notifier starts no watcher
// thread and never reports a change.
#include "platform/Types.h"
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

enum class TZarnStyle {
    tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
    tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};

enum class TOfficeTheme {
    ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver, ot2007Black, ot2010Blue,
    ot2010Silver, ot2010Black, otUnknown
};

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
    friend bool operator==(const TColorTone&, const TColorTone&) = default;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
    friend bool operator==(const TColorTones&, const TColorTones&) = default;
};

class IZarnStyle {
public:
    virtual ~IZarnStyle() = default;
    virtual void SetComponentStyle(TZarnStyle AStyle) = 0;
};

class IZarnTones {
public:
    virtual ~IZarnTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};

bool WindowsAtLeastXP();
bool CommonControlsAtLeastV6();
bool HasLocaleInfoEx();
QString DefaultUIFontName();

// The current user's office settings; the system's view is empty (see above).
class TOfficeSettings {
public:
    virtual ~TOfficeSettings() = default;
    virtual bool KeyExists(const QString& Key) const;
    virtual std::optional<int> ReadInteger(const QString& Key, const QString& Name) const;
};
const TOfficeSettings& SystemOfficeSettings();

// 2 for office 14.0, 1 for 12.0, 0 for none.
int InstalledOfficeVersion(const TOfficeSettings& Registry = SystemOfficeSettings());
// The "Theme" value of Key; -1 when the key or the value is missing.
int ReadOfficeThemeValue(const TOfficeSettings& Registry, const QString& Key);
// 1 "NormalColor", 2 "HomeStead", 3 "Metallic", else 0, from the desktop style's colour scheme name.
int CurrentXPStyleVariant();
TOfficeTheme DetectOfficeTheme(const TOfficeSettings& Registry = SystemOfficeSettings());

// Tells registered windows that the office theme may have changed. Without an installed office suite it
// has no watcher: registering windows does nothing and OnOfficeThemeChange never fires.
class TThemeNotifier : public QObject {
public:
    explicit TThemeNotifier(QObject* AOwner);
    ~TThemeNotifier() override;

    bool HasWatcher() const { return false; }
    void RegisterWindow(QObject* Handle);
    void UnRegisterWindow(QObject* Handle);

    std::function<void(QObject* Sender)> OnOfficeThemeChange;
};

// The process-wide notifier, created on first use, owned by AOwner (the application without one).
TThemeNotifier* ThemeNotifierInstance(QObject* AOwner);
