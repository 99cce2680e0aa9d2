#include "model/property_builders.h"

#include <array>

#include "data/dataset.h"

namespace qr::props {
namespace {

struct NamedColor {
  std::string_view name;
  Color color;
};

// The colour names definitions use; system colours map to the classic scheme.
constexpr std::array<NamedColor, 20> kNamedColors = {{
    {"clBlack", Color::FromRgb(0, 0, 0)},         {"clMaroon", Color::FromRgb(128, 0, 0)},
    {"clGreen", Color::FromRgb(0, 128, 0)},       {"clOlive", Color::FromRgb(128, 128, 0)},
    {"clNavy", Color::FromRgb(0, 0, 128)},        {"clPurple", Color::FromRgb(128, 0, 128)},
    {"clTeal", Color::FromRgb(0, 128, 128)},      {"clGray", Color::FromRgb(128, 128, 128)},
    {"clSilver", Color::FromRgb(192, 192, 192)},  {"clRed", Color::FromRgb(255, 0, 0)},
    {"clLime", Color::FromRgb(0, 255, 0)},        {"clYellow", Color::FromRgb(255, 255, 0)},
    {"clBlue", Color::FromRgb(0, 0, 255)},        {"clFuchsia", Color::FromRgb(255, 0, 255)},
    {"clAqua", Color::FromRgb(0, 255, 255)},      {"clWhite", Color::FromRgb(255, 255, 255)},
    {"clWindowText", Color::FromRgb(0, 0, 0)},    {"clWindow", Color::FromRgb(255, 255, 255)},
    {"clBtnFace", Color::FromRgb(240, 240, 240)}, {"clNone", Color::FromRgb(255, 255, 255)},
}};

// The first sixteen names are plain colours and are what the writer uses.
constexpr size_t kPlainColorCount = 16;

}  // namespace

void BadValue(std::string_view property, std::string_view expected) {
  throw DefinitionError("property '" + std::string(property) + "' needs " + std::string(expected));
}

bool ReadBoolean(const DefinitionValue& value, std::string_view property) {
  if (value.kind == DefinitionValue::Kind::Ident) {
    if (data::SameTextIgnoringAsciiCase(value.text, "True")) return true;
    if (data::SameTextIgnoringAsciiCase(value.text, "False")) return false;
  }
  BadValue(property, "True or False");
}

std::int64_t ReadInteger(const DefinitionValue& value, std::string_view property) {
  if (value.kind != DefinitionValue::Kind::Integer) BadValue(property, "a whole number");
  return value.integer;
}

double ReadFloat(const DefinitionValue& value, std::string_view property) {
  if (value.kind == DefinitionValue::Kind::Float) return value.number;
  if (value.kind == DefinitionValue::Kind::Integer) return static_cast<double>(value.integer);
  BadValue(property, "a number");
}

const std::string& ReadString(const DefinitionValue& value, std::string_view property) {
  if (value.kind != DefinitionValue::Kind::String) BadValue(property, "a quoted text");
  return value.text;
}

int ReadEnum(const DefinitionValue& value, std::string_view property,
             std::span<const std::string_view> names) {
  if (value.kind == DefinitionValue::Kind::Ident)
    for (size_t i = 0; i < names.size(); ++i)
      if (data::SameTextIgnoringAsciiCase(names[i], value.text)) return static_cast<int>(i);
  std::string expected = "one of";
  for (std::string_view name : names) expected += " " + std::string(name);
  BadValue(property, expected);
}

Color ReadColor(const DefinitionValue& value, std::string_view property) {
  if (value.kind == DefinitionValue::Kind::Integer)
    return Color{static_cast<std::uint32_t>(value.integer) & 0xFFFFFF};
  if (value.kind == DefinitionValue::Kind::Ident)
    for (const NamedColor& named : kNamedColors)
      if (data::SameTextIgnoringAsciiCase(named.name, value.text)) return named.color;
  BadValue(property, "a colour name or number");
}

DefinitionValue WriteColor(Color color) {
  for (size_t i = 0; i < kPlainColorCount; ++i)
    if (kNamedColors[i].color == color)
      return DefinitionValue::Identifier(std::string(kNamedColors[i].name));
  return DefinitionValue::Int(color.value);
}

}  // namespace qr::props
