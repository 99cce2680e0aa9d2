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

// A property stored as one value, left out when it equals `fallback`;
// `toValue` and `fromValue` convert between the member and definition text.
template <typename T, typename V, typename Get, typename Set, typename ToValue, typename FromValue>
PropertyInfo Stored(std::string name, Get get, Set set, V fallback, ToValue toValue,
                    FromValue fromValue) {
  PropertyInfo info{name};
  info.write = [get, fallback, toValue](void* o) -> std::optional<DefinitionValue> {
    const V value = get(Object<T>(o));
    if (value == fallback) return std::nullopt;
    return toValue(value);
  };
  info.read = [set, name, fromValue](void* o, const DefinitionValue& v, ReadContext&) {
    set(Object<T>(o), fromValue(v, name));
  };
  return info;
}

template <typename T, typename Get, typename Set>
PropertyInfo Bool(std::string name, Get get, Set set, bool fallback) {
  return Stored<T, bool>(std::move(name), get, set, fallback, DefinitionValue::Boolean,
                         ReadBoolean);
}

template <typename T, typename Get, typename Set>
PropertyInfo Int(std::string name, Get get, Set set, std::int64_t fallback) {
  return Stored<T, std::int64_t>(std::move(name), get, set, fallback, DefinitionValue::Int,
                                 [](const DefinitionValue& v, std::string_view n) {
                                   return static_cast<int>(ReadInteger(v, n));
                                 });
}

template <typename T, typename Get, typename Set>
PropertyInfo Float(std::string name, Get get, Set set, double fallback) {
  return Stored<T, double>(std::move(name), get, set, fallback, DefinitionValue::Float, ReadFloat);
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
  return Stored<T, E>(
      std::move(name), get, set, fallback,
      [names](E value) {
        return DefinitionValue::Identifier(std::string(names[static_cast<int>(value)]));
      },
      [names](const DefinitionValue& v, std::string_view n) {
        return static_cast<E>(ReadEnum(v, n, names));
      });
}

template <typename T, typename Get, typename Set>
PropertyInfo ColorProperty(std::string name, Get get, Set set, Color fallback) {
  return Stored<T, Color>(std::move(name), get, set, fallback, WriteColor, ReadColor);
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
