#include "driver/json.h"

#include <cstdio>

namespace pwdriver {

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += ch;  // UTF-8 passes through unchanged
        }
    }
  }
  return out + "\"";
}

std::string JsonArray(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + items[i];
  return out + "]";
}

JsonObject& JsonObject::Raw(const char* key, const std::string& json) {
  if (!body_.empty()) body_ += ",";
  body_ += JsonString(key) + ":" + json;
  return *this;
}

JsonObject& JsonObject::Int(const char* key, std::int64_t value) {
  return Raw(key, std::to_string(value));
}

JsonObject& JsonObject::Bool(const char* key, bool value) {
  return Raw(key, value ? "true" : "false");
}

JsonObject& JsonObject::Str(const char* key, const std::string& utf8) {
  return Raw(key, JsonString(utf8));
}

}  // namespace pwdriver
