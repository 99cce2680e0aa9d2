// compress and expand: one coded block as report files store page bodies.
#include <fstream>
#include <iterator>
#include <limits>

#include "command_line.h"
#include "pages/qr_compress.h"
#include "platform/file_stream.h"
#include "platform/memory_stream.h"

namespace qrtool {
namespace {

// Every byte codes to at least one bit, so a block expands to at most eight
// times its coded size.
constexpr long long kMostBytesPerCodedByte = 8;

std::vector<std::uint8_t> ReadWholeFile(const std::string& name) {
  std::ifstream file(name, std::ios::binary);
  if (!file) throw std::runtime_error("cannot open " + name);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 8))
    throw std::runtime_error(name + " is too large");
  return bytes;
}

std::pair<std::string, std::string> InAndOut(const QCommandLineParser& parser) {
  if (parser.positionalArguments().size() != 2) throw UsageError("give IN and OUT");
  return {parser.positionalArguments()[0].toStdString(),
          parser.positionalArguments()[1].toStdString()};
}

}  // namespace

int RunCompress(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("in", "Any file.");
  parser.addPositionalArgument("out", "The coded block: byte count, then the codes.");
  ParseOrExplain(parser, arguments, "Codes a file as one block of the page coder.");
  const auto [in, out] = InAndOut(parser);
  const std::vector<std::uint8_t> data = ReadWholeFile(in);
  qr::FileStream target = qr::FileStream::Create(out);
  qr::CompressBlock(data, target);
  return 0;
}

int RunExpand(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("in", "A coded block written by compress.");
  parser.addPositionalArgument("out", "The expanded bytes.");
  ParseOrExplain(parser, arguments, "Expands one block of the page coder.");
  const auto [in, out] = InAndOut(parser);
  std::vector<std::uint8_t> coded = ReadWholeFile(in);
  const long long mostBytes = static_cast<long long>(coded.size()) * kMostBytesPerCodedByte;
  qr::MemoryStream source(std::move(coded));
  const std::vector<std::uint8_t> data =
      qr::ExpandBlock(source, static_cast<std::int32_t>(std::min<long long>(
                                  mostBytes, std::numeric_limits<std::int32_t>::max())));
  qr::FileStream target = qr::FileStream::Create(out);
  target.WriteBuffer(data.data(), static_cast<std::int32_t>(data.size()));
  return 0;
}

}  // namespace qrtool
