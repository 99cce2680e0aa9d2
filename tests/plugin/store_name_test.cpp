#include "plugin/store_name.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace rep {
namespace {

class StoreName : public testing::Test {
 protected:
  std::filesystem::path Write(const std::string& content) {
    const std::filesystem::path file = dir_.Path() / "Param.dat";
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }
  qrtest::TempDir dir_;
};

TEST(ComplementText, ComplementsEveryByteAndUndoesItself) {
  EXPECT_EQ(ComplementText(""), "");
  EXPECT_EQ(ComplementText(std::string("\x00\xff\x41", 3)), std::string("\xff\x00\xbe", 3));
  std::string longText(300, 'a');
  longText[299] = 'z';
  const std::string complemented = ComplementText(longText);
  ASSERT_EQ(complemented.size(), 300u);
  EXPECT_EQ(static_cast<unsigned char>(complemented[299]), 255 - 'z');
  EXPECT_EQ(ComplementText(complemented), longText);
}

TEST_F(StoreName, ReadsTheComplementedEntry) {
  const auto file = Write("[" + ComplementText("DATOS") + "]\r\n" + ComplementText("OTRO") + "=" +
                          ComplementText("x") + "\r\n" + ComplementText("NOMBRE") + " = " +
                          ComplementText("ABARROTES LA ESPERANZA") + "\r\n");
  EXPECT_EQ(ReadStoreName(file), "ABARROTES LA ESPERANZA");
}

TEST_F(StoreName, DecodesWindows1252WhenTheNameIsNotUtf8) {
  const auto file = Write("[" + ComplementText("DATOS") + "]\n" + ComplementText("NOMBRE") + "=" +
                          ComplementText("TIENDA PE\xd1"
                                         "A") +
                          "\n");
  EXPECT_EQ(ReadStoreName(file), "TIENDA PEÑA");
}

TEST_F(StoreName, FallsBackToTheDefault) {
  EXPECT_EQ(ReadStoreName(dir_.Path() / "missing.dat"), "VELTRANIX");
  EXPECT_EQ(ReadStoreName(Write("[DATOS]\nNOMBRE=PLAIN\n")), "VELTRANIX");
  EXPECT_EQ(ReadStoreName(Write("[" + ComplementText("OTRA") + "]\n" + ComplementText("NOMBRE") +
                                "=" + ComplementText("X") + "\n")),
            "VELTRANIX");
}

TEST_F(StoreName, AnEmptyValueGivesAnEmptyName) {
  EXPECT_EQ(ReadStoreName(
                Write("[" + ComplementText("DATOS") + "]\n" + ComplementText("NOMBRE") + "=\n")),
            "");
}

}  // namespace
}  // namespace rep
