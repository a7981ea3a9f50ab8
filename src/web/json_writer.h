#pragma once

#include <string>
#include <string_view>

namespace tallies {

// Writes one JSON document into a string: objects, arrays, strings, numbers and booleans, with
// the commas put in by the writer. Text is escaped so that any string, control characters and
// quotes included, reaches the page as exactly that string.
class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  // The name of the next member of an object.
  JsonWriter& Key(std::string_view name);
  JsonWriter& String(std::string_view text);
  JsonWriter& Number(double value);
  JsonWriter& Number(int value);
  JsonWriter& Bool(bool value);
  // A value that is already a JSON document of its own, written as it stands.
  JsonWriter& Json(std::string_view document);

  const std::string& Text() const { return m_text; }

 private:
  void BeforeValue();

  std::string m_text;
  bool m_needsComma = false;
};

// `text` as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

}  // namespace tallies
