#pragma once
// Addresses of the flow computer's calibration memory and of the configuration blocks that
// share its address space. One flat space of 8 KiB; the calibration characteristics are stored
// as count bytes, code lists and 10-byte segment records, each list and record with its CRC.

#include <cstdint>

namespace zel::sim::map {

constexpr int kMemorySize = 0x2000;

// A characteristic section: where its Тос code list and its per-Тос-point blocks lie.
struct SectionLayout {
  int tocCharCount;    // Тос characteristic: segment count (-1: the section has none)
  int tocCharCodes;    // its 3-byte code list + CRC
  int tocCharRecords;  // its segment records
  int maxTocCharSegments;
  int tocCount;        // number of Тос points
  int tocCodes;        // 2-byte Тос codes + CRC
  int maxTocPoints;
  int blockBase;       // block j starts at blockBase + j * blockStride with its segment count
  int blockStride;
  int blockRecords;    // offset of the segment records inside a block
  int maxSegments;
};

constexpr SectionLayout kPressure{0, 1, 30, 9, 120, 121, 10, 143, 419, 99, 32};
constexpr SectionLayout kTemperature{-1, -1, -1, 0, 4333, 4334, 5, 4346, 107, 27, 8};
constexpr SectionLayout kDp{4904, 4905, 4925, 6, 4985, 4986, 7, 5002, 419, 99, 32};

// Counter correction factors share the differential-pressure area: segment count, start flows
// (f32) + CRC, segment records (start factor, slope per m³/h).
constexpr int kCorrectionCount = 4904;
constexpr int kCorrectionFlows = 4905;
constexpr int kCorrectionRecords = 5035;
constexpr int kMaxCorrectionSegments = 32;

constexpr int kSegmentRecordSize = 10;  // start value f32, slope f32, CRC

// Configuration blocks (11 bytes: 9 bytes of ADC set-up and their CRC).
constexpr int kPressureConfig = 4881;  // ADC block A
constexpr int kDpConfig = 7935;        // ADC block B
constexpr int kConfigBlockSize = 11;
// Units: byte 0 pressure unit, byte 2 dP unit, CRC over 6 bytes.
constexpr int kUnits = 4892;
constexpr int kUnitsSize = 8;
constexpr int kUnitsPressure = 0;
constexpr int kUnitsDp = 2;
constexpr int kFactoryNumber = 4900;
// NSHP slope and offset block: P offset, P slope, dP offset, dP slope, 8 kept bytes, CRC over 24.
constexpr int kNshp = 7946;  // 0x1F0A
constexpr int kNshpAlias = 7958;  // 0x1F16: the same block under its newer address
constexpr int kNshpSize = 26;
constexpr int kNshpPressureOffset = 0;
constexpr int kNshpPressureSlope = 4;
constexpr int kNshpDpOffset = 8;
constexpr int kNshpDpSlope = 12;
// Measurement parameters (ADC channel settings on kinds 18 and 20): pause in ms, two kept
// words, four kept bytes, number of conversions, kept bytes, CRC over 16.
constexpr int kMeasureParams = 7972;  // 0x1F24
constexpr int kMeasureParamsSize = 18;
constexpr int kMeasureParamsPause = 0;
constexpr int kMeasureParamsConversions = 10;

// Write areas other than the calibration sections.
constexpr uint8_t kAreaPlain = 0x80;  // factory number, counter correction factor: no CRC

// Block codes of WriteMemory.
enum BlockCode : uint8_t {
  kTocCodeList = 0,  // with kAreaPlain: four plain bytes instead
  kBlockCodeList = 1,
  kBlockRecords = 2,
  kConfigBlock = 3,
  kUnitBlock = 4,
  kTocCharCodeList = 5,
  kTocCharRecords = 6,
  kNshpBlock = 7,
  kFlowList = 8,
  kMeasureParamsBlock = 9,
};

}  // namespace zel::sim::map
