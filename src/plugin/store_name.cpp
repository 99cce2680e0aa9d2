#include "plugin/store_name.h"

#include <QCoreApplication>
#include <QString>
#include <QStringDecoder>
#include <fstream>
#include <optional>

namespace rep {
namespace {

constexpr size_t kMaxValueBytes = 2047;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

// The value of key in section, by the ordinary rules of INI files: section
// headers in brackets, "key=value" lines, blanks around names and values ignored.
std::optional<std::string> ReadIniValue(std::istream& in, std::string_view section,
                                        std::string_view key) {
  std::string line;
  bool inSection = false;
  while (std::getline(in, line)) {
    const std::string_view text = Trim(line);
    if (!text.empty() && text.front() == '[') {
      const size_t close = text.find(']');
      inSection = close != std::string_view::npos && Trim(text.substr(1, close - 1)) == section;
      continue;
    }
    const size_t equals = text.find('=');
    if (!inSection || equals == std::string_view::npos) continue;
    if (Trim(text.substr(0, equals)) == key) {
      return std::string(Trim(text.substr(equals + 1)).substr(0, kMaxValueBytes));
    }
  }
  return std::nullopt;
}

std::string ToUtf8(const std::string& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8(QByteArrayView(bytes.data(), bytes.size()));
  if (!utf8.hasError()) return bytes;
  QStringDecoder windows1252("windows-1252");
  if (!windows1252.isValid()) return bytes;
  return QString(windows1252(QByteArrayView(bytes.data(), bytes.size()))).toStdString();
}

std::filesystem::path ExecutableDirectory() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return executable.parent_path();
  return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace

std::string ComplementText(std::string_view text) {
  std::string complemented(text);
  for (char& c : complemented) c = static_cast<char>(255 - static_cast<unsigned char>(c));
  return complemented;
}

std::string ReadStoreName(const std::filesystem::path& parameterFile) {
  std::ifstream in(parameterFile, std::ios::binary);
  std::optional<std::string> stored;
  if (in) stored = ReadIniValue(in, ComplementText("DATOS"), ComplementText("NOMBRE"));
  return ToUtf8(ComplementText(stored.value_or(ComplementText(kDefaultStoreName))));
}

std::string ReadStoreName() {
  return ReadStoreName(ExecutableDirectory() / "Param.dat");
}

}  // namespace rep
