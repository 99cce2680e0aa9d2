#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <cstdlib>

#include "data/sql_connection.h"
#include "support/temp_dir.h"

namespace {

struct ToolRun {
  int exitCode;
  std::string output;
};

// QR_TOOL when set, else the qrtool built beside this test program.
QString ToolPath() {
  if (const char* tool = std::getenv("QR_TOOL")) return QString::fromLocal8Bit(tool);
  return QCoreApplication::applicationDirPath() + "/qrtool";
}

ToolRun RunEval(const QStringList& arguments) {
  QProcess process;
  process.start(ToolPath(), QStringList{"eval"} + arguments);
  process.waitForFinished(30000);
  return {process.exitCode(), process.readAllStandardOutput().toStdString()};
}

class QrtoolEval : public testing::Test {
 protected:
  void SetUp() override {
    if (!QFileInfo(ToolPath()).isExecutable()) GTEST_SKIP() << "qrtool is not built";
  }
};

TEST_F(QrtoolEval, PrintsKindAndText) {
  struct Case {
    const char* expression;
    const char* expected;
  };
  const Case cases[] = {
      {"7 / 2", "FLOAT\t3.5\n"},         {"7 / 0", "ERROR\tCannot divide by 0\n"},
      {"UPPER('abc')", "STRING\tABC\n"}, {"1 < 2", "BOOLEAN\tTrue\n"},
      {"AppName", "STRING\tqrtool\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expression);
    const ToolRun run = RunEval({c.expression});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, c.expected);
  }
}

TEST_F(QrtoolEval, EvaluatesPerRowWithAggregates) {
  qrtest::TempDir dir;
  const std::string database = dir.File("app.db");
  {
    auto connection = qr::data::SqlConnection::CreateSqlite(database);
    connection->ExecuteStatement("CREATE TABLE t (code INTEGER, price REAL)");
    connection->ExecuteStatement("INSERT INTO t VALUES (1, 2.5), (2, 4.0), (3, 1.5)");
  }
  const ToolRun run = RunEval({"--db", QString::fromStdString(database), "--sql",
                               "select code, price from t order by code", "--name", "Rows",
                               "STR(COUNT) + ' ' + STR(SUM(Rows.price)) + ' ' + STR(code)"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output, "STRING\t1 2.5 1\nSTRING\t2 6.5 2\nSTRING\t3 8 3\n");
}

}  // namespace
