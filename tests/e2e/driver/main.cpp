// pwdriver: a helper that runs next to Paperwisp in the same Wine prefix and
// does for the end-to-end tests what another process can see and do. It reads
// one command per line on standard input and answers each with one JSON line
// (see protocol.h); "quit" or the end of input stops it.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <map>
#include <string>

#include "driver/commands.h"
#include "driver/json.h"

namespace {

const std::map<std::string, pwdriver::Command>& CommandTable() {
  using namespace pwdriver;
  static const std::map<std::string, Command> table = {
      {"list", CmdList},
      {"info", CmdInfo},
      {"children", CmdChildren},
      {"text", CmdText},
      {"comboitems", CmdComboItems},
      {"foreground", CmdForeground},
      {"focus", CmdFocus},
      {"accessible", CmdAccessible},
      {"windowat", CmdWindowAt},
      {"screen", CmdScreen},
      {"post", CmdPost},
      {"send", CmdSend},
      {"regmessage", CmdRegisteredMessage},
      {"click", CmdClick},
      {"key", CmdKey},
      {"keys", CmdKeys},
      {"activate", CmdActivate},
      {"chars", CmdChars},
      {"close", CmdClose},
      {"move", CmdMove},
      {"repaint", CmdRepaint},
      {"cursor", CmdCursor},
      {"endsession", CmdEndSession},
      {"suspend", CmdSuspend},
      {"resume", CmdResume},
      {"localtime", CmdLocalTime},
      {"tray", CmdTray},
      {"trayremove", CmdTrayRemove},
      {"tooltips", CmdTooltips},
      {"refusingtaskbar", CmdRefusingTaskbar},
      {"start", CmdStart},
      {"starttraced", CmdStartTraced},
      {"wait", CmdWait},
      {"kill", CmdKill},
      {"modules", CmdModules},
      {"ping", CmdPing},
  };
  return table;
}

std::string Reply(const pwdriver::Args& args) {
  using pwdriver::JsonObject;
  const auto& table = CommandTable();
  const auto it = table.find(args[0]);
  if (it == table.end()) {
    return JsonObject().Bool("ok", false).Str("error", "unknown command: " + args[0]).Text();
  }
  try {
    return JsonObject().Bool("ok", true).Raw("result", it->second(args)).Text();
  } catch (const std::exception& e) {
    return JsonObject().Bool("ok", false).Str("error", e.what()).Text();
  }
}

}  // namespace

int main() {
  // Replies are read by a POSIX program: no CR LF translation.
  _setmode(_fileno(stdout), _O_BINARY);
  std::string line;
  while (std::getline(std::cin, line)) {
    const pwdriver::Args args = pwdriver::ParseRequest(line);
    if (args[0] == "quit") break;
    std::cout << Reply(args) << "\n" << std::flush;
  }
  return 0;
}
