#include "tallyview/reading_time.h"

#include <QTimeZone>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace zel {

bool IsPlausibleOleDate(double days) {
  if (!std::isfinite(days)) return false;
  const double ms = (days - kOleDaysBefore1970) * double(kMsPerDay);
  return ms >= double(kEarliestPlausibleMs) && ms < double(kLatestPlausibleMs);
}

int64_t OleDateToMs(double days) {
  return std::llround((days - kOleDaysBefore1970) * double(kMsPerDay));
}

double MsToOleDate(int64_t ms) { return kOleDaysBefore1970 + double(ms) / double(kMsPerDay); }

QString FormatReadingTime(int64_t ms) {
  using namespace std::chrono;
  // Plain calendar arithmetic: a million table cells or CSV lines cost no zone lookups.
  const sys_days day = floor<days>(sys_time<milliseconds>(milliseconds(ms)));
  const year_month_day ymd(day);
  const int64_t inDay = ms - duration_cast<milliseconds>(day.time_since_epoch()).count();
  char text[32];
  std::snprintf(text, sizeof text, "%02u.%02u.%04d %02d:%02d:%02d.%03d", unsigned(ymd.day()),
                unsigned(ymd.month()), int(ymd.year()), int(inDay / 3'600'000),
                int(inDay / 60'000 % 60), int(inDay / 1000 % 60), int(inDay % 1000));
  return QString::fromLatin1(text);
}

QDateTime WallClockToDateTime(int64_t ms) {
  return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc());
}

int64_t DateTimeToWallClock(const QDateTime& dateTime) {
  return QDateTime(dateTime.date(), dateTime.time(), QTimeZone::utc()).toMSecsSinceEpoch();
}

}  // namespace zel
