#pragma once
// Reading times. The file stores the PC's local clock without a zone, as days since
// 30.12.1899 00:00. The viewer keeps them as milliseconds since 01.01.1970 00:00 of that same
// clock ("wall-clock milliseconds"), so no time-zone or daylight-saving rule ever shifts them.

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace zel {

constexpr double kOleDaysBefore1970 = 25569.0;  // 30.12.1899 to 01.01.1970
constexpr int64_t kMsPerDay = 86'400'000;

// Readings outside [01.01.1980, 01.01.2100) cannot come from a working PC clock.
constexpr int64_t kEarliestPlausibleMs = 315'532'800'000;   // 01.01.1980 00:00
constexpr int64_t kLatestPlausibleMs = 4'102'444'800'000;   // 01.01.2100 00:00 (excluded)

// False for NaN, infinities and dates outside the plausible range.
bool IsPlausibleOleDate(double days);
// Wall-clock milliseconds of a plausible file date, rounded to the millisecond.
int64_t OleDateToMs(double days);
// The file's representation of wall-clock milliseconds (for writing test and bench files).
double MsToOleDate(int64_t ms);

// "dd.MM.yyyy hh:mm:ss.zzz".
QString FormatReadingTime(int64_t ms);
// The same moment as a QDateTime in UTC, which shows the wall-clock digits unchanged.
QDateTime WallClockToDateTime(int64_t ms);
// The wall-clock milliseconds of a QDateTime's shown date and time, whatever its zone.
int64_t DateTimeToWallClock(const QDateTime& dateTime);

}  // namespace zel
