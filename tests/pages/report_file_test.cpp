#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "page_store_fixture.h"
#include "pages/report_file_header.h"
#include "platform/emf/emf_reader.h"
#include "platform/little_endian.h"
#include "support/temp_dir.h"

namespace qr {
namespace {

using qrtest::ProduceJob;
using qrtest::ReadFile;
using qrtest::ShownNumber;
using qrtest::WriteFile;

constexpr int kHeaderSize = 120;

TEST(ReportFile, HasTheHeaderAndOneRecordPerPage) {
  qrtest::TempDir dir;
  TQRPrinter printer;
  ProduceJob(printer, 4);
  const std::string name = dir.File("four.qrp");
  printer.SaveToFile(name);
  const std::vector<std::uint8_t> file = ReadFile(name);

  std::size_t expectedSize = kHeaderSize;
  for (int n = 1; n <= 4; ++n) expectedSize += 12 + printer.GetPage(n)->Bytes().size();
  ASSERT_EQ(file.size(), expectedSize);
  EXPECT_EQ(GetUint16(file.data()), 3);
  EXPECT_EQ(GetUint16(file.data() + 2), 40);
  EXPECT_EQ(GetInt32(file.data() + 5), 4);
  EXPECT_EQ(file[18], 0);  // not compressed
  const double written = GetDouble(file.data() + 9);
  EXPECT_GT(written, 45000);  // days since 1899-12-30: some day after 2023
  // Record 1 starts right after the header; the last four bytes point at record 4.
  EXPECT_EQ(GetInt32(file.data() + kHeaderSize), 1);
  const std::int32_t lastRecord = GetInt32(file.data() + file.size() - 4);
  EXPECT_EQ(GetInt32(file.data() + lastRecord), 4);
  EXPECT_EQ(GetInt32(file.data() + lastRecord + 4), static_cast<std::int32_t>(file.size()));
  // Each body is the page's metafile unchanged.
  const std::vector<std::uint8_t> firstBody(
      file.begin() + kHeaderSize + 8,
      file.begin() + kHeaderSize + 8 + printer.GetPage(1)->ByteCount());
  EXPECT_EQ(firstBody, printer.GetPage(1)->Bytes());
}

TEST(ReportFile, HeaderSaysOnePageUntilTheJobEnds) {
  TQRPrinter printer;
  printer.StartJob();
  printer.NewPage();
  printer.NewPage();
  printer.NewPage();
  auto headerCount = [&] {
    std::uint8_t count[4];
    std::lock_guard guard(printer.PageStream()->Lock());
    printer.PageStream()->Seek(5, SeekOrigin::Begin);
    printer.PageStream()->ReadBuffer(count, 4);
    printer.PageStream()->Seek(0, SeekOrigin::End);
    return GetInt32(count);
  };
  EXPECT_EQ(headerCount(), 1);
  printer.EndJob();
  EXPECT_EQ(headerCount(), 3);
}

TEST(ReportFile, RoundTripsThroughLoadFromFile) {
  for (bool compressed : {false, true}) {
    SCOPED_TRACE(compressed ? "compressed" : "plain");
    qrtest::TempDir dir;
    TQRPrinter writer;
    writer.SetCompression(compressed);
    ProduceJob(writer, 12);
    const std::string name = dir.File("report.qrp");
    writer.SaveToFile(name);
    EXPECT_EQ(ReadFile(name)[18], compressed ? 1 : 0);

    SetReportFileLoaded(false);
    TQRPrinter reader;  // compression off: the file's header decides
    reader.LoadFromFile(name);
    EXPECT_EQ(reader.State(), stComplete);
    EXPECT_EQ(reader.PageCount(), 12);
    EXPECT_TRUE(reader.ReplayOnPrint);
    EXPECT_TRUE(ReportFileLoaded());
    EXPECT_EQ(reader.Pages.Compression(), compressed);
    for (int n : {5, 2, 9, 1, 9, 12}) {
      EXPECT_EQ(reader.GetPage(n)->Bytes(), writer.GetPage(n)->Bytes()) << n;
    }
  }
}

TEST(ReportFile, CompressionMakesTheFileSmaller) {
  qrtest::TempDir dir;
  std::uintmax_t sizes[2];
  for (bool compressed : {false, true}) {
    TQRPrinter printer;
    printer.SetCompression(compressed);
    ProduceJob(printer, 5);
    printer.SaveToFile(dir.File("f.qrp"));
    sizes[compressed] = std::filesystem::file_size(dir.File("f.qrp"));
  }
  EXPECT_LT(sizes[1], sizes[0] / 2);
}

TEST(ReportFile, LoadingDetectsThePaperFromPageOne) {
  struct Case {
    const char* name;
    TQRPaperSize written;
    TPrinterOrientation orientation;
    TQRPaperSize detected;
  };
  const Case cases[] = {
      // Letter, LetterSmall and Note are equal; the last one in the scan wins.
      {"letter", Letter, poPortrait, Note},
      {"letter-landscape", Letter, poLandscape, Note},
      {"a4", A4, poPortrait, A4Small},
      {"legal", Legal, poPortrait, Legal},
      {"legal-landscape", Legal, poLandscape, Legal},
      // 420 mm become 1587 whole dots, 104.97 units of 4 mm, truncated to 104
      // against A3's 105: no size matches and the paper stays as it was.
      {"a3-landscape", A3, poLandscape, Default},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    qrtest::TempDir dir;
    TQRPrinter writer;
    writer.DeviceSettings.PaperSize = c.written;
    writer.DeviceSettings.Orientation = c.orientation;
    ProduceJob(writer, 1);
    writer.SaveToFile(dir.File("paper.qrp"));
    TQRPrinter reader;
    reader.DeviceSettings.PaperSize = Default;
    reader.LoadFromFile(dir.File("paper.qrp"));
    EXPECT_EQ(reader.DeviceSettings.PaperSize, c.detected);
    if (c.detected != Default) {
      EXPECT_EQ(reader.DeviceSettings.Orientation, c.orientation);
    }
  }
}

TEST(ReportFile, SavesNothingBeforeTheJobIsComplete) {
  qrtest::TempDir dir;
  TQRPrinter printer;
  printer.StartJob();
  printer.NewPage();
  printer.SaveToFile(dir.File("early.qrp"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("early.qrp")));
}

TEST(ReportFile, AJobWithoutPagesSavesAHeaderThatCannotBeLoaded) {
  qrtest::TempDir dir;
  TQRPrinter printer;
  ProduceJob(printer, 0);
  printer.SaveToFile(dir.File("empty.qrp"));
  const std::vector<std::uint8_t> file = ReadFile(dir.File("empty.qrp"));
  ASSERT_EQ(file.size(), 120u);
  EXPECT_EQ(GetInt32(file.data() + 5), 0);
  TQRPrinter reader;
  try {
    reader.LoadFromFile(dir.File("empty.qrp"));
    ADD_FAILURE() << "loaded";
  } catch (const StreamError& error) {
    EXPECT_STREQ(error.what(), "Stream read error");
  }
  EXPECT_EQ(reader.State(), stIdle);
}

// The older header forms: fields aligned in 124 bytes, or packed in 128.
std::vector<std::uint8_t> WithHeaderForm(const std::vector<std::uint8_t>& file, int size) {
  std::vector<std::uint8_t> header(size, 0);
  const std::int32_t pageCount = GetInt32(file.data() + 5);
  if (size == ReportFileHeader::kAlignedSize) {
    PutUint16(header.data(), 3);
    PutUint16(header.data() + 2, 40);
    PutInt32(header.data() + 8, pageCount);
  } else {
    std::copy(file.begin(), file.begin() + kHeaderSize, header.begin());
  }
  std::vector<std::uint8_t> converted = header;
  const int shift = size - kHeaderSize;
  // Records keep their layout; every offset moves with the header.
  std::vector<std::uint8_t> records(file.begin() + kHeaderSize, file.end());
  for (std::size_t at = 0; at < records.size();) {
    const std::int32_t next = GetInt32(records.data() + at + 4);
    PutInt32(records.data() + at + 4, next + shift);
    const std::size_t end = next - kHeaderSize;
    PutInt32(records.data() + end - 4, GetInt32(records.data() + end - 4) + shift);
    at = end;
  }
  converted.insert(converted.end(), records.begin(), records.end());
  return converted;
}

TEST(ReportFile, ReadsTheOlderHeaderForms) {
  qrtest::TempDir dir;
  TQRPrinter writer;
  ProduceJob(writer, 6);
  writer.SaveToFile(dir.File("packed.qrp"));
  const std::vector<std::uint8_t> packed = ReadFile(dir.File("packed.qrp"));
  for (int size : {ReportFileHeader::kAlignedSize, ReportFileHeader::kPaddedSize}) {
    SCOPED_TRACE(size);
    WriteFile(dir.File("old.qrp"), WithHeaderForm(packed, size));
    TQRPrinter reader;
    reader.LoadFromFile(dir.File("old.qrp"));
    EXPECT_EQ(reader.PageCount(), 6);
    for (int n : {6, 1, 4}) EXPECT_EQ(ShownNumber(reader.GetPage(n)), n);
  }
}

// Files written once and kept: whatever changes in the writer, these must
// keep loading and show the same drawings. "handmade" was put together byte by
// byte from the format description (two pages of a minimal metafile);
// "demo-compressed" is qrtool's demonstration report with coded pages.
TEST(ReportFile, CommittedFilesKeepLoading) {
  const std::string dir = QR_GOLDEN_DIR "/report_files/";
  TQRPrinter handmade;
  handmade.LoadFromFile(dir + "handmade.qrp");
  ASSERT_EQ(handmade.PageCount(), 2);
  EXPECT_EQ(qrtest::DumpOf(*handmade.GetPage(2)),
            "pen solid width=1 color=#000000\n"
            "brush solid color=#FFFFFF\n"
            "rect 10,10-190,90\n"
            "font \"System\" height=16 weight=400 color=#000000\n"
            "text x=20 y=20 align=left \"Hi\"\n");

  TQRPrinter demo;
  demo.LoadFromFile(dir + "demo-compressed.qrp");
  ASSERT_EQ(demo.PageCount(), 2);
  EXPECT_TRUE(demo.Pages.Compression());
  std::ifstream golden(QR_GOLDEN_DIR "/demo_report/page-1.txt");
  const std::string expected{std::istreambuf_iterator<char>(golden), {}};
  EXPECT_EQ("page 1\n" + qrtest::DumpOf(*demo.GetPage(1)), expected);
}

}  // namespace
}  // namespace qr
