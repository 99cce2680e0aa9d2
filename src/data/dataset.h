#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/field_kind.h"

namespace qr::data {

// How a value is stored in the current row, independent of the field's kind:
// SQLite keeps a value's own type per row, so a float column may hold an
// integer in one row and a double in the next.
enum class Storage : std::uint8_t { Null, Integer, Float, Text };

// A view of the current row's value of one field. `text` stays valid until the
// dataset moves or the field is written.
struct FieldValue {
  Storage storage = Storage::Null;
  std::int64_t integer = 0;
  double number = 0;
  std::string_view text;
};

// One column of a dataset, read at the dataset's current row.
class Field {
 public:
  Field(std::string name, FieldKind kind, int index)
      : name_(std::move(name)), kind_(kind), index_(index) {}
  virtual ~Field() = default;
  Field(const Field&) = delete;
  Field& operator=(const Field&) = delete;

  const std::string& Name() const { return name_; }
  FieldKind Kind() const { return kind_; }
  // Zero-based position of the field in its dataset.
  int Index() const { return index_; }

  virtual FieldValue Value() const = 0;

  bool IsNull() const { return Value().storage == Storage::Null; }
  // A null reads as ""; a number as its decimal text.
  std::string AsString() const;
  // A null reads as 0. A text that is not a number throws DataError.
  double AsFloat() const;
  std::int64_t AsInteger() const;
  bool AsBoolean() const;
  // The text shown for the value: floats in the general float text, dates and
  // times in the locale's formats, booleans as "True"/"False", a null as "".
  std::string DisplayText() const;

  // Writing is offered by editable datasets only; the others throw DataError.
  virtual void SetAsInteger(std::int64_t value);
  virtual void SetAsFloat(double value);
  virtual void SetAsString(std::string_view value);
  virtual void Clear();

 private:
  std::string name_;
  FieldKind kind_;
  int index_;
};

// The cursor over rows that reports, expressions and the plug-in read.
class Dataset {
 public:
  virtual ~Dataset() = default;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }

  virtual void Open() = 0;
  virtual void Close() = 0;
  virtual bool Active() const = 0;

  virtual void First() = 0;
  virtual void Next() = 0;
  virtual void Prior() = 0;
  // True after moving past the last row, and on an empty dataset.
  virtual bool Eof() const = 0;
  // True after moving before the first row or to it with First, and on an empty dataset.
  virtual bool Bof() const = 0;
  virtual int RecordCount() const = 0;
  // 1-based number of the current row; 0 when there is none.
  virtual int RecNo() const = 0;
  bool IsEmpty() const { return RecordCount() == 0; }

  virtual int FieldCount() const = 0;
  virtual Field& FieldAt(int index) = 0;
  // Case-insensitive; nullptr when absent.
  Field* FindField(std::string_view name);
  // Case-insensitive; throws DataError "Field 'NAME' not found" when absent.
  Field& FieldByName(std::string_view name);

 private:
  std::string name_;
};

bool SameTextIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace qr::data
