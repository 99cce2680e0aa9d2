#include "pages/paper_size.h"

#include <cmath>
#include <iterator>

namespace qr {
namespace {

constexpr PaperDimension kDimensions[] = {
    {215.9, 279.4}, {215.9, 279.4},  {279.4, 431.8}, {431.8, 279.4}, {215.9, 355.6}, {139.7, 215.9},
    {190.5, 254},   {297, 420},      {210, 297},     {210, 297},     {148, 210},     {250, 354},
    {182, 257},     {215.9, 330.2},  {215, 275},     {254, 355.6},   {279.4, 431.8}, {215.9, 279.4},
    {98.43, 225.4}, {104.8, 241.3},  {114.3, 263.5}, {120.7, 279.4}, {127, 292.1},   {431.8, 558.8},
    {558.8, 863.6}, {863.6, 1117.6}, {110, 220},     {162, 229},     {324, 458},     {229, 324},
    {114, 162},     {114, 229},      {250, 353},     {176, 250},     {176, 125},     {110, 230},
    {98.43, 190.5}, {92.01, 165.1},  {377.8, 279.4}, {215.9, 304.8}, {215.9, 330.2}, {250, 353},
    {100, 148},     {228.6, 279.4},  {254, 279.4},   {381, 279.4},   {220, 220},     {100, 100},
    {100, 100},     {241.3, 304.8},  {241.3, 381},   {296.9, 457.2}, {236, 322},     {279.4, 215.9},
    {297, 210},     {304.8, 241.3},  {227, 356},     {305, 487},     {215.9, 322.3}, {210, 330},
    {210, 148},     {257, 182},      {322, 445},     {174, 235},     {201, 276},     {420, 594},
    {420, 297},     {445, 322},
};
static_assert(std::size(kDimensions) == Custom - 1);

// Detection compares sizes in whole units of 4 mm.
constexpr double kDetectionUnitMm = 4;
constexpr long double kNativePerDetectionUnit = 40;

}  // namespace

std::optional<PaperDimension> PaperDimensions(TQRPaperSize size) {
  if (size <= Default || size >= Custom) return std::nullopt;
  return kDimensions[size - 1];
}

std::optional<DetectedPaper> DetectPaper(long double widthNative, long double lengthNative) {
  const long long width = static_cast<long long>(widthNative / kNativePerDetectionUnit);
  const long long length = static_cast<long long>(lengthNative / kNativePerDetectionUnit);
  std::optional<DetectedPaper> detected;
  for (int size = Letter; size <= ESheet; ++size) {
    const PaperDimension& paper = kDimensions[size - 1];
    const long long paperWidth = static_cast<long long>(paper.widthMm / kDetectionUnitMm);
    const long long paperLength = static_cast<long long>(paper.lengthMm / kDetectionUnitMm);
    if (paperWidth == width && paperLength == length)
      detected = DetectedPaper{static_cast<TQRPaperSize>(size), poPortrait};
    if (paperWidth == length && paperLength == width)
      detected = DetectedPaper{static_cast<TQRPaperSize>(size), poLandscape};
  }
  return detected;
}

}  // namespace qr
