#pragma once
#include <QString>

// Joins a folder and a name with "/"; a "\" in either is Windows spelling and becomes "/".
QString JoinPath(const QString& dir, const QString& name);
QString PosixPath(const QString& path);
