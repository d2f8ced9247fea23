#pragma once
#include <QChar>

// The user's decimal separator: "," or "."; anything else counts as ",".
QChar SystemDecimalSeparator();
