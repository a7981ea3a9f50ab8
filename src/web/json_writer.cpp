#include "web/json_writer.h"

#include <cmath>
#include <cstdio>

#include "numeric/char_conv.h"

namespace tallies {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;  // UTF-8 passes through as it stands
        }
    }
  }
  out += '"';
  return out;
}

void JsonWriter::BeforeValue() {
  if (m_needsComma) m_text += ',';
  m_needsComma = true;
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  m_text += '{';
  m_needsComma = false;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  m_text += '}';
  m_needsComma = true;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  m_text += '[';
  m_needsComma = false;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  m_text += ']';
  m_needsComma = true;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  BeforeValue();
  m_text += JsonString(name);
  m_text += ':';
  m_needsComma = false;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  BeforeValue();
  m_text += JsonString(text);
  return *this;
}

JsonWriter& JsonWriter::Number(double value) {
  BeforeValue();
  // JSON has no infinity or NaN; the model holds neither, but a null keeps the document valid.
  if (!std::isfinite(value)) {
    m_text += "null";
    return *this;
  }
  char digits[32];
  const auto written = ToChars(digits, digits + sizeof digits, value, std::chars_format::general, 17);
  m_text.append(digits, written.ptr);
  return *this;
}

JsonWriter& JsonWriter::Number(int value) {
  BeforeValue();
  m_text += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Json(std::string_view document) {
  BeforeValue();
  m_text += document;
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  m_text += value ? "true" : "false";
  return *this;
}

}  // namespace tallies
