#include "expr/function_library.h"

#include "data/dataset.h"
#include "expr/aggregate_functions.h"
#include "expr/builtin_functions.h"
#include "expr/messages.h"

namespace qr::expr {
namespace {

void RegisterBuiltIns(TQRFunctionLibrary& library) {
  struct BuiltIn {
    FunctionElementFactory elementClass;
    const char* name;
    const char* description;
    const char* argCode;
  };
  const BuiltIn builtIns[] = {
      {NewFunctionElement<TQREvIfFunction>, "IF",
       "IF(<Exp>, <X>, <Y>)|Returns <X> or <Y> depending on the boolean expression <Exp>", "5BVV"},
      {NewFunctionElement<TQREvStrFunction>, "STR", "STR(<X>)|Convert a numeric <X> to a string",
       "7N"},
      {NewFunctionElement<TQREvUpperFunction>, "UPPER",
       "UPPER(<X>)|Converts a string to upper case letters", "7S"},
      {NewFunctionElement<TQREvLowerFunction>, "LOWER",
       "LOWER(<X>)|Converts a string to lower case letters", "7S"},
      {NewFunctionElement<TQREvPrettyFunction>, "PRETTY",
       "PRETTY(<X>)|Makes the first character upper case and the rest lower case", "7S"},
      {NewFunctionElement<TQREvTimeFunction>, "TIME", "TIME|Return current time as a string", "1"},
      {NewFunctionElement<TQREvDateFunction>, "DATE", "DATE|Return current date as a string", "1"},
      {NewFunctionElement<TQREvCopyFunction>, "COPY",
       "COPY(<X>, <St>,<Len>)|Returns a substring of string X", "7SNN"},
      {NewFunctionElement<TQREvSumFunction>, "SUM", "SUM(<X>)|Sums the numeric <X>", "3N"},
      {NewFunctionElement<TQREvCountFunction>, "COUNT", "COUNT|Increments for each iteration", "3"},
      {NewFunctionElement<TQREvMaxFunction>, "MAX", "MAX(<X>)|Returns the highest <X>", "3V"},
      {NewFunctionElement<TQREvMinFunction>, "MIN", "MIN(<X>)|Returns the lowest <X>", "3V"},
      {NewFunctionElement<TQREvAverageFunction>, "AVERAGE",
       "AVERAGE(<X>)|Returns the average of numeric <X>", "3N"},
      {NewFunctionElement<TQREvTrue>, "TRUE", "TRUE|boolean value", "5"},
      {NewFunctionElement<TQREvFalse>, "FALSE", "FALSE|boolean value", "5"},
      {NewFunctionElement<TQREvIntFunction>, "INT", "INT(<X>)|Returns the integer part of <X>",
       "2N"},
      {NewFunctionElement<TQREvFracFunction>, "FRAC",
       "FRAC(<X>)|Returns the fractional part of <X>", "2N"},
      {NewFunctionElement<TQREvSQRTFunction>, "SQRT", "SQRT(<X>)|Returns square root of <X>", "2N"},
      {NewFunctionElement<TQREvDivFunction>, "DIV",
       "DIV(<X>, <Y>) | Integer division of <X> by <Y>", "2NN"},
      {NewFunctionElement<TQREvTypeOfFunction>, "TYPEOF",
       "TYPEOF(<Exp>)|Returns the data type of <Exp>", "6N"},
      {NewFunctionElement<TQREvFormatNumericFunction>, "FORMATNUMERIC",
       "FORMATNUMERIC(<F>,<N>)|Formats numeric <N> using the mask in <F>", "7SN"},
  };
  for (const BuiltIn& builtIn : builtIns)
    library.Add({builtIn.description, builtIn.argCode, builtIn.elementClass, builtIn.name,
                 std::string(kBuiltInAuthor)});
}

}  // namespace

const TQRLibraryEntry* TQRLibrary::Find(std::string_view name) const {
  for (const TQRLibraryEntry& entry : entries_)
    if (data::SameTextIgnoringAsciiCase(entry.Name, name)) return &entry;
  return nullptr;
}

std::unique_ptr<TQREvElement> TQRLibrary::CreateElement(std::string_view name) const {
  if (const TQRLibraryEntry* entry = Find(name)) return entry->ElementClass();
  return std::make_unique<TQREvElementError>(FormatMessage(kUnknownFunction, name));
}

TQRFunctionLibrary& FunctionRegistry() {
  static TQRFunctionLibrary registry = [] {
    TQRFunctionLibrary library;
    RegisterBuiltIns(library);
    return library;
  }();
  return registry;
}

void AddLibraryFunction(FunctionElementFactory elementClass, std::string name,
                        std::string description, std::string author, std::string argCode) {
  FunctionRegistry().Add({std::move(description), std::move(argCode), elementClass, std::move(name),
                          std::move(author)});
}

}  // namespace qr::expr
