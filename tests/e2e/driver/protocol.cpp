#include "driver/protocol.h"

#include <cerrno>
#include <cstdlib>

namespace pwdriver {

Args ParseRequest(const std::string& line) {
  Args args(1);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      args.emplace_back();
    } else if (c == '\\' && i + 1 < line.size()) {
      const char next = line[++i];
      args.back() += next == 't' ? '\t' : next == 'n' ? '\n' : next;
    } else if (c != '\r' && c != '\n') {
      args.back() += c;
    }
  }
  return args;
}

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                      nullptr, nullptr);
  return utf8;
}

std::string StrArg(const Args& args, std::size_t index) {
  if (index >= args.size()) {
    throw CommandError(args[0] + ": missing argument " + std::to_string(index));
  }
  return args[index];
}

std::int64_t IntArg(const Args& args, std::size_t index) {
  const std::string text = StrArg(args, index);
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 0);
  if (text.empty() || *end != '\0' || errno == ERANGE) {
    throw CommandError(args[0] + ": not a number: " + text);
  }
  return value;
}

std::int64_t IntArg(const Args& args, std::size_t index, std::int64_t fallback) {
  return index < args.size() ? IntArg(args, index) : fallback;
}

HWND WindowArg(const Args& args, std::size_t index) {
  const HWND hwnd = reinterpret_cast<HWND>(static_cast<std::intptr_t>(IntArg(args, index)));
  if (!IsWindow(hwnd)) throw CommandError(args[0] + ": no such window: " + args[index]);
  return hwnd;
}

}  // namespace pwdriver
