#include <gtest/gtest.h>

#include "platform/emf/dump_canvas.h"
#include "platform/emf/emf_player.h"
#include "platform/emf/emf_reader.h"
#include "platform/emf/emf_recorder.h"
#include "platform/emf/emf_records.h"
#include "platform/little_endian.h"
#include "support/sample_pages.h"

namespace qr {
namespace {

std::string Dump(const Metafile& page) {
  DumpCanvas dump;
  PlayMetafile(page, dump);
  return dump.Text();
}

TEST(EmfRecorder, PlaysBackEveryCallAsRecorded) {
  EXPECT_EQ(Dump(qrtest::RecordShapesPage()),
            "background transparent\n"
            "font \"Times New Roman\" height=16 weight=700 color=#000000\n"
            "text x=20 y=40 align=left valign=baseline \"Código\"\n"
            "font \"Arial\" height=12 weight=400 color=#0000FF\n"
            "text x=380 y=40 align=right valign=baseline \"12.50\"\n"
            "text x=200 y=70 align=centre valign=baseline \"PRECIO\"\n"
            "pen solid width=1 color=#000000\n"
            "line 20,80-380,80\n"
            "brush solid color=#C8C8C8\n"
            "fill 20,90-120,140\n"
            "pen solid width=3 color=#FF0000\n"
            "brush null\n"
            "rect 140,90-240,140\n"
            "pen solid width=1 color=#000000\n"
            "brush solid color=#FFFF00\n"
            "ellipse 260,90-380,170\n"
            "roundrect 20,160-200,220 corner=20,20\n"
            "clip 20,230-200,290\n"
            "text x=20 y=240 align=left \"clipped text that runs past the clip box\"\n"
            "clip reset\n");
}

TEST(EmfRecorder, WritesAConsistentHeader) {
  const Metafile page = qrtest::RecordShapesPage();
  const EmfReader reader(page.Bytes());
  const EmfHeader& header = reader.Header();
  EXPECT_EQ(header.bounds, (Rect{0, 0, 399, 299}));
  EXPECT_EQ(header.frame, (Rect{0, 0, 10582, 7937}));  // 0.01 mm at 96 dpi, inclusive
  EXPECT_EQ(header.byteCount, page.Bytes().size());
  EXPECT_EQ(header.recordCount, reader.Records().size());
  EXPECT_EQ(header.device, (Size{794, 1123}));
  EXPECT_EQ(header.millimetres, (Size{210, 297}));
  EXPECT_EQ(reader.Records().front().type, emf::kHeader);
  EXPECT_EQ(reader.Records().back().type, emf::kEof);
  EXPECT_EQ(page.Width(), 400);
  EXPECT_EQ(page.Height(), 300);
  // Every object slot used is inside the declared table.
  for (const EmfRecord& record : reader.Records()) {
    if (record.type == emf::kSelectObject && !(record.Uint32At(8) & emf::kStockFlag)) {
      EXPECT_LT(record.Uint32At(8), header.handleCount);
    }
  }
}

TEST(EmfRecorder, KeepsOneFontObjectForManyTexts) {
  const Metafile page = qrtest::RecordPriceListPage(1, 100);
  int fonts = 0, texts = 0;
  const EmfReader reader(page.Bytes());
  for (const EmfRecord& record : reader.Records()) {
    fonts += record.type == emf::kExtCreateFontIndirectW;
    texts += record.type == emf::kExtTextOutW;
  }
  EXPECT_EQ(fonts, 2);
  EXPECT_EQ(texts, 2 + 7 + 700);
}

// A ruled table alternates filled backgrounds (no pen) with rules (one pen):
// the rule's pen is kept across the fills instead of being created again.
TEST(EmfRecorder, KeepsTheRulePenAcrossFills) {
  EmfRecorder recorder(200, 100);
  recorder.SetPen({PenStyle::Solid, 1, kBlack});
  for (int x = 10; x < 100; x += 10) {
    recorder.FillRect({x, 10, x + 5, 20});
    recorder.MoveTo(x + 7, 5);
    recorder.LineTo(x + 7, 25);
  }
  const Metafile page = recorder.Finish();
  int pens = 0, deletes = 0;
  const EmfReader reader(page.Bytes());
  for (const EmfRecord& record : reader.Records()) {
    pens += record.type == emf::kCreatePen;
    deletes += record.type == emf::kDeleteObject;
  }
  EXPECT_EQ(pens, 1);
  EXPECT_EQ(deletes, 0);
  DumpCanvas dump;
  PlayMetafile(page, dump);
  int lines = 0;
  for (size_t at = dump.Text().find("line "); at != std::string::npos;
       at = dump.Text().find("line ", at + 1))
    lines += at == 0 || dump.Text()[at - 1] == '\n';
  EXPECT_EQ(lines, 9);
}

TEST(EmfRecorder, TextAdvancesAddUpToTheMeasuredWidth) {
  EmfRecorder recorder(200, 100);
  const CanvasFont font{"Arial", 13};
  recorder.SetFont(font);
  recorder.TextOut(0, 0, "DESCRIPCION");
  const Metafile page = recorder.Finish();
  const EmfReader reader(page.Bytes());
  for (const EmfRecord& record : reader.Records()) {
    if (record.type != emf::kExtTextOutW) continue;
    const std::uint32_t count = record.Uint32At(44);
    const std::uint32_t offDx = record.Uint32At(72);
    int sum = 0;
    for (std::uint32_t i = 0; i < count; ++i) sum += record.Int32At(offDx + 4 * i);
    EXPECT_EQ(sum, recorder.TextExtent("DESCRIPCION").width);
  }
}

// The minimal file of the format notes, written by hand.
std::vector<std::uint8_t> MinimalFile() {
  std::vector<std::uint8_t> bytes;
  ByteWriter w(bytes);
  for (std::uint32_t v :
       {1u,       108u, 0u, 0u,      199u,   99u, 0u, 0u,   5291u, 2645u, emf::kSignature,
        0x10000u, 240u, 4u, 1u,      0u,     0u,  0u, 794u, 1123u, 210u,  297u,
        0u,       0u,   0u, 210000u, 297000u})
    w.Uint32(v);
  for (std::uint32_t v : {43u, 24u, 10u, 10u, 190u, 90u}) w.Uint32(v);
  for (std::uint32_t v : {84u, 88u, 10u, 10u, 190u, 90u, 1u}) w.Uint32(v);
  w.Float(26.4583f);
  w.Float(26.4583f);
  for (std::uint32_t v : {20u, 20u, 2u, 76u, 0u, 10u, 10u, 190u, 90u, 80u}) w.Uint32(v);
  w.Uint16('H');
  w.Uint16('i');
  for (std::uint32_t v : {12u, 12u, 14u, 20u, 0u, 16u, 20u}) w.Uint32(v);
  return bytes;
}

TEST(EmfReader, ReadsAHandWrittenFile) {
  const std::vector<std::uint8_t> bytes = MinimalFile();
  ASSERT_EQ(bytes.size(), 240u);
  const Metafile file = Metafile::FromBytes(bytes);
  EXPECT_EQ(file.Width(), 200);
  EXPECT_EQ(Dump(file),
            "pen solid width=1 color=#000000\n"
            "brush solid color=#FFFFFF\n"
            "rect 10,10-190,90\n"
            "font \"System\" height=16 weight=400 color=#000000\n"
            "text x=20 y=20 align=left \"Hi\"\n");
}

TEST(EmfReader, RejectsDamagedBlocksNamingTheFault) {
  struct Case {
    const char* name;
    std::size_t offset;  // where a 32-bit value is overwritten; size() = cut the block
    std::uint32_t value;
    const char* expected;
  };
  const Case cases[] = {
      {"not-a-header", 0, 2, "Invalid metafile: no header record at offset 0"},
      {"no-signature", 40, 0, "Invalid metafile: no signature at offset 40"},
      {"total-too-big", 48, 241,
       "Invalid metafile: total size differs from block size at offset 48"},
      {"odd-record-size", 112, 26, "Invalid metafile: bad record size at offset 108"},
      {"record-past-end", 136, 400, "Invalid metafile: record runs past the end at offset 132"},
      {"no-eof", 220, 43, "Invalid metafile: no EOF record at offset 240"},
      {"second-header", 108, 1, "Invalid metafile: second header at offset 108"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint8_t> bytes = MinimalFile();
    PutUint32(bytes.data() + c.offset, c.value);
    try {
      EmfReader reader(bytes);
      ADD_FAILURE() << "accepted";
    } catch (const EmfError& error) {
      EXPECT_STREQ(error.what(), c.expected);
    }
  }
  std::vector<std::uint8_t> cut = MinimalFile();
  cut.resize(60);
  EXPECT_THROW(EmfReader{cut}, EmfError);
}

TEST(EmfPlayer, RejectsTextOutsideItsRecord) {
  std::vector<std::uint8_t> bytes = MinimalFile();
  PutUint32(bytes.data() + 132 + 44, 1000);  // nChars far beyond the record
  const Metafile file = Metafile::FromBytes(bytes);
  DumpCanvas dump;
  try {
    PlayMetafile(file, dump);
    ADD_FAILURE() << "played";
  } catch (const EmfError& error) {
    EXPECT_STREQ(error.what(), "Invalid metafile: text outside its record at offset 132");
  }
}

TEST(EmfPlayer, StretchesThePageIntoTheDestination) {
  EmfRecorder recorder(100, 50);
  recorder.SetFont(CanvasFont{"Arial", 10});
  recorder.TextOut(10, 20, "x");
  recorder.SetPen(CanvasPen{PenStyle::Solid, 2, kBlack});
  recorder.MoveTo(0, 49);
  recorder.LineTo(99, 49);
  DumpCanvas dump;
  PlayMetafile(recorder.Finish(), dump, Rect{1000, 500, 1200, 600});
  EXPECT_EQ(dump.Text(),
            "font \"Arial\" height=20 weight=400 color=#000000\n"
            "text x=1020 y=540 align=left \"x\"\n"
            "pen solid width=4 color=#000000\n"
            "line 1000,598-1198,598\n");
}

}  // namespace
}  // namespace qr
