// The running program, and the one place that knows every part of it: it
// builds the single windows and the note pool and wires each to what it
// uses. The windows themselves load on first use.
#pragma once

#include <string>

#include "about/form5.h"
#include "alarm/alert_activation.h"
#include "alarm/form3.h"
#include "alarm/form4.h"
#include "alarm/module7.h"
#include "notes/note_pool.h"
#include "shell/form1.h"
#include "shell/window_opener.h"
#include "ui/clock.h"
#include "ui/platform.h"
#include "ui/toolkit.h"
#include "ui/web_site.h"

class Program final : private shell::WindowOpener, private alarms::KeyboardWatch {
 public:
  Program(ui::Toolkit& toolkit, ui::Platform& platform, ui::Clock& clock, std::string siteAddress);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  shell::Form1& Form1() { return form1_; }
  alarms::Form3& Form3() { return form3_; }
  alarms::Form4& Form4() { return form4_; }
  about::Form5& Form5() { return form5_; }
  notes::NotePool& Notes() { return notes_; }
  alarms::Module7& Sound() { return sound_; }

  // Loads the start-up window, which registers the tray icon.
  void Start();

 private:
  ui::Form& AlarmDialog() override { return form3_; }
  ui::Form& About() override { return form5_; }
  alarms::KeyboardUse CurrentKeyboardUse() override;
  bool NoteHasKeyboard() const;

  void UnloadForSessionEnd();
  void BringWindowsWithinReach();

  ui::Toolkit& toolkit_;
  // Declared in the order they are built; they go in reverse, so the windows
  // go before the pool and the sound that their destructors may still reach.
  ui::WebSite site_;
  alarms::Module7 sound_;
  notes::NotePool notes_;
  shell::Form1 form1_;
  alarms::Form3 form3_;  // holds the alert, which is built right after it
  alarms::Form4 form4_;
  about::Form5 form5_;
};
