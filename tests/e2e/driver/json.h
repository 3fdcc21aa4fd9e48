// Just enough JSON output for the driver's one-line replies.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pwdriver {

std::string JsonString(const std::string& utf8);
std::string JsonArray(const std::vector<std::string>& items);

// Builds one object; values are added in order, nested values as JSON text.
class JsonObject {
 public:
  JsonObject& Int(const char* key, std::int64_t value);
  JsonObject& Bool(const char* key, bool value);
  JsonObject& Str(const char* key, const std::string& utf8);
  JsonObject& Raw(const char* key, const std::string& json);
  std::string Text() const { return "{" + body_ + "}"; }

 private:
  std::string body_;
};

}  // namespace pwdriver
