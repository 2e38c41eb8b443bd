#pragma once
// The simulated flow computer: it answers request frames from its command catalogue, keeps
// its runs' modes, its calibration memory and its attached HART sensors, and measures
// simulated process values through its own calibration. Pure and synchronous: a request frame
// and the time go in, the answer frame comes out; the transports (sim_peer.h, pty_server.h)
// carry the bytes.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/byte_order.h"
#include "sim/calibration_memory.h"
#include "sim/device_profile.h"
#include "sim/hart_sensor.h"

namespace zel::sim {

enum class Quantity { Pressure, Temperature, Dp, Flow };

// One published measurement of a channel.
struct Measurement {
  bool valid = false;
  uint32_t code = 0;             // ADC code of the channel (0 for a HART sensor)
  uint32_t temperatureCode = 0;  // ADC code of the run's gas temperature
  bool temperatureValid = false;
  uint16_t tocCode = 0;          // the computer's own temperature, as its ADC sees it
  double value = 0.0;            // the channel's value in device units
  double temperature = 0.0;      // the run's gas temperature, °C
  double ambient = 0.0;          // the computer's own temperature, °C
};

class FlowComputer {
 public:
  explicit FlowComputer(DeviceProfile profile, uint64_t noiseKey = 1);

  const DeviceProfile& profile() const { return profile_; }
  const ByteOrder& order() const { return order_; }

  // Answers a request frame (start byte to checksum, already checked for length, checksum
  // and address) that arrived at `nowNs`. The result is the whole answer frame.
  std::vector<uint8_t> Handle(const std::vector<uint8_t>& frame, int64_t nowNs);
  // The refusal answer to `frame`: its command echoed unchanged with code C and arguments.
  std::vector<uint8_t> Refusal(const std::vector<uint8_t>& frame, uint8_t code, uint8_t a = 0,
                               uint8_t b = 0) const;

  // The true process values (run from 1) and the computer's own temperature.
  bool SetTrueValue(int run, Quantity quantity, double value);
  std::optional<double> TrueValue(int run, Quantity quantity) const;
  void SetAmbient(double celsius) { ambient_ = celsius; }
  double ambient() const { return ambient_; }

  // The run's mode at `nowNs` (0 normal, 3 service); 0xFF for a run the device lacks.
  uint8_t RunMode(int run, int64_t nowNs);
  // The measurement of `channel` on `run` published last before `nowNs`.
  std::optional<Measurement> Measure(int run, int channel, int64_t nowNs);
  // The number of measurements published up to `nowNs`.
  uint64_t PublicationIndex(int64_t nowNs) const;

  const MemoryImage& memory() const { return memory_; }
  // Direct access for tools and tests; the device re-reads its characteristics afterwards.
  MemoryImage& mutableMemory();
  const std::vector<HartSensor>& hartSensors() const { return sensors_; }
  // Kinds 9 and 19 have their HART sensors on the serial line itself: the answer of one of them
  // to a long-frame HART request (without preambles), if one is addressed.
  std::optional<std::vector<uint8_t>> AnswerHartOnLine(const uint8_t* request, size_t size);

 private:
  struct RunState {
    RunProfile truth;
    std::array<uint8_t, 19> record{};
    uint8_t mode = 0;
    std::optional<uint8_t> pendingMode;
    int64_t switchAtNs = 0;
  };
  // Which HART sensor measures what.
  struct SensorRole {
    int run;
    Quantity quantity;
    bool lowerRange;
  };

  using Data = std::vector<uint8_t>;
  std::vector<uint8_t> Answer(const std::vector<uint8_t>& frame, uint8_t echo, const Data& data) const;
  std::vector<uint8_t> Dispatch(const std::vector<uint8_t>& frame, int64_t nowNs);
  void SettleModes(int64_t nowNs);
  void RefreshCharacteristics();
  bool PasswordMatches(const uint8_t* field) const;
  bool StaticPasswordMatches(const uint8_t* field) const;
  bool AnyRunInService() const;
  double NoiseFor(uint64_t index, int run, int channel) const;
  double MeasureHart(int run, Quantity quantity, bool lowerRange, uint64_t index);

  Data Configuration() const;
  Data ConfigurationPart2() const;
  Data ConfigurationPart3() const;
  Data Tag() const;
  Data Counters(int64_t nowNs) const;
  Data RunValues(int run);
  Data RunRecord(int run) const;

  std::vector<uint8_t> ReadRunParameters(const std::vector<uint8_t>& f);
  std::vector<uint8_t> WriteRunParameters(const std::vector<uint8_t>& f);
  std::vector<uint8_t> ReadChannelMeasurement(const std::vector<uint8_t>& f, int64_t nowNs);
  std::vector<uint8_t> EnterServiceMode(const std::vector<uint8_t>& f, int64_t nowNs);
  std::vector<uint8_t> LeaveServiceMode(const std::vector<uint8_t>& f, int64_t nowNs);
  std::vector<uint8_t> ReadMemory(const std::vector<uint8_t>& f);
  std::vector<uint8_t> WriteMemory(const std::vector<uint8_t>& f);
  std::vector<uint8_t> ForwardHart(const std::vector<uint8_t>& f);
  std::vector<uint8_t> ReadRunValues(const std::vector<uint8_t>& f);
  // The refusal code for a write block that does not match its block code, or 0.
  uint8_t CheckBlock(uint8_t area, uint8_t blockCode, const uint8_t* bytes, int size) const;

  DeviceProfile profile_;
  ByteOrder order_;
  uint64_t noiseKey_;
  double ambient_;
  std::vector<RunState> runs_;
  MemoryImage memory_;
  bool characteristicsStale_ = true;
  SectionCharacteristic pressure_, temperature_, dp_;
  SectionCharacteristic nominalPressure_, nominalTemperature_, nominalDp_;
  std::optional<Segments> correction_;
  std::vector<HartSensor> sensors_;
  std::vector<SensorRole> sensorRoles_;
};

}  // namespace zel::sim
