// Opening and plotting a verification data file of one million records: reading and parsing,
// choosing the span and its statistics, thinning the series for the plot and handing it to the
// chart, drawing the chart, and the whole of opening the file in the viewer's window. Prints
// the median of several runs, records per second, and each step's time as a ratio of the
// parsing time. The first run of each step is printed too: it pays for fresh memory pages, as
// opening a file in a freshly started viewer does.
//
// Run: build/bin/bench_tallyview [records] [runs]     (defaults 1000000 and 5; offscreen)

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>
#include <QLineSeries>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <functional>
#include <random>

#include "tallyview/TFormMain.h"
#include "tallyview/data_file.h"
#include "tallyview/plot_decimation.h"
#include "tallyview/reading_selection.h"
#include "tallyview/reading_statistics.h"
#include "tallyview/reading_time.h"
#include "tallyview/verification_record.h"

namespace {

using namespace zel;

constexpr int kPlotColumns = 1600;  // a plot on a full-HD screen

// Pressure readings every 450 ms from 01.03.2024 08:00 with noise, a drift and a few spikes.
bool WriteBenchFile(const QString& path, int records) {
  using namespace record_layout;
  QByteArray bytes(qsizetype(kSignatureSize + size_t(records) * kRecordSize), '\0');
  std::memcpy(bytes.data(), kSignature.data(), kSignatureSize);
  std::mt19937 random(20240301);
  std::normal_distribution<float> noise(0.0f, 0.002f);
  const int64_t start = QDateTime(QDate(2024, 3, 1), QTime(8, 0), QTimeZone::utc()).toMSecsSinceEpoch();
  for (int k = 0; k < records; ++k) {
    char* r = bytes.data() + kSignatureSize + size_t(k) * kRecordSize;
    const float value = 5.0f + 0.01f * std::sin(float(k) / 20000.0f) + noise(random) + (k % 250000 == 7 ? 0.2f : 0.0f);
    qToLittleEndian(MsToOleDate(start + int64_t(k) * 450), r + kTimeOffset);
    r[kChannelKindOffset] = 0;
    r[kUnitOffset] = 1;
    qToLittleEndian<uint16_t>(uint16_t(30000 + k % 7), r + kSensorCodeOffset);
    qToLittleEndian<uint32_t>(uint32_t(30000 + k % 7) << 8, r + kDeviceNumberOffset);
    qToLittleEndian<uint32_t>(uint32_t(800000 + k % 1000), r + kRawCodeOffset);
    qToLittleEndian(value, r + kValueOffset);
  }
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The median of the runs; the first run (cold: fresh pages, as when a user opens a file) and
// the slowest are kept for the spread line.
struct Timing {
  double median = 0, first = 0, slowest = 0;
};

std::vector<std::pair<const char*, Timing>> spreads;

double MedianMs(const char* name, int runs, const std::function<void()>& step) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    step();
    times.push_back(double(timer.nsecsElapsed()) / 1e6);
  }
  const double first = times.front();
  std::sort(times.begin(), times.end());
  spreads.push_back({name, {times[times.size() / 2], first, times.back()}});
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int records = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1'000'000;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.ctr"));
  if (!WriteBenchFile(path, records)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return 1;
  }

  DataFile file;
  const double parse = MedianMs("parse", runs, [&] { file = ReadDataFile(path); });
  if (file.readings.size() != size_t(records) || !file.notes.empty()) {
    std::fprintf(stderr, "the bench file did not read back whole\n");
    return 1;
  }

  std::vector<uint32_t> rows;
  RunningStatistics stats;
  const double select = MedianMs("select", runs, [&] {
    rows = SelectReadings(file.readings, {});
    stats = Summarise(file.readings, rows);
  });

  const TimeBounds bounds = TimeBoundsOf(file.readings, rows);
  std::vector<PlotPoint> points;
  const double thin = MedianMs("thin", runs, [&] {
    points = DecimateMinMax(file.readings, rows, bounds.first, bounds.last, kPlotColumns);
  });

  QChart* chart = new QChart;
  auto* series = new QLineSeries;
  chart->addSeries(series);
  chart->legend()->hide();
  auto* x = new QDateTimeAxis;
  auto* y = new QValueAxis;
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
  QChartView view(chart);
  view.resize(kPlotColumns + 100, 600);
  const double hand = MedianMs("replace", runs, [&] {
    QList<QPointF> line;
    line.reserve(qsizetype(points.size()));
    for (const PlotPoint& p : points) line.append(QPointF(qreal(p.timeMs), p.value));
    series->replace(line);
    x->setRange(QDateTime::fromMSecsSinceEpoch(bounds.first), QDateTime::fromMSecsSinceEpoch(bounds.last));
    y->setRange(stats.minimum(), stats.maximum());
  });
  const double draw = MedianMs("draw", runs, [&] { (void)view.grab(); });

  const double window = MedianMs("window", runs, [&] {
    TFormMain w;
    w.resize(1700, 1000);
    w.OpenFiles({path});
    (void)w.grab();
  });

  const double plot = select + thin + hand + draw;
  std::printf("Tallyview: %d records (%.1f MB), median of %d runs, plot %d columns -> %zu points\n", records,
              double(QFileInfo(path).size()) / 1e6, runs, kPlotColumns, points.size());
  std::printf("  %-42s %9.1f ms  %6.1f M records/s\n", "read and parse", parse, records / parse / 1e3);
  std::printf("  %-42s %9.1f ms  %6.2f x parse\n", "select span + statistics", select, select / parse);
  std::printf("  %-42s %9.1f ms  %6.2f x parse\n", "thin to min/max per pixel column", thin, thin / parse);
  std::printf("  %-42s %9.1f ms  %6.2f x parse\n", "hand points to the chart (replace)", hand, hand / parse);
  std::printf("  %-42s %9.1f ms  %6.2f x parse\n", "draw the chart", draw, draw / parse);
  std::printf("  %-42s %9.1f ms  %6.2f x parse\n", "plotting in all (the four above)", plot, plot / parse);
  std::printf("  %-42s %9.1f ms  %6.1f M records/s\n", "open in the window and draw it", window,
              records / window / 1e3);
  std::printf("  first run / slowest run (ms):");
  for (const auto& [name, t] : spreads) std::printf(" %s %.1f/%.1f", name, t.first, t.slowest);
  std::printf("\n");
  const double coldParse = spreads.front().second.first;
  std::printf("  first (cold) parse %.1f ms = %.1f M records/s; plotting / cold parse = %.2f\n", coldParse,
              records / coldParse / 1e3, plot / coldParse);
  std::printf("  mean %.6f  sd %.6f  min %.6f  max %.6f\n", stats.mean(), stats.standardDeviation(),
              stats.minimum(), stats.maximum());
  return 0;
}
