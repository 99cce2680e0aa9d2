// qrtool's report-file commands, run as a user runs them.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/temp_dir.h"

namespace {

struct Result {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// The qrtool under test: $QR_TOOL, or the one built with the tests.
QString QrtoolPath() {
  const char* path = std::getenv("QR_TOOL");
  return QString::fromLocal8Bit(path ? path : QR_TOOL_PATH);
}

// Runs qrtool; a run that does not end within the time limit fails the test.
Result Qrtool(const QStringList& arguments) {
  QProcess process;
  process.start(QrtoolPath(), arguments);
  EXPECT_TRUE(process.waitForFinished(60000)) << "qrtool did not finish";
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

std::string ReadText(const std::string& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

class ReportFileCommands : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(Qrtool({"demo-report", Demo()}).exitCode, 0); }
  QString Demo() const { return QString::fromStdString(dir_.File("demo.qrp")); }
  QString Path(const char* name) const { return QString::fromStdString(dir_.File(name)); }

  qrtest::TempDir dir_;
};

TEST_F(ReportFileCommands, InfoListsHeaderAndPages) {
  const Result result = Qrtool({"info", Demo()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("header: 120 bytes\n"), std::string::npos);
  EXPECT_NE(result.out.find("compressed: no\n"), std::string::npos);
  EXPECT_NE(result.out.find("paper: Note portrait\n"), std::string::npos);
  EXPECT_NE(result.out.find("pages: 2\n"), std::string::npos);
  EXPECT_NE(result.out.find("page 2: 816 x 1056 px, 215.9 x 279.4 mm,"), std::string::npos);
}

// The dump of the demonstration page is kept as a reviewed golden file;
// QR_UPDATE_GOLDEN=1 rewrites it.
TEST_F(ReportFileCommands, DumpMatchesTheGoldenPage) {
  const Result result = Qrtool({"dump", Demo(), "--page", "1"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string golden = QR_GOLDEN_DIR "/demo_report/page-1.txt";
  if (std::getenv("QR_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << result.out;
  EXPECT_EQ(result.out, ReadText(golden));
}

TEST_F(ReportFileCommands, ExportsPngPdfAndEmf) {
  ASSERT_EQ(Qrtool({"export", Demo(), "--png", Path("png")}).exitCode, 0);
  for (const char* name : {"png/page-1.png", "png/page-2.png"}) {
    const QImage image(Path(name));
    EXPECT_EQ(image.size(), QSize(816, 1056)) << name;
  }
  ASSERT_EQ(Qrtool({"export", Demo(), "--pdf", Path("demo.pdf")}).exitCode, 0);
  EXPECT_EQ(ReadText(dir_.File("demo.pdf")).substr(0, 5), "%PDF-");
  ASSERT_EQ(Qrtool({"export", Demo(), "--emf", Path("emf")}).exitCode, 0);
  if (QStandardPaths::findExecutable("emf2svg-conv").isEmpty()) return;
  for (const char* name : {"emf/page-1.emf", "emf/page-2.emf"}) {
    QProcess converter;
    converter.start("emf2svg-conv", {"-i", Path(name), "-o", Path("page.svg")});
    ASSERT_TRUE(converter.waitForFinished(30000));
    EXPECT_EQ(converter.exitCode(), 0) << name;
  }
}

TEST_F(ReportFileCommands, CompressedReportsDumpTheSame) {
  ASSERT_EQ(Qrtool({"demo-report", "--compress", Path("coded.qrp")}).exitCode, 0);
  EXPECT_LT(std::filesystem::file_size(dir_.File("coded.qrp")),
            std::filesystem::file_size(dir_.File("demo.qrp")) / 2);
  EXPECT_EQ(Qrtool({"dump", Path("coded.qrp")}).out, Qrtool({"dump", Demo()}).out);
}

TEST_F(ReportFileCommands, CompressAndExpandABlock) {
  std::ofstream(dir_.File("abc")) << "abc";
  ASSERT_EQ(Qrtool({"compress", Path("abc"), Path("abc.coded")}).exitCode, 0);
  EXPECT_EQ(ReadText(dir_.File("abc.coded")), std::string("\x03\0\0\0\x46\x3D\x01", 7));
  ASSERT_EQ(Qrtool({"compress", Demo(), Path("demo.coded")}).exitCode, 0);
  ASSERT_EQ(Qrtool({"expand", Path("demo.coded"), Path("demo.back")}).exitCode, 0);
  EXPECT_EQ(ReadText(dir_.File("demo.back")), ReadText(dir_.File("demo.qrp")));
}

TEST_F(ReportFileCommands, UnreadableFilesEndInOneLineAndStatus1) {
  std::string damaged = ReadText(dir_.File("demo.qrp"));
  damaged[120 + 7] = '\x7F';  // page 1's link far outside the file
  std::ofstream(dir_.File("damaged.qrp"), std::ios::binary) << damaged;
  std::ofstream(dir_.File("garbage.qrp")) << std::string(300, 'x');
  std::ofstream(dir_.File("short.qrp")) << "QRP";
  struct Case {
    const char* name;
    QStringList arguments;
    std::string expected;
  };
  const Case cases[] = {
      {"missing",
       {"info", Path("none.qrp")},
       "qrtool info: Cannot open file \"" + dir_.File("none.qrp") +
           "\". No such file or directory\n"},
      {"short", {"dump", Path("short.qrp")}, "qrtool dump: Stream read error\n"},
      {"garbage",
       {"info", Path("garbage.qrp")},
       "qrtool info: Report file is damaged: page count 2021161080 does not fit the file at "
       "offset 5\n"},
      {"damaged-link",
       {"export", Path("damaged.qrp"), "--png", Path("out")},
       "qrtool export: Report file is damaged: link of page 1 out of range at offset 124\n"},
      {"not-a-block",
       {"expand", Path("short.qrp"), Path("x")},
       "qrtool expand: Stream read error\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Result result = Qrtool(c.arguments);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, c.expected);
  }
}

}  // namespace
