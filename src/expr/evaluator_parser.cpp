// The parser of TQREvaluator: it splits the text at the leftmost operator of
// the loosest level and appends the elements in prefix order.
#include <charconv>
#include <cstdint>

#include "expr/element_data_field.h"
#include "expr/element_operator.h"
#include "expr/environment.h"
#include "expr/evaluator.h"
#include "expr/function_library.h"
#include "expr/messages.h"
#include "expr/operator_scanner.h"
#include "expr/text_case.h"

namespace qr::expr {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsNumberCharacter(char c) {
  return IsDigit(c) || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e';
}

// Quoted, parenthesised and bracketed factors need their closing character.
bool ClosedBy(std::string_view text, char closing) {
  return text.size() >= 2 && text.back() == closing;
}

std::string_view Inside(std::string_view text) {
  return text.substr(1, text.size() - 2);
}

// Deeper nesting (thousands of chained operators or parentheses) would
// overflow the stack while compiling or evaluating; it becomes an error element.
constexpr int kMaxParseDepth = 3000;

// Counts one open parse call for as long as it runs.
class NestingLevel {
 public:
  explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
  ~NestingLevel() { --depth_; }

 private:
  int& depth_;
};

template <typename Number>
bool ConvertWhole(std::string_view text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

}  // namespace

void TQREvaluator::AppendError(std::string message) {
  Append(std::make_unique<TQREvElementError>(std::move(message)));
}

bool TQREvaluator::NestingAllowed(std::string_view text) {
  if (parseDepth_ < kMaxParseDepth) return true;
  AppendError(FormatMessage(kErrorInExpression, TrimSpaces(text)));
  return false;
}

void TQREvaluator::ParseComparison(std::string_view text) {
  const std::optional<OperatorMatch> match = FindOperator(text, OperatorLevel::Comparison);
  if (!match) return ParseSum(text);
  // One split only: a second comparison on the right ends up in a factor.
  Append(std::make_unique<TQREvElementOperator>(match->code));
  ParseSum(text.substr(0, match->offset));
  ParseSum(text.substr(match->offset + match->width));
}

void TQREvaluator::ParseSum(std::string_view text) {
  const NestingLevel level(parseDepth_);
  if (!NestingAllowed(text)) return;
  const std::optional<OperatorMatch> match = FindOperator(text, OperatorLevel::Sum);
  if (!match) return ParseTerm(text);
  Append(std::make_unique<TQREvElementOperator>(match->code));
  ParseTerm(text.substr(0, match->offset));
  const std::string_view right = text.substr(match->offset + match->width);
  if (match->code == OperatorCode::Minus) return ParseSum(ExchangeSigns(right, '+', '-'));
  ParseSum(right);
}

void TQREvaluator::ParseTerm(std::string_view text) {
  const NestingLevel level(parseDepth_);
  if (!NestingAllowed(text)) return;
  const std::optional<OperatorMatch> match = FindOperator(text, OperatorLevel::Term);
  if (!match) return ParseFactor(text);
  Append(std::make_unique<TQREvElementOperator>(match->code));
  ParseFactor(text.substr(0, match->offset));
  const std::string_view right = text.substr(match->offset + match->width);
  if (match->code == OperatorCode::Divide) return ParseTerm(ExchangeSigns(right, '*', '/'));
  ParseTerm(right);
}

void TQREvaluator::ParseFactor(std::string_view text) {
  const NestingLevel level(parseDepth_);
  if (!NestingAllowed(text)) return;
  const std::string_view factor = TrimSpaces(text);
  if (factor.empty()) return AppendError(FormatMessage(kErrorInExpression, ""));
  // Any factor starting with these three letters is a negation.
  if (StartsWithIgnoringCase(factor, "not")) {
    Append(std::make_unique<TQREvElementNot>());
    return ParseSum(factor.substr(3));
  }
  const char first = factor.front();
  if (first == '\'') {
    if (!ClosedBy(factor, '\'')) return AppendError(FormatMessage(kMissing, "'"));
    return Append(std::make_unique<TQREvElementString>(std::string(Inside(factor))));
  }
  if (first == '(') {
    if (!ClosedBy(factor, ')')) return AppendError(FormatMessage(kMissing, ")"));
    return ParseComparison(Inside(factor));
  }
  if (first == '[') {
    if (!ClosedBy(factor, ']')) return AppendError(FormatMessage(kMissing, "]"));
    return ResolveName(Inside(factor));
  }
  if (first == '+') return ParseFactor(factor.substr(1));
  if (first == '-') return ParseSum("0-" + std::string(factor.substr(1)));
  if (IsDigit(first)) return ParseNumber(factor);
  if (IsLetter(first)) return ParseIdentifier(factor);
  AppendError(FormatMessage(kErrorInExpression, factor));
}

void TQREvaluator::ParseNumber(std::string_view text) {
  const std::string illegal = FormatMessage(kIllegalCharacterInNumber, text);
  std::size_t digits = 0;
  while (digits < text.size() && IsDigit(text[digits])) ++digits;
  for (std::size_t i = digits; i < text.size(); ++i)
    if (!IsNumberCharacter(text[i])) return AppendError(illegal);
  if (digits == text.size()) {
    std::int32_t integer = 0;
    if (ConvertWhole(text, integer))
      return Append(std::make_unique<TQREvElementConstant>(TQREvValue::Integer(integer)));
  }
  // The literal's '.' is the decimal point whatever the locale writes.
  double number = 0;
  if (!ConvertWhole(text, number)) return AppendError(illegal);
  Append(std::make_unique<TQREvElementConstant>(TQREvValue::Float(number)));
}

void TQREvaluator::ParseIdentifier(std::string_view text) {
  const std::size_t open = text.find('(');
  if (open == std::string_view::npos) return ResolveCall(text, {});
  if (text.back() == ')')
    return ResolveCall(text.substr(0, open), text.substr(open + 1, text.size() - open - 2));
  // An opening parenthesis that is never closed names no function.
  ResolveCall({}, {});
}

void TQREvaluator::ResolveCall(std::string_view name, std::string_view arguments) {
  const std::string upperName = UpperCase(name);
  const TQRLibraryEntry* entry = FunctionRegistry().Find(upperName);
  if (!entry) {
    if (!arguments.empty()) return AppendError(FormatMessage(kUnknownFunction, upperName));
    return ResolveName(upperName);
  }
  Append(entry->ElementClass());
  std::string_view remaining = arguments;
  while (!remaining.empty()) {
    const std::size_t separator = FindArgumentSeparator(remaining);
    if (separator == std::string_view::npos) {
      ParseComparison(remaining);
      break;
    }
    ParseComparison(remaining.substr(0, separator));
    remaining.remove_prefix(separator + 1);
  }
  Append(std::make_unique<TQREvElementArgumentEnd>());
}

void TQREvaluator::ResolveName(std::string_view name) {
  if (!dataSets_) return ResolveInEnvironment(name);
  const std::size_t dot = name.find('.');
  const std::string prefix = dot == std::string_view::npos ? "" : UpperCase(name.substr(0, dot));
  const std::string fieldName =
      UpperCase(dot == std::string_view::npos ? name : name.substr(dot + 1));
  data::Dataset* dataset = nullptr;
  if (data::Field* field = FindField(prefix, fieldName, dataset))
    return Append(std::make_unique<TQREvElementDataField>(*dataset, *field));
  ResolveInEnvironment(name);
}

// Without a prefix the first dataset that has the field supplies it; with one,
// only the dataset of that name is searched.
data::Field* TQREvaluator::FindField(std::string_view prefix, std::string_view fieldName,
                                     data::Dataset*& dataset) {
  for (data::Dataset* candidate : *dataSets_) {
    if (!candidate) continue;
    if (prefix.empty()) {
      if (data::Field* field = candidate->FindField(fieldName)) {
        dataset = candidate;
        return field;
      }
    } else if (UpperCase(candidate->Name()) == prefix) {
      dataset = candidate;
      return candidate->FindField(fieldName);
    }
  }
  return nullptr;
}

void TQREvaluator::ResolveInEnvironment(std::string_view name) {
  std::unique_ptr<TQREvElement> element;
  if (environment_) {
    element = environment_->Lookup(name);
    if (dynamic_cast<TQREvElementError*>(element.get())) element.reset();
  }
  if (!element) element = SharedEnvironment().Lookup(name);
  Append(std::move(element));
}

}  // namespace qr::expr
