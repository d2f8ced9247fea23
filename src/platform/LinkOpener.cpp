#include "platform/LinkOpener.h"
#include <QDesktopServices>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace {

class TDesktopOpener : public TLinkOpener {
public:
    void Open(const QString& Link) override { QDesktopServices::openUrl(QUrl(Link)); }
};

TLinkOpener* GOpener = nullptr;

// What a desktop would run rather than show, on this system or the one the data came from.
bool IsProgram(const QString& Path)
{
    static const QStringList kProgramSuffixes = {
        "exe", "com", "bat", "cmd", "msi", "scr", "pif", "cpl", "lnk", "vbs", "vbe", "js", "jse", "wsf", "wsh",
        "ps1", "hta", "jar", "sh", "bash", "run", "bin", "appimage", "desktop", "py", "pl", "app", "reg"};
    const QFileInfo info(Path);
    if (kProgramSuffixes.contains(info.suffix(), Qt::CaseInsensitive))
        return true;
    return info.exists() && (info.isDir() || info.isExecutable());
}

} // namespace

TLinkOpener& LinkOpener()
{
    static TDesktopOpener desktop;
    return GOpener ? *GOpener : desktop;
}

void SetLinkOpener(TLinkOpener* Opener) { GOpener = Opener; }

bool IsOpenableLink(const QString& Link)
{
    const QUrl url(Link.trimmed(), QUrl::StrictMode);
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp"))
        return !url.host().isEmpty();
    if (scheme == QLatin1String("mailto"))
        return !url.path().isEmpty();
    if (scheme == QLatin1String("file"))
        return !url.toLocalFile().isEmpty() && !IsProgram(url.toLocalFile());
    return false;
}

bool OpenLink(const QString& Link)
{
    if (!IsOpenableLink(Link))
        return false;
    LinkOpener().Open(Link.trimmed());
    return true;
}
