#include <QFile>
#include <cstdio>

#include "command_line.h"
#include "model/definition_reader.h"
#include "model/definition_writer.h"
#include "model/tree_dump.h"
#include "plugin/report/price_list_definition.h"

namespace qrtool {

int RunDefinition(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("file", "A report definition file.");
  parser.addOption({"builtin", "Use a built-in definition instead of a file: price-list.", "NAME"});
  parser.addOption({"write", "Print the definition back as definition text."});
  ParseOrExplain(parser, arguments,
                 "Loads a report definition and prints its object tree, one object per line "
                 "(class, name, band type, left/top/width/height in 0.1 mm, enabled).");
  std::string text;
  if (parser.isSet("builtin")) {
    if (parser.value("builtin") != "price-list")
      throw UsageError("the only built-in is price-list");
    text = std::string(rep::PriceListDefinitionText());
  } else {
    if (parser.positionalArguments().size() != 1) throw UsageError("give one definition file");
    QFile file(parser.positionalArguments().first());
    if (!file.open(QIODevice::ReadOnly))
      throw std::runtime_error("cannot read " + file.fileName().toStdString());
    text = file.readAll().toStdString();
  }
  const std::unique_ptr<qr::Component> root = qr::ReadDefinition(text, rep::PriceListClasses());
  const std::string out =
      parser.isSet("write") ? qr::WriteDefinition(*root) : qr::DumpComponentTree(*root);
  std::fputs(out.c_str(), stdout);
  return 0;
}

}  // namespace qrtool
