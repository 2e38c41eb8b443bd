#pragma once
// The calibration memory as the device keeps and uses it: writing characteristic tables into
// it (count bytes, code lists, segment records, each with its CRC), reading them back into the
// piecewise-linear conversion the device measures with, and the factory contents of a new
// device.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/byte_order.h"
#include "sim/memory_map.h"

namespace zel::sim {

struct DeviceProfile;
using MemoryImage = std::array<uint8_t, map::kMemorySize>;

struct TableRow {
  double code;
  double value;
};

// One Тос point of a section: the ambient code and temperature and the channel's table there.
struct TocPoint {
  uint16_t code;
  double value;
  std::vector<TableRow> rows;  // at least two rows, codes and values increasing
};

// Writes a section: Тос code list (unless `withTocList` is false), a block per point and,
// where the layout has one, the Тос characteristic through the points.
void WriteSection(MemoryImage& memory, const map::SectionLayout& layout, const ByteOrder& order,
                  const std::vector<TocPoint>& points, bool withTocList = true);
// Writes the correction-factor table (flow, factor rows).
void WriteCorrection(MemoryImage& memory, const ByteOrder& order, const std::vector<TableRow>& rows);

// A piecewise-linear characteristic as the device evaluates it: segment i starts at codes[i]
// and runs on to the next start; below the first start the first segment is extended.
struct Segments {
  std::vector<double> codes;
  std::vector<double> start;
  std::vector<double> slope;
  double Eval(double x) const;
};

// A section as the device reads it from its memory.
struct SectionCharacteristic {
  bool valid = false;
  std::string problem;  // why the section is not valid
  struct Point {
    uint16_t tocCode;
    Segments table;
  };
  std::vector<Point> points;  // ordered by Тос code
  std::optional<Segments> toc;  // the Тос characteristic: Тос code to °C
  // The reading at channel code `code` with the ambient Тос code `tocCode`: the tables of the
  // two neighbouring Тос points, interpolated by Тос code (the nearest table outside them).
  double Reading(double code, double tocCode) const;
};

// Reads a section; `singlePoint`: exactly one Тос point without a code list (kind 9's gas
// temperature).
SectionCharacteristic ReadSection(const MemoryImage& memory, const map::SectionLayout& layout,
                                  const ByteOrder& order, bool singlePoint = false);
// Reads the correction-factor table as flow → factor.
std::optional<Segments> ReadCorrection(const MemoryImage& memory, const ByteOrder& order);

// The conversion a sensor of `span` has at 20 °C, rows from `from` to `to`: what the device
// uses for a channel whose characteristic its memory does not hold.
SectionCharacteristic NominalCharacteristic(double spanLower, double spanUpper, double from,
                                            double to);

// The factory contents: characteristics of the profile's sensors, configuration, units,
// factory number, NSHP block and measurement parameters, everything else 0xFF.
MemoryImage FactoryMemory(const DeviceProfile& profile);

// True when the block at `address` of `size` bytes ends with the CRC of the bytes before it.
bool BlockValid(const MemoryImage& memory, int address, int size);
// Puts the CRC of the first size - 2 bytes into the last two.
void SealBlock(MemoryImage& memory, int address, int size);

}  // namespace zel::sim
