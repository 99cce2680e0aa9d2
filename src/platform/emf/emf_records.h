#pragma once

#include <cstdint>

// Record types and constants of the enhanced metafile subset the pages use.
namespace qr::emf {

enum RecordType : std::uint32_t {
  kHeader = 1,
  kEof = 14,
  kSetBkMode = 18,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kMoveToEx = 27,
  kIntersectClipRect = 30,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kLineTo = 54,
  kExtSelectClipRgn = 75,
  kExtCreateFontIndirectW = 82,
  kExtTextOutW = 84,
  kExtCreatePen = 95,
};

inline constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
inline constexpr std::uint32_t kVersion = 0x10000;
inline constexpr int kHeaderSize = 108;        // with both header extensions
inline constexpr int kMinimumHeaderSize = 88;  // the original header
inline constexpr int kEofSize = 20;
inline constexpr int kFontRecordSize = 332;  // LOGFONTW plus the panose block
inline constexpr int kLogFontSize = 92;
inline constexpr int kTextRecordFixedSize = 76;

// Stock objects: an object index with the top bit set.
inline constexpr std::uint32_t kStockFlag = 0x80000000;
enum StockObject : std::uint32_t {
  kWhiteBrush = kStockFlag | 0,
  kLightGrayBrush = kStockFlag | 1,
  kGrayBrush = kStockFlag | 2,
  kDarkGrayBrush = kStockFlag | 3,
  kBlackBrush = kStockFlag | 4,
  kNullBrush = kStockFlag | 5,
  kWhitePen = kStockFlag | 6,
  kBlackPen = kStockFlag | 7,
  kNullPen = kStockFlag | 8,
  kSystemFont = kStockFlag | 13,
};

inline constexpr std::uint32_t kTransparent = 1;
inline constexpr std::uint32_t kOpaque = 2;

// Text alignment flags.
inline constexpr std::uint32_t kAlignRight = 0x02;
inline constexpr std::uint32_t kAlignCentre = 0x06;
inline constexpr std::uint32_t kAlignHorizontalMask = 0x06;
inline constexpr std::uint32_t kAlignBottom = 0x08;
inline constexpr std::uint32_t kAlignBaseline = 0x18;
inline constexpr std::uint32_t kAlignVerticalMask = 0x18;

inline constexpr std::uint32_t kPenStyleMask = 0x0F;
inline constexpr std::uint32_t kPenNull = 5;
inline constexpr std::uint32_t kPenGeometric = 0x10000;
inline constexpr std::uint32_t kPenFlatCap = 0x200;
inline constexpr std::uint32_t kPenMiterJoin = 0x2000;

inline constexpr std::uint32_t kBrushSolid = 0;
inline constexpr std::uint32_t kBrushNull = 1;

inline constexpr std::uint32_t kRegionCopy = 5;
inline constexpr std::uint32_t kRegionAnd = 1;

inline constexpr std::uint32_t kGraphicsModeCompatible = 1;

}  // namespace qr::emf
