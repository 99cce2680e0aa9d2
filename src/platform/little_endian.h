#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

// Little-endian integers and floats in byte buffers, whatever the host order.
namespace qr {

inline std::uint16_t GetUint16(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}
inline std::uint32_t GetUint32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}
inline std::int32_t GetInt32(const std::uint8_t* bytes) {
  return static_cast<std::int32_t>(GetUint32(bytes));
}
inline std::uint64_t GetUint64(const std::uint8_t* bytes) {
  return GetUint32(bytes) | static_cast<std::uint64_t>(GetUint32(bytes + 4)) << 32;
}
inline double GetDouble(const std::uint8_t* bytes) {
  const std::uint64_t bits = GetUint64(bytes);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
inline float GetFloat(const std::uint8_t* bytes) {
  const std::uint32_t bits = GetUint32(bytes);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline void PutUint16(std::uint8_t* bytes, std::uint16_t value) {
  bytes[0] = static_cast<std::uint8_t>(value);
  bytes[1] = static_cast<std::uint8_t>(value >> 8);
}
inline void PutUint32(std::uint8_t* bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}
inline void PutInt32(std::uint8_t* bytes, std::int32_t value) {
  PutUint32(bytes, static_cast<std::uint32_t>(value));
}
inline void PutDouble(std::uint8_t* bytes, double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  PutUint32(bytes, static_cast<std::uint32_t>(bits));
  PutUint32(bytes + 4, static_cast<std::uint32_t>(bits >> 32));
}

// Appends to a growing byte vector.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  void Uint8(std::uint8_t value) { bytes_.push_back(value); }
  void Uint16(std::uint16_t value) {
    Uint8(static_cast<std::uint8_t>(value));
    Uint8(static_cast<std::uint8_t>(value >> 8));
  }
  void Uint32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) Uint8(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  void Int32(std::int32_t value) { Uint32(static_cast<std::uint32_t>(value)); }
  void Float(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    Uint32(bits);
  }
  void Zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }

 private:
  std::vector<std::uint8_t>& bytes_;
};

}  // namespace qr
