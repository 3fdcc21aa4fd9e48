// The driver's commands. Each takes the parsed request and returns the JSON
// text of its result, or throws CommandError.
#pragma once

#include <string>

#include "driver/protocol.h"

namespace pwdriver {

using Command = std::string (*)(const Args& args);

// Windows: listing, properties, texts.
std::string CmdList(const Args& args);
std::string CmdInfo(const Args& args);
std::string CmdChildren(const Args& args);
std::string CmdText(const Args& args);
std::string CmdComboItems(const Args& args);
std::string CmdForeground(const Args& args);
std::string CmdFocus(const Args& args);
std::string CmdWindowAt(const Args& args);
std::string CmdScreen(const Args& args);

// Input and messages.
std::string CmdPost(const Args& args);
std::string CmdSend(const Args& args);
std::string CmdRegisteredMessage(const Args& args);
std::string CmdClick(const Args& args);
std::string CmdKey(const Args& args);
std::string CmdKeys(const Args& args);
std::string CmdActivate(const Args& args);
std::string CmdChars(const Args& args);
std::string CmdClose(const Args& args);
std::string CmdMove(const Args& args);
std::string CmdRepaint(const Args& args);
std::string CmdCursor(const Args& args);
std::string CmdEndSession(const Args& args);

// Stalling a program's thread, and the clock it reads.
std::string CmdSuspend(const Args& args);
std::string CmdResume(const Args& args);
std::string CmdLocalTime(const Args& args);

// What assistive technology is told about a window.
std::string CmdAccessible(const Args& args);

// The notification area.
std::string CmdTray(const Args& args);
std::string CmdTrayRemove(const Args& args);
std::string CmdTooltips(const Args& args);
std::string CmdRefusingTaskbar(const Args& args);

// Processes started by the driver.
std::string CmdPing(const Args& args);
std::string CmdStart(const Args& args);
std::string CmdStartTraced(const Args& args);
std::string CmdWait(const Args& args);
std::string CmdKill(const Args& args);
std::string CmdModules(const Args& args);

}  // namespace pwdriver
