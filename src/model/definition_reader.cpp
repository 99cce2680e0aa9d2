#include "model/definition_reader.h"

#include <functional>
#include <vector>

#include "model/control.h"
#include "model/definition_lexer.h"

namespace qr {
namespace {

class DefinitionReader {
 public:
  DefinitionReader(std::string_view text, const ClassRegistry& registry)
      : lexer_(text), registry_(registry) {}

  std::unique_ptr<Component> Read() {
    std::unique_ptr<Component> root(ReadObject(nullptr, nullptr));
    if (lexer_.Peek().kind != DefinitionLexer::Kind::End)
      lexer_.Fail("unexpected '" + lexer_.Peek().text + "' after the last 'end'");
    context_.ResolveReferences(*root);
    for (auto it = loadedOrder_.rbegin(); it != loadedOrder_.rend(); ++it) (*it)->Loaded();
    return root;
  }

 private:
  // object Name: TClass <properties> <objects> end
  Component* ReadObject(Component* root, Control* parent) {
    if (!lexer_.Accept("object") && !lexer_.Accept("inherited") && !lexer_.Accept("inline"))
      lexer_.Fail("expected 'object' but found '" + lexer_.Peek().text + "'");
    const int line = lexer_.Peek().line;
    std::string name = lexer_.ExpectWord();
    std::string className;
    if (lexer_.Accept(":")) {
      className = lexer_.ExpectWord();
    } else {
      className = std::move(name);
      name.clear();
    }
    const ClassInfo* info = registry_.Find(className);
    if (info == nullptr || !info->create)
      throw DefinitionError("line " + std::to_string(line) + ": unknown class '" + className + "'");
    std::unique_ptr<Component> guard;
    Component* component = info->create(root);
    if (root == nullptr) guard.reset(component);
    component->SetLoading(true);
    component->SetName(name);
    loadedOrder_.push_back(component);
    if (parent)
      if (auto* control = dynamic_cast<Control*>(component)) control->SetParent(parent);
    ReadBody(*info, *component, root ? root : component);
    guard.release();
    return component;
  }

  void ReadBody(const ClassInfo& info, Component& component, Component* root) {
    auto* control = dynamic_cast<Control*>(&component);
    for (;;) {
      if (lexer_.Accept("end")) return;
      const auto& next = lexer_.Peek();
      if (next.kind == DefinitionLexer::Kind::End) lexer_.Fail("missing 'end'");
      if (next.kind == DefinitionLexer::Kind::Word &&
          (next.text == "object" || next.text == "inherited" || next.text == "inline")) {
        ReadObject(root, control);
        continue;
      }
      ReadProperty(info, static_cast<void*>(&component), component.Name());
    }
  }

  // Path = value, where the path may pass through nested objects (Frame.DrawTop).
  void ReadProperty(const ClassInfo& info, void* object, const std::string& objectName) {
    const int line = lexer_.Peek().line;
    const std::string path = lexer_.ExpectWord();
    lexer_.Expect("=");
    const DefinitionValue value = ReadValue();
    const ClassInfo* currentClass = &info;
    void* current = object;
    std::string_view rest = path;
    for (;;) {
      const PropertyInfo* property = currentClass->FindProperty(rest);
      if (property && property->read) {
        Apply(*property, current, value, line);
        return;
      }
      const size_t dot = rest.find('.');
      const PropertyInfo* nested =
          dot == std::string_view::npos ? nullptr : currentClass->FindProperty(rest.substr(0, dot));
      if (nested == nullptr || nested->nestedClass == nullptr)
        throw DefinitionError("line " + std::to_string(line) + ": class " + info.name +
                              " has no property '" + path + "'" +
                              (objectName.empty() ? "" : " (object " + objectName + ")"));
      current = nested->nested(current);
      currentClass = nested->nestedClass;
      rest = rest.substr(dot + 1);
    }
  }

  void Apply(const PropertyInfo& property, void* object, const DefinitionValue& value, int line) {
    context_.currentLine = line;
    try {
      property.read(object, value, context_);
    } catch (const DefinitionError& error) {
      throw DefinitionError("line " + std::to_string(line) + ": " + error.what());
    }
  }

  DefinitionValue ReadValue() {
    using Kind = DefinitionLexer::Kind;
    const DefinitionLexer::Token token = lexer_.Take();
    switch (token.kind) {
      case Kind::Integer:
        return DefinitionValue::Int(token.integer);
      case Kind::Float:
        return DefinitionValue::Float(token.number);
      case Kind::String:
        return DefinitionValue::Str(token.text);
      case Kind::Word:
        return DefinitionValue::Identifier(token.text);
      case Kind::Symbol:
        break;
      case Kind::End:
        lexer_.Fail("missing value");
    }
    if (token.text == "[") return ReadSet();
    if (token.text == "(") return ReadList();
    throw DefinitionError("line " + std::to_string(token.line) + ": unexpected '" + token.text +
                          "' in a value");
  }

  DefinitionValue ReadSet() {
    std::vector<std::string> members;
    if (lexer_.Accept("]")) return DefinitionValue::SetOf(members);
    do members.push_back(lexer_.ExpectWord());
    while (lexer_.Accept(","));
    lexer_.Expect("]");
    return DefinitionValue::SetOf(std::move(members));
  }

  DefinitionValue ReadList() {
    std::vector<DefinitionValue> items;
    while (!lexer_.Accept(")")) {
      if (lexer_.Peek().kind == DefinitionLexer::Kind::End) lexer_.Fail("missing ')'");
      items.push_back(ReadValue());
    }
    return DefinitionValue::ListOf(std::move(items));
  }

  DefinitionLexer lexer_;
  const ClassRegistry& registry_;
  ReadContext context_;
  std::vector<Component*> loadedOrder_;
};

}  // namespace

std::unique_ptr<Component> ReadDefinition(std::string_view text, const ClassRegistry& registry) {
  return DefinitionReader(text, registry).Read();
}

}  // namespace qr
