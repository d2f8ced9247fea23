#pragma once
#include <QString>

// Joins a folder and a name with "/"; a "\" in either is Windows spelling and becomes "/".
QString JoinPath(const QString& dir, const QString& name);
QString PosixPath(const QString& path);

// Whether `path`, every symbolic link on the way and the file itself followed, lies inside `folder` (also
// resolved). A path not there yet is judged by the deepest part of it that is; a link leading nowhere is
// never inside.
bool Resolves_Inside(const QString& folder, const QString& path);
