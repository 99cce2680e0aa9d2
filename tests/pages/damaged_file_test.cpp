// Report files come from disk and may be damaged or made up: every fault must
// end in a clear error, never a crash, a hang or a read outside the data.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "page_store_fixture.h"
#include "pages/report_file_error.h"
#include "platform/little_endian.h"
#include "support/temp_dir.h"

namespace qr {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::int32_t kHeaderSize = 120;

// A saved report of three small pages and where its records start.
struct SampleFile {
  Bytes bytes;
  std::int32_t records[3];

  explicit SampleFile(bool compressed) {
    qrtest::TempDir dir;
    TQRPrinter printer;
    printer.SetCompression(compressed);
    qrtest::ProduceJob(printer, 3, 2);
    printer.SaveToFile(dir.File("sample.qrp"));
    bytes = qrtest::ReadFile(dir.File("sample.qrp"));
    records[0] = kHeaderSize;
    records[1] = GetInt32(bytes.data() + records[0] + 4);
    records[2] = GetInt32(bytes.data() + records[1] + 4);
  }
  void Put(std::int32_t offset, std::int32_t value) { PutInt32(bytes.data() + offset, value); }
  std::int32_t Size() const { return static_cast<std::int32_t>(bytes.size()); }
};

// Loads the file (which reads page 1) and reads the pages from the last down,
// so that the walk follows links both ways; returns the first error's message.
std::string FirstError(const Bytes& bytes) {
  qrtest::TempDir dir;
  qrtest::WriteFile(dir.File("damaged.qrp"), bytes);
  TQRPrinter printer;
  try {
    printer.LoadFromFile(dir.File("damaged.qrp"));
    for (int n : {1, printer.PageCount(), 2, 1}) {
      if (n >= 1 && n <= printer.PageCount()) qrtest::DumpOf(*printer.GetPage(n));
    }
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

std::string At(std::int32_t offset) {
  return " at offset " + std::to_string(offset);
}

TEST(DamagedReportFile, EndsInAnErrorNamingTheFault) {
  const SampleFile good(false);
  ASSERT_EQ(FirstError(good.bytes), "");
  const std::int32_t* r = good.records;
  const std::int32_t size = good.Size();
  struct Case {
    const char* name;
    std::function<void(SampleFile&)> damage;
    std::string expected;
  };
  const Case cases[] = {
      {"empty", [](SampleFile& f) { f.bytes.clear(); }, "Stream read error"},
      {"negative-count", [](SampleFile& f) { f.Put(5, -1); },
       "Report file is damaged: page count -1 does not fit the file at offset 5"},
      {"huge-count", [](SampleFile& f) { f.Put(5, 1 << 30); },
       "Report file is damaged: page count 1073741824 does not fit the file at offset 5"},
      {"count-past-the-records", [](SampleFile& f) { f.Put(5, 4); },
       "Report file is damaged: link to offset " + std::to_string(size) + " outside the pages" +
           At(r[2] + 4)},
      {"link-out-of-range", [&](SampleFile& f) { f.Put(r[0] + 4, 0x7FFFFFFF); },
       "Report file is damaged: link of page 1 out of range" + At(r[0] + 4)},
      {"link-into-a-record", [&](SampleFile& f) { f.Put(r[0] + 4, r[1] + 4); },
       "Report file is damaged: page 1 shorter than its record" + At(r[0] + 8)},
      {"link-backwards", [&](SampleFile& f) { f.Put(r[1] + 4, r[0]); },
       "Report file is damaged: page link points the wrong way" + At(r[1] + 4)},
      {"link-to-itself", [&](SampleFile& f) { f.Put(r[1] + 4, r[1]); },
       "Report file is damaged: page link points the wrong way" + At(r[1] + 4)},
      {"backward-link-to-itself", [&](SampleFile& f) { f.Put(r[2] - 4, r[2]); },
       "Report file is damaged: page link points the wrong way" + At(r[2] - 4)},
      {"page-number-out-of-range", [&](SampleFile& f) { f.Put(r[1], 7); },
       "Report file is damaged: page number 7 out of range" + At(r[1])},
      {"page-number-repeated", [&](SampleFile& f) { f.Put(r[1], 3); },
       "Report file is damaged: page 2 missing" + At(r[0])},
      {"end-not-matching-start", [&](SampleFile& f) { f.Put(r[1] - 4, r[0] + 4); },
       "Report file is damaged: end of page 1 does not match its start" + At(r[1] - 4)},
      {"truncated", [&](SampleFile& f) { f.bytes.resize(r[2] + 200); },
       "Report file is damaged: link of page 3 out of range" + At(r[2] + 4)},
      {"not-a-metafile", [&](SampleFile& f) { f.Put(r[1] + 8 + 40, 0); },
       "Invalid metafile: no signature at offset 40"},
      {"metafile-longer-than-record", [&](SampleFile& f) { f.Put(r[1] + 8 + 48, 1 << 20); },
       "Invalid metafile: total size 1048576 exceeds the " + std::to_string(r[2] - 4 - (r[1] + 8)) +
           " bytes available"},
      {"bad-record-size", [&](SampleFile& f) { f.Put(r[1] + 8 + 108 + 4, 7); },
       "Invalid metafile: bad record size at offset 108"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SampleFile file = good;
    c.damage(file);
    EXPECT_EQ(FirstError(file.bytes), c.expected);
  }
}

TEST(DamagedReportFile, RefusesCodedPagesThatClaimTooMuch) {
  SampleFile file(true);
  ASSERT_EQ(FirstError(file.bytes), "");
  file.Put(file.records[1] + 8, 0x7FFFFFFF);
  EXPECT_EQ(FirstError(file.bytes), "Coded block of 2147483647 bytes is damaged");
}

TEST(DamagedReportFile, MissingFileNamesTheFile) {
  TQRPrinter printer;
  try {
    printer.LoadFromFile("/nonexistent/x.qrp");
    ADD_FAILURE() << "loaded";
  } catch (const StreamError& error) {
    EXPECT_STREQ(error.what(),
                 "Cannot open file \"/nonexistent/x.qrp\". No such file or directory");
  }
}

// Random damage in the style of a fuzzer, seeded so that every run checks the
// same cases: flipped bytes, overwritten links and counts, cut files. Each
// case must load and play or fail with one of the three reading errors; a
// crash or an endless walk fails the run (and a sanitizer build catches reads
// outside the data).
TEST(DamagedReportFile, SurvivesSeededRandomDamage) {
  std::mt19937 random(20261211);
  for (bool compressed : {false, true}) {
    const SampleFile good(compressed);
    for (int round = 0; round < 400; ++round) {
      Bytes bytes = good.bytes;
      const int edits = 1 + random() % 4;
      for (int edit = 0; edit < edits; ++edit) {
        const std::size_t at = random() % bytes.size();
        switch (random() % 4) {
          case 0:
            bytes[at] ^= static_cast<std::uint8_t>(1 + random() % 255);
            break;
          case 1:
            if (at + 4 <= bytes.size())
              PutInt32(bytes.data() + at, static_cast<std::int32_t>(random()));
            break;
          case 2:
            bytes.resize(at);
            break;
          case 3:  // a link or record field pointed somewhere plausible
            if (at + 4 <= bytes.size())
              PutInt32(bytes.data() + at, good.records[random() % 3] + random() % 9 - 4);
            break;
        }
        if (bytes.empty()) break;
      }
      qrtest::TempDir dir;
      qrtest::WriteFile(dir.File("fuzzed.qrp"), bytes);
      TQRPrinter printer;
      try {
        printer.LoadFromFile(dir.File("fuzzed.qrp"));
        for (int n : {3, 1, 2, 2, 3}) {
          const std::optional<Metafile> page = printer.GetPage(n);
          if (page) qrtest::DumpOf(*page);
        }
      } catch (const StreamError&) {
      } catch (const ReportFileError&) {
      } catch (const EmfError&) {
      }
    }
  }
}

}  // namespace
}  // namespace qr
