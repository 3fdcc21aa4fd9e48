// The driver's request format: one line per command, fields separated by
// tabs, with \t, \n and \\ escaped inside a field. Replies are one JSON
// object per line: {"ok":true,"result":...} or {"ok":false,"error":"..."}.
#pragma once

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace pwdriver {

using Args = std::vector<std::string>;  // Args[0] is the command name

// A request the driver cannot carry out; reported as an error reply.
struct CommandError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

Args ParseRequest(const std::string& line);

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

// Argument `index` as a number (decimal, or hex with 0x; negative allowed).
std::int64_t IntArg(const Args& args, std::size_t index);
std::int64_t IntArg(const Args& args, std::size_t index, std::int64_t fallback);
std::string StrArg(const Args& args, std::size_t index);
// A window handle argument that must name an existing window.
HWND WindowArg(const Args& args, std::size_t index);

}  // namespace pwdriver
