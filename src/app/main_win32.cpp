// The composition root of the Windows program: the system services, the
// toolkit, the platform calls and the program, then the message loop. The
// program reads no command line.
#include <windows.h>

#include <exception>

#include "app/program.h"
#include "win32/com_apartment.h"
#include "win32/fatal_error.h"
#include "win32/message_loop.h"
#include "win32/system_library.h"
#include "win32/win32_clock.h"
#include "win32/win32_platform.h"
#include "win32/win32_toolkit.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Before anything can load a DLL: the program and the system DLLs it uses
  // take DLLs from the system folder only, never from the program's folder.
  if (!win32::RestrictDllSearchToSystemFolder())
    win32::ExitWithError("This version of Windows cannot restrict where DLLs are loaded from.");
  try {
    win32::ComApartment com;  // entered on first need

    // Declared in this order so that the program, with every window and
    // picture, is gone before the toolkit, which shuts the picture decoder
    // down.
    win32::Win32Toolkit toolkit(instance, com);
    win32::Win32Platform platform(com);
    win32::FatalErrorCleanup cleanup([&] {
      toolkit.BeginEnding();
      platform.RemoveTrayIcon();
      platform.StopSound();
    });
    win32::Win32Clock clock;
    // Before the first window, whose start may already open a message box.
    const win32::KeyboardHook keys(toolkit.WindowClass());
    Program program(toolkit, platform, clock, PAPERWISP_SITE_ADDRESS);
    program.Start();
    toolkit.BoxOwner();
    return win32::RunMessageLoop(keys);
  } catch (const std::exception& error) {
    win32::ExitWithError(error.what());
  }
}
