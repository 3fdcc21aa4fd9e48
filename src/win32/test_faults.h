// Faults that the end-to-end tests provoke in a build of their own
// (PAPERWISP_TEST_FAULTS). The shipped program has none: there the answers
// below are constants and the compiler drops every use.
#pragma once

namespace win32::test_faults {

#ifdef PAPERWISP_TEST_FAULTS
// True while a file named "fail-window-creation" lies beside the exe: the
// desktop behaves as if it were out of window handles.
bool WindowCreationRefused();
// True while a file named "fail-menu-command" lies beside the exe: a menu
// command's handler fails with a run-time error.
bool MenuCommandFails();
#else
constexpr bool WindowCreationRefused() { return false; }
constexpr bool MenuCommandFails() { return false; }
#endif

}  // namespace win32::test_faults
