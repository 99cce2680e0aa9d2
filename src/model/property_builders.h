#pragma once

#include <span>
#include <string_view>
#include <type_traits>

#include "model/class_registry.h"
#include "platform/geometry.h"

// Builders for the stored properties of a class: each takes the property's
// name, a getter and a setter on the object's own type, and the default that
// is left out when writing.
namespace qr::props {

template <typename T>
T& Object(void* object) {
  if constexpr (std::is_base_of_v<Component, T>)
    return static_cast<T&>(*static_cast<Component*>(object));
  else
    return *static_cast<T*>(object);
}

[[noreturn]] void BadValue(std::string_view property, std::string_view expected);
bool ReadBoolean(const DefinitionValue& value, std::string_view property);
std::int64_t ReadInteger(const DefinitionValue& value, std::string_view property);
double ReadFloat(const DefinitionValue& value, std::string_view property);
const std::string& ReadString(const DefinitionValue& value, std::string_view property);
int ReadEnum(const DefinitionValue& value, std::string_view property,
             std::span<const std::string_view> names);
Color ReadColor(const DefinitionValue& value, std::string_view property);
DefinitionValue WriteColor(Color color);

template <typename T, typename Get, typename Set>
PropertyInfo Bool(std::string name, Get get, Set set, bool fallback) {
  PropertyInfo info{name};
  info.write = [get, fallback](void* o) -> std::optional<DefinitionValue> {
    const bool value = get(Object<T>(o));
    if (value == fallback) return std::nullopt;
    return DefinitionValue::Boolean(value);
  };
  info.read = [set, name](void* o, const DefinitionValue& v, ReadContext&) {
    set(Object<T>(o), ReadBoolean(v, name));
  };
  return info;
}

template <typename T, typename Get, typename Set>
PropertyInfo Int(std::string name, Get get, Set set, std::int64_t fallback) {
  PropertyInfo info{name};
  info.write = [get, fallback](void* o) -> std::optional<DefinitionValue> {
    const std::int64_t value = get(Object<T>(o));
    if (value == fallback) return std::nullopt;
    return DefinitionValue::Int(value);
  };
  info.read = [set, name](void* o, const DefinitionValue& v, ReadContext&) {
    set(Object<T>(o), static_cast<int>(ReadInteger(v, name)));
  };
  return info;
}

template <typename T, typename Get, typename Set>
PropertyInfo Float(std::string name, Get get, Set set, double fallback) {
  PropertyInfo info{name};
  info.write = [get, fallback](void* o) -> std::optional<DefinitionValue> {
    const double value = get(Object<T>(o));
    if (value == fallback) return std::nullopt;
    return DefinitionValue::Float(value);
  };
  info.read = [set, name](void* o, const DefinitionValue& v, ReadContext&) {
    set(Object<T>(o), ReadFloat(v, name));
  };
  return info;
}

template <typename T, typename Get, typename Set>
PropertyInfo String(std::string name, Get get, Set set) {
  PropertyInfo info{name};
  info.write = [get](void* o) -> std::optional<DefinitionValue> {
    std::string value = get(Object<T>(o));
    if (value.empty()) return std::nullopt;
    return DefinitionValue::Str(std::move(value));
  };
  info.read = [set, name](void* o, const DefinitionValue& v, ReadContext&) {
    set(Object<T>(o), ReadString(v, name));
  };
  return info;
}

template <typename T, typename E, typename Get, typename Set>
PropertyInfo Enum(std::string name, Get get, Set set, E fallback,
                  std::span<const std::string_view> names) {
  PropertyInfo info{name};
  info.write = [get, fallback, names](void* o) -> std::optional<DefinitionValue> {
    const E value = get(Object<T>(o));
    if (value == fallback) return std::nullopt;
    return DefinitionValue::Identifier(std::string(names[static_cast<int>(value)]));
  };
  info.read = [set, name, names](void* o, const DefinitionValue& v, ReadContext&) {
    set(Object<T>(o), static_cast<E>(ReadEnum(v, name, names)));
  };
  return info;
}

template <typename T, typename Get, typename Set>
PropertyInfo ColorProperty(std::string name, Get get, Set set, Color fallback) {
  PropertyInfo info{name};
  info.write = [get, fallback](void* o) -> std::optional<DefinitionValue> {
    const Color value = get(Object<T>(o));
    if (value == fallback) return std::nullopt;
    return WriteColor(value);
  };
  info.read = [set, name](void* o, const DefinitionValue& v, ReadContext&) {
    set(Object<T>(o), ReadColor(v, name));
  };
  return info;
}

// A set stored as bits: names[i] is bit 1 << i.
template <typename T, typename Get, typename Set>
PropertyInfo Bits(std::string name, Get get, Set set, int fallback,
                  std::span<const std::string_view> names) {
  PropertyInfo info{name};
  info.write = [get, fallback, names](void* o) -> std::optional<DefinitionValue> {
    const int value = get(Object<T>(o));
    if (value == fallback) return std::nullopt;
    std::vector<std::string> members;
    for (size_t i = 0; i < names.size(); ++i)
      if (value & (1 << i)) members.emplace_back(names[i]);
    return DefinitionValue::SetOf(std::move(members));
  };
  info.read = [set, name, names](void* o, const DefinitionValue& v, ReadContext&) {
    if (v.kind != DefinitionValue::Kind::Set) BadValue(name, "a set");
    int bits = 0;
    for (const std::string& member : v.members) {
      DefinitionValue ident = DefinitionValue::Identifier(member);
      bits |= 1 << ReadEnum(ident, name, names);
    }
    set(Object<T>(o), bits);
  };
  return info;
}

template <typename T, typename Get, typename Set>
PropertyInfo StringList(std::string name, Get get, Set set) {
  PropertyInfo info{name};
  info.write = [get](void* o) -> std::optional<DefinitionValue> {
    const std::vector<std::string> lines = get(Object<T>(o));
    if (lines.empty()) return std::nullopt;
    std::vector<DefinitionValue> items;
    for (const std::string& line : lines) items.push_back(DefinitionValue::Str(line));
    return DefinitionValue::ListOf(std::move(items));
  };
  info.read = [set, name](void* o, const DefinitionValue& v, ReadContext&) {
    if (v.kind != DefinitionValue::Kind::List) BadValue(name, "a list of texts");
    std::vector<std::string> lines;
    for (const DefinitionValue& item : v.items) lines.push_back(ReadString(item, name));
    set(Object<T>(o), std::move(lines));
  };
  return info;
}

// A list of numbers that is always stored (the "Values" of sizes and pages).
template <typename T, typename Get, typename Set>
PropertyInfo FloatList(std::string name, Get get, Set set) {
  PropertyInfo info{name};
  info.write = [get](void* o) -> std::optional<DefinitionValue> {
    std::vector<DefinitionValue> items;
    for (double value : get(Object<T>(o))) items.push_back(DefinitionValue::Float(value));
    return DefinitionValue::ListOf(std::move(items));
  };
  info.read = [set, name](void* o, const DefinitionValue& v, ReadContext&) {
    if (v.kind != DefinitionValue::Kind::List) BadValue(name, "a list of numbers");
    std::vector<double> values;
    for (const DefinitionValue& item : v.items) values.push_back(ReadFloat(item, name));
    set(Object<T>(o), values);
  };
  return info;
}

// A reference to another component of the definition, by name. Targets of
// another class than Target are refused.
template <typename T, typename Target, typename Get, typename Set>
PropertyInfo Reference(std::string name, Get get, Set set) {
  PropertyInfo info{name};
  info.write = [get](void* o) -> std::optional<DefinitionValue> {
    const Component* target = get(Object<T>(o));
    if (target == nullptr || target->Name().empty()) return std::nullopt;
    return DefinitionValue::Identifier(target->Name());
  };
  info.read = [set, name](void* o, const DefinitionValue& v, ReadContext& context) {
    if (v.kind != DefinitionValue::Kind::Ident) BadValue(name, "a component name");
    T* object = &Object<T>(o);
    context.AddReference(v.text, [object, set, name, target = v.text](Component* found) {
      auto* typed = dynamic_cast<Target*>(found);
      if (typed == nullptr)
        throw DefinitionError("'" + target + "' cannot be the " + name + " of '" + object->Name() +
                              "'");
      set(*object, typed);
    });
  };
  return info;
}

template <typename T, typename N>
PropertyInfo Nested(std::string name, const ClassInfo& nestedClass, N& (*get)(T&)) {
  PropertyInfo info{name};
  info.nestedClass = &nestedClass;
  info.nested = [get](void* o) -> void* { return &get(Object<T>(o)); };
  return info;
}

}  // namespace qr::props
