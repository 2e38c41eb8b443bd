#include "sim/calibration_memory.h"

#include <algorithm>
#include <cmath>

#include "link/crc16.h"
#include "sim/device_profile.h"
#include "sim/sensor_model.h"

namespace zel::sim {

namespace {

using map::kSegmentRecordSize;

void WriteRecord(MemoryImage& m, int address, const ByteOrder& order, float start, float slope) {
  order.PutF32(&m[address], start);
  order.PutF32(&m[address + 4], slope);
  AppendCrc16(&m[address], 8);
}

// Segment i from row i to row i + 1, the slope in single precision as the device computes it.
float SegmentSlope(const TableRow& a, const TableRow& b) {
  return static_cast<float>(float(b.value) - float(a.value)) /
         static_cast<float>(uint32_t(b.code) - uint32_t(a.code));
}

void WriteBlock(MemoryImage& m, int base, int recordsOffset, const ByteOrder& order,
                const std::vector<TableRow>& rows) {
  const int n = static_cast<int>(rows.size()) - 1;
  m[base] = static_cast<uint8_t>(n);
  for (int i = 0; i < n; ++i) order.PutU24(&m[base + 1 + 3 * i], uint32_t(rows[i].code));
  AppendCrc16(&m[base], 1 + 3 * n);
  for (int i = 0; i < n; ++i)
    WriteRecord(m, base + recordsOffset + kSegmentRecordSize * i, order, float(rows[i].value),
                SegmentSlope(rows[i], rows[i + 1]));
}

bool CrcHolds(const MemoryImage& m, int address, int size) {
  return address >= 0 && address + size + 2 <= map::kMemorySize && CheckCrc16(&m[address], size);
}

// Reads the segment records of a characteristic whose codes are already known.
bool ReadRecords(const MemoryImage& m, int address, const ByteOrder& order, Segments& s) {
  for (size_t i = 0; i < s.codes.size(); ++i) {
    const int a = address + kSegmentRecordSize * static_cast<int>(i);
    if (!CrcHolds(m, a, 8)) return false;
    s.start.push_back(order.F32(&m[a]));
    s.slope.push_back(order.F32(&m[a + 4]));
    if (!std::isfinite(s.start.back()) || !std::isfinite(s.slope.back())) return false;
  }
  return true;
}

std::vector<TocPoint> FactoryPoints(SensorSpan span, double from, double to, int rows,
                                    std::initializer_list<double> ambients) {
  std::vector<TocPoint> points;
  for (double t : ambients) {
    TocPoint p{static_cast<uint16_t>(ClampCode(TocCode(t), kMaxTocCode)), t, {}};
    for (int i = 0; i < rows; ++i) {
      const double v = from + (to - from) * i / (rows - 1);
      p.rows.push_back({double(ClampCode(SensorCode(v, span, t), kMaxCode)), v});
    }
    points.push_back(std::move(p));
  }
  return points;
}

}  // namespace

void WriteSection(MemoryImage& m, const map::SectionLayout& layout, const ByteOrder& order,
                  const std::vector<TocPoint>& points, bool withTocList) {
  const int count = static_cast<int>(points.size());
  if (withTocList) {
    m[layout.tocCount] = static_cast<uint8_t>(count);
    for (int j = 0; j < count; ++j) order.PutU16(&m[layout.tocCodes + 2 * j], points[j].code);
    AppendCrc16(&m[layout.tocCount], 1 + 2 * count);
  }
  for (int j = 0; j < count; ++j)
    WriteBlock(m, layout.blockBase + layout.blockStride * j, layout.blockRecords, order,
               points[j].rows);
  if (layout.tocCharCount < 0) return;
  // The Тос characteristic: a segment from each point to the next; its 3-byte codes are a zero
  // byte and the 16-bit Тос code.
  const int n = std::max(count - 1, 0);
  m[layout.tocCharCount] = static_cast<uint8_t>(n);
  for (int j = 0; j < n; ++j) {
    m[layout.tocCharCodes + 3 * j] = 0;
    order.PutU16(&m[layout.tocCharCodes + 3 * j + 1], points[j].code);
  }
  AppendCrc16(&m[layout.tocCharCount], 1 + 3 * n);
  for (int j = 0; j < n; ++j)
    WriteRecord(m, layout.tocCharRecords + kSegmentRecordSize * j, order, float(points[j].value),
                SegmentSlope({double(points[j].code), points[j].value},
                             {double(points[j + 1].code), points[j + 1].value}));
}

void WriteCorrection(MemoryImage& m, const ByteOrder& order, const std::vector<TableRow>& rows) {
  const int n = static_cast<int>(rows.size()) - 1;
  m[map::kCorrectionCount] = static_cast<uint8_t>(n);
  for (int i = 0; i < n; ++i) order.PutF32(&m[map::kCorrectionFlows + 4 * i], float(rows[i].code));
  AppendCrc16(&m[map::kCorrectionCount], 1 + 4 * n);
  for (int i = 0; i < n; ++i) {
    const float slope = static_cast<float>((rows[i + 1].value - rows[i].value) /
                                           (rows[i + 1].code - rows[i].code));
    WriteRecord(m, map::kCorrectionRecords + kSegmentRecordSize * i, order, float(rows[i].value),
                slope);
  }
}

double Segments::Eval(double x) const {
  if (codes.empty()) return 0.0;
  size_t i = 0;
  while (i + 1 < codes.size() && codes[i + 1] <= x) ++i;
  return start[i] + (x - codes[i]) * slope[i];
}

double SectionCharacteristic::Reading(double code, double tocCode) const {
  if (points.empty()) return 0.0;
  if (tocCode <= points.front().tocCode) return points.front().table.Eval(code);
  if (tocCode >= points.back().tocCode) return points.back().table.Eval(code);
  size_t j = 0;
  while (points[j + 1].tocCode < tocCode) ++j;
  const Point& a = points[j];
  const Point& b = points[j + 1];
  const double f = (tocCode - a.tocCode) / double(b.tocCode - a.tocCode);
  return a.table.Eval(code) * (1.0 - f) + b.table.Eval(code) * f;
}

SectionCharacteristic ReadSection(const MemoryImage& m, const map::SectionLayout& layout,
                                  const ByteOrder& order, bool singlePoint) {
  SectionCharacteristic s;
  auto fail = [&s](std::string why) {
    s.problem = std::move(why);
    s.points.clear();
    s.toc.reset();
    return s;
  };
  int count = 1;
  std::vector<uint16_t> tocCodes{0};
  if (!singlePoint) {
    count = m[layout.tocCount];
    if (count < 1 || count > layout.maxTocPoints) return fail("Тос point count out of range");
    if (!CrcHolds(m, layout.tocCount, 1 + 2 * count)) return fail("Тос code list checksum");
    tocCodes.clear();
    for (int j = 0; j < count; ++j) tocCodes.push_back(order.U16(&m[layout.tocCodes + 2 * j]));
  }
  for (int j = 0; j < count; ++j) {
    const int base = layout.blockBase + layout.blockStride * j;
    const int n = m[base];
    if (n < 1 || n > layout.maxSegments) return fail("segment count out of range");
    if (!CrcHolds(m, base, 1 + 3 * n)) return fail("code list checksum");
    Segments table;
    for (int i = 0; i < n; ++i) table.codes.push_back(order.U24(&m[base + 1 + 3 * i]));
    if (!std::is_sorted(table.codes.begin(), table.codes.end()))
      return fail("codes not increasing");
    if (!ReadRecords(m, base + layout.blockRecords, order, table))
      return fail("segment record checksum");
    s.points.push_back({tocCodes[j], std::move(table)});
  }
  std::sort(s.points.begin(), s.points.end(),
            [](const auto& a, const auto& b) { return a.tocCode < b.tocCode; });
  for (size_t j = 1; j < s.points.size(); ++j)
    if (s.points[j].tocCode == s.points[j - 1].tocCode) return fail("two Тос points alike");
  if (layout.tocCharCount >= 0) {
    const int n = m[layout.tocCharCount];
    if (n > layout.maxTocCharSegments) return fail("Тос characteristic too long");
    if (!CrcHolds(m, layout.tocCharCount, 1 + 3 * n))
      return fail("Тос characteristic code list checksum");
    if (n > 0) {
      Segments toc;
      for (int i = 0; i < n; ++i) toc.codes.push_back(order.U16(&m[layout.tocCharCodes + 3 * i + 1]));
      if (!ReadRecords(m, layout.tocCharRecords, order, toc))
        return fail("Тос characteristic record checksum");
      s.toc = std::move(toc);
    }
  }
  s.valid = true;
  return s;
}

std::optional<Segments> ReadCorrection(const MemoryImage& m, const ByteOrder& order) {
  const int n = m[map::kCorrectionCount];
  if (n < 1 || n > map::kMaxCorrectionSegments) return std::nullopt;
  if (!CrcHolds(m, map::kCorrectionCount, 1 + 4 * n)) return std::nullopt;
  Segments s;
  for (int i = 0; i < n; ++i) s.codes.push_back(order.F32(&m[map::kCorrectionFlows + 4 * i]));
  if (!ReadRecords(m, map::kCorrectionRecords, order, s)) return std::nullopt;
  return s;
}

SectionCharacteristic NominalCharacteristic(double spanLower, double spanUpper, double from,
                                            double to) {
  SectionCharacteristic s;
  const TocPoint point = FactoryPoints({spanLower, spanUpper}, from, to, 17, {20.0}).front();
  Segments table;
  for (size_t i = 0; i + 1 < point.rows.size(); ++i) {
    const TableRow& a = point.rows[i];
    const TableRow& b = point.rows[i + 1];
    table.codes.push_back(a.code);
    table.start.push_back(float(a.value));
    table.slope.push_back(SegmentSlope(a, b));
  }
  s.points.push_back({point.code, std::move(table)});
  s.valid = true;
  return s;
}

bool BlockValid(const MemoryImage& m, int address, int size) { return CrcHolds(m, address, size - 2); }

void SealBlock(MemoryImage& m, int address, int size) { AppendCrc16(&m[address], size - 2); }

MemoryImage FactoryMemory(const DeviceProfile& p) {
  MemoryImage m;
  m.fill(0xFF);
  const ByteOrder order(p.littleEndian);
  const RunProfile& run = p.runs.front();
  const int kind = p.Kind();
  if (p.HasPressureSection())
    WriteSection(m, map::kPressure, order,
                 FactoryPoints({0.0, run.pressureUpper}, 0.0, run.pressureUpper, 17,
                               {-10.0, 20.0, 45.0}));
  if (kind == 9)
    WriteSection(m, map::kTemperature, order,
                 FactoryPoints(kTemperatureSpan, -40.0, 80.0, 9, {20.0}), false);
  else
    WriteSection(m, map::kTemperature, order,
                 FactoryPoints(kTemperatureSpan, -40.0, 80.0, 9, {0.0, 35.0}));
  if (p.HasDpSection()) {
    WriteSection(m, map::kDp, order,
                 FactoryPoints({0.0, run.dpUpper}, 0.0, run.dpUpper, 17, {-10.0, 20.0, 45.0}));
  } else if (p.HasCorrectionSection()) {
    const double factors[] = {1.004, 1.002, 1.0, 0.999, 0.9985, 0.998};
    std::vector<TableRow> rows;
    for (int i = 0; i < 6; ++i) rows.push_back({run.flowUpper * i / 5.0, factors[i]});
    WriteCorrection(m, order, rows);
  }
  // ADC set-up: gain 32, the option bit, set-up number 1000 (first layout); the second layout
  // (kinds 16, 18, 20) keeps gain bytes and mode bytes instead.
  const bool secondLayout = kind == 16 || kind == 18 || kind == 20;
  const uint8_t firstLayout[9] = {0x14, 0x13, 0xE8, 0x14, 0x13, 0xE8, 0x14, 0x13, 0xE8};
  const uint8_t second[9] = {0x05, 0x05, 0x05, 0x22, 0x22, 0x22, 0x05, 0x05, 0x05};
  const uint8_t* setup = secondLayout ? second : firstLayout;
  if (kind != 20) {
    std::copy(setup, setup + 9, &m[map::kPressureConfig]);
    SealBlock(m, map::kPressureConfig, map::kConfigBlockSize);
  }
  if (kind != 9) {
    std::fill_n(&m[map::kUnits], map::kUnitsSize, 0);
    m[map::kUnits + map::kUnitsPressure] = p.pressureUnit;
    m[map::kUnits + map::kUnitsDp] = p.dpUnit;
    SealBlock(m, map::kUnits, map::kUnitsSize);
  }
  order.PutU32(&m[map::kFactoryNumber], p.factoryNumber);
  if (p.HasDpConfig()) {
    std::copy(setup, setup + 9, &m[map::kDpConfig]);
    SealBlock(m, map::kDpConfig, map::kConfigBlockSize);
  }
  std::fill_n(&m[map::kNshp], map::kNshpSize, 0);
  order.PutF32(&m[map::kNshp + map::kNshpPressureOffset], 0.0f);
  order.PutF32(&m[map::kNshp + map::kNshpPressureSlope], 1.0f);
  order.PutF32(&m[map::kNshp + map::kNshpDpOffset], 0.0f);
  order.PutF32(&m[map::kNshp + map::kNshpDpSlope], 1.0f);
  SealBlock(m, map::kNshp, map::kNshpSize);
  std::fill_n(&m[map::kMeasureParams], map::kMeasureParamsSize, 0);
  order.PutU16(&m[map::kMeasureParams + map::kMeasureParamsPause], 100);
  m[map::kMeasureParams + map::kMeasureParamsConversions] = 5;
  SealBlock(m, map::kMeasureParams, map::kMeasureParamsSize);
  return m;
}

}  // namespace zel::sim
