#include "model/definition_writer.h"

#include <QList>
#include <QString>
#include <charconv>

#include "model/class_registry.h"
#include "model/control.h"

namespace qr {
namespace {

std::string FormatFloat(double value) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, end);
  // A float keeps its point so that it reads back as a float.
  if (text.find_first_of(".eE") == std::string::npos && text.find("inf") == std::string::npos &&
      text.find("nan") == std::string::npos)
    text += ".0";
  return text;
}

// Printable ASCII stays inside quotes; every other character becomes #code.
std::string FormatString(const std::string& text) {
  if (text.empty()) return "''";
  std::string out;
  bool quoted = false;
  const QString unicode = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  for (char32_t code : unicode.toUcs4()) {
    const bool plain = code >= 32 && code < 127;
    if (plain && !quoted) out += '\'';
    if (!plain && quoted) out += '\'';
    quoted = plain;
    if (plain) {
      if (code == '\'') out += '\'';
      out += static_cast<char>(code);
    } else {
      out += "#" + std::to_string(static_cast<unsigned>(code));
    }
  }
  if (quoted) out += '\'';
  return out;
}

void WriteProperties(std::string& out, const ClassInfo& info, void* object,
                     const std::string& prefix, const std::string& indent) {
  for (const PropertyInfo* property : info.AllProperties()) {
    if (property->nestedClass) {
      WriteProperties(out, *property->nestedClass, property->nested(object),
                      prefix + property->name + ".", indent);
      continue;
    }
    if (!property->write) continue;
    const std::optional<DefinitionValue> value = property->write(object);
    if (!value) continue;
    out += indent + prefix + property->name + " = " +
           FormatDefinitionValue(*value, static_cast<int>(indent.size())) + "\n";
  }
}

std::vector<Component*> ChildrenOf(Component& component, bool isRoot) {
  std::vector<Component*> children;
  if (auto* control = dynamic_cast<Control*>(&component))
    for (Control* child : control->Controls()) children.push_back(child);
  if (isRoot) {
    for (Component* owned : component.Components()) {
      auto* control = dynamic_cast<Control*>(owned);
      if ((control == nullptr || control->Parent() == nullptr) && owned->Class().create)
        children.push_back(owned);
    }
  }
  return children;
}

void WriteObject(std::string& out, Component& component, int depth, bool isRoot) {
  const std::string indent(depth * 2, ' ');
  out += indent + "object ";
  if (!component.Name().empty()) out += component.Name() + ": ";
  out += component.Class().name + "\n";
  WriteProperties(out, component.Class(), static_cast<void*>(&component), "", indent + "  ");
  for (Component* child : ChildrenOf(component, isRoot)) WriteObject(out, *child, depth + 1, false);
  out += indent + "end\n";
}

}  // namespace

std::string FormatDefinitionValue(const DefinitionValue& value, int indent) {
  switch (value.kind) {
    case DefinitionValue::Kind::Integer:
      return std::to_string(value.integer);
    case DefinitionValue::Kind::Float:
      return FormatFloat(value.number);
    case DefinitionValue::Kind::String:
      return FormatString(value.text);
    case DefinitionValue::Kind::Ident:
      return value.text;
    case DefinitionValue::Kind::Set: {
      std::string text = "[";
      for (size_t i = 0; i < value.members.size(); ++i) text += (i ? ", " : "") + value.members[i];
      return text + "]";
    }
    case DefinitionValue::Kind::List: {
      std::string text = "(";
      const std::string itemIndent(indent + 2, ' ');
      for (const DefinitionValue& item : value.items)
        text += "\n" + itemIndent + FormatDefinitionValue(item, indent + 2);
      return text + ")";
    }
  }
  return {};
}

std::string WriteDefinition(Component& root) {
  std::string out;
  WriteObject(out, root, 0, true);
  return out;
}

}  // namespace qr
