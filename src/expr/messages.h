#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qr::expr {

// The user-visible texts of the expression layer. "%s" marks where a name,
// an operator or a literal goes.
inline constexpr std::string_view kErrorInExpression = "Error in expression : %s";
inline constexpr std::string_view kEvaluatorNotPrepared = "Evaluator not prepared";
inline constexpr std::string_view kMissing = "Missing %s";
inline constexpr std::string_view kIllegalCharacterInNumber =
    "Illegal character in numeric contant \"%s\"";
inline constexpr std::string_view kUnknownFunction = "Unknown function : %s";
inline constexpr std::string_view kCannotDivideByZero = "Cannot divide by 0";
inline constexpr std::string_view kInvalidUseOfNot = "Invalid use of NOT";
inline constexpr std::string_view kFieldOfUnknownType = "Field %s is of unknown type";
inline constexpr std::string_view kFieldNoLongerAvailable = "Field %s is no longer available";
inline constexpr std::string_view kOperatorNotCompatible =
    "Operator %s is not compatible with %s expressions";
inline constexpr std::string_view kCannotOperate = "Cannot %s %s expressions";
inline constexpr std::string_view kRecursiveCalls = "Recursive calls not allowed";
inline constexpr std::string_view kTooManyArguments = "Too many arguments";
inline constexpr std::string_view kWrongArguments = "Wrong arguments for %s";
inline constexpr std::string_view kMissingArgument = "Missing argument for %s";
inline constexpr std::string_view kInvalidSqrtArgument = "Invalid argument to SQRT function";
inline constexpr std::string_view kDivisionByZero = "Division by Zero";
inline constexpr std::string_view kConversionError = "Conversion error";
inline constexpr std::string_view kInvalidFormat = "Invalid format or value specified";
inline constexpr std::string_view kCountPrefix = "COUNT - ";

// Replaces each "%s" of `pattern`, left to right, by the next argument.
std::string FormatMessage(std::string_view pattern,
                          std::initializer_list<std::string_view> arguments);

inline std::string FormatMessage(std::string_view pattern, std::string_view argument) {
  return FormatMessage(pattern, {argument});
}

}  // namespace qr::expr
