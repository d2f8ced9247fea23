#pragma once
// The regional date and time formats as Qt format texts.
#include <QString>

// The locale's short date format, the year always with four digits.
QString ShortDateFormat();
// The locale's long time format without a time zone.
QString LongTimeFormat();
