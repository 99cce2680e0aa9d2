#include "pages/qr_compress.h"

namespace qr {
namespace {

// Output is handed to the stream in pieces of this size rather than byte by byte.
constexpr std::size_t kOutputChunk = 4096;

}  // namespace

TQRCompress::TQRCompress(ByteStream& stream, bool compress)
    : stream_(stream), compress_(compress), bitPosition_(compress ? 0 : 7) {
  // The complete binary tree over 513 nodes: internal nodes 0..255, root 0,
  // the leaf of byte v is node v + 256.
  for (int i = 1; i < kNodes; ++i) up_[i] = static_cast<std::uint8_t>((i - 1) / 2);
  up_[0] = 0;
  for (int i = 0; i < kInternalNodes; ++i) {
    left_[i] = static_cast<std::uint16_t>(2 * i + 1);
    right_[i] = static_cast<std::uint16_t>(2 * i + 2);
  }
  if (compress_) pending_.reserve(kOutputChunk);
}

TQRCompress::~TQRCompress() {
  if (!compress_ || finished_) return;
  try {
    Finish();
  } catch (const StreamError&) {
    // Nothing can be reported from a destructor; Finish reports it to callers.
  }
}

void TQRCompress::Emit(std::uint8_t byte) {
  pending_.push_back(byte);
  if (pending_.size() < kOutputChunk) return;
  stream_.WriteBuffer(pending_.data(), static_cast<std::int32_t>(pending_.size()));
  pending_.clear();
}

void TQRCompress::PutByte(std::uint8_t value) {
  // The path is collected from the leaf up and sent from the root down.
  std::array<bool, kInternalNodes + 1> bits;
  int depth = 0;
  for (int node = value + kInternalNodes; node != 0;) {
    const int parent = up_[node];
    bits[depth++] = right_[parent] == node;
    node = parent;
  }
  while (depth > 0) {
    if (bits[--depth]) outputByte_ |= 1 << bitPosition_;
    if (bitPosition_ == 7) {
      Emit(static_cast<std::uint8_t>(outputByte_));
      bitPosition_ = 0;
      outputByte_ = 0;
    } else {
      ++bitPosition_;
    }
  }
  Splay(value);
}

std::uint8_t TQRCompress::GetByte() {
  int node = 0;
  do {
    if (bitPosition_ == 7) {
      std::uint8_t byte;
      stream_.ReadBuffer(&byte, 1);
      inputByte_ = byte;
      bitPosition_ = 0;
    } else {
      ++bitPosition_;
    }
    node = (inputByte_ >> bitPosition_) & 1 ? right_[node] : left_[node];
  } while (node < kInternalNodes);
  // Leaf 512 has no byte; a path that reaches it in damaged data gives 0.
  const std::uint8_t value = static_cast<std::uint8_t>(node - kInternalNodes);
  Splay(value);
  return value;
}

void TQRCompress::Finish() {
  if (!compress_ || finished_) return;
  finished_ = true;
  if (bitPosition_ != 0) pending_.push_back(static_cast<std::uint8_t>(outputByte_));
  stream_.WriteBuffer(pending_.data(), static_cast<std::int32_t>(pending_.size()));
  pending_.clear();
}

// Semi-splaying: each step swaps the node with its parent's sibling and moves
// two levels up.
void TQRCompress::Splay(std::uint8_t value) {
  int a = value + kInternalNodes;
  do {
    const int p = up_[a];
    if (p != 0) {
      const int g = up_[p];
      int s = left_[g];
      if (s == p) {
        s = right_[g];
        right_[g] = static_cast<std::uint16_t>(a);
      } else {
        left_[g] = static_cast<std::uint16_t>(a);
      }
      if (a == left_[p])
        left_[p] = static_cast<std::uint16_t>(s);
      else
        right_[p] = static_cast<std::uint16_t>(s);
      up_[a] = static_cast<std::uint8_t>(g);
      up_[s] = static_cast<std::uint8_t>(p);
      a = g;
    } else {
      a = 0;
    }
  } while (a != 0);
}

void CompressBlock(std::span<const std::uint8_t> data, ByteStream& target) {
  target.WriteInt32(static_cast<std::int32_t>(data.size()));
  TQRCompress coder(target, true);
  for (std::uint8_t byte : data) coder.PutByte(byte);
  coder.Finish();
}

std::vector<std::uint8_t> ExpandBlock(ByteStream& source, std::int32_t maximumCount) {
  const std::int32_t count = source.ReadInt32();
  if (count < 0 || count > maximumCount)
    throw StreamError("Coded block of " + std::to_string(count) + " bytes is damaged");
  std::vector<std::uint8_t> data(static_cast<std::size_t>(count));
  TQRCompress expander(source, false);
  for (std::uint8_t& byte : data) byte = expander.GetByte();
  return data;
}

}  // namespace qr
