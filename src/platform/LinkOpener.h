#pragma once
// Opening a link found in the program's data with the desktop's handler for it. Only links that cannot start a
// program are opened; tests put a recorder in place of the desktop.
#include <QString>

class TLinkOpener {
public:
    virtual ~TLinkOpener() = default;
    virtual void Open(const QString& Link) = 0;
};

// The opener in use; the desktop's unless one was set.
TLinkOpener& LinkOpener();
// Puts an opener in place, nullptr for the desktop's again; the caller keeps it alive while it is in place.
void SetLinkOpener(TLinkOpener* Opener);
// http, https, ftp and mailto links, and file links to documents that are not programs.
bool IsOpenableLink(const QString& Link);
// Hands an openable link to the opener; false, and nothing opened, for any other.
bool OpenLink(const QString& Link);
