// Whole runs of the program over the recording fakes: the input is a script
// of user and system actions (tray clicks of every kind, popup choices, note
// drags, roll-ups, hides and closes, typing into the alarm dialog and its
// buttons, timer ticks, stalls, sleeps, clock and time zone changes, the
// alert and About windows). A
// message box's modal loop may run one more action, as the real one lets
// the notes, the tray icon and the timers work while it is open.
//
// After every action the program must be consistent: the pool and the live
// note windows match one to one, each note shows its own slot number, the two
// alarm timers never run together, a looping sound has its alert window,
// and the sound buffer the system reads is alive. A Set shows exactly the
// message its input calls for, and an alarm fires only at its moment: while
// the clock just runs, a time of day fires on the tick that shows its minute.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "alarm/alarm_input.h"
#include "alarm/form3.h"
#include "alarm/form4.h"
#include "app/program.h"
#include "fake/fake_clock.h"
#include "fake/fake_platform.h"
#include "fake/fake_toolkit.h"
#include "fuzz_check.h"
#include "notes/form2.h"
#include "notes/note_pool.h"
#include "shell/form1.h"

namespace {

using alarms::Form3;
using shell::Form1;

constexpr std::uint32_t kSndLoop = 8;

// The script, read front to back: one byte picks an action, the next bytes
// its details. Reading past the end gives zeros. Inserting or erasing bytes
// thus inserts or erases whole actions, which suits libFuzzer's mutations,
// and seeds can be written by hand.
class Script {
 public:
  Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool More() const { return next_ < size_; }
  std::uint8_t Byte() { return next_ < size_ ? data_[next_++] : 0; }
  bool Bool() { return Byte() & 1; }
  // A whole number from 0 to last.
  int Pick(int last) { return Byte() % (last + 1); }
  template <typename T, std::size_t N>
  T PickOf(const T (&values)[N]) {
    return values[Byte() % N];
  }
  std::string Text() {
    const std::size_t length = Byte() % 41;
    std::string text;
    for (std::size_t i = 0; i < length && More(); ++i) text += static_cast<char>(Byte());
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t next_ = 0;
};

// Knows whether the sound the system plays is the alert's loop.
class SoundWatchingPlatform : public fake::FakePlatform {
 public:
  int sndPlaySoundA(const void* sound, std::uint32_t flags) override {
    looping = sound && (flags & kSndLoop);
    return FakePlatform::sndPlaySoundA(sound, flags);
  }
  bool looping = false;
};

class Run {
 public:
  explicit Run(Script& input) : in_(input) {
    clock_.systemMs = (154'000 * ui::kSecondsPerDay + 12 * 3600) * 1000;
    toolkit_.onMsgBox = [this](const fake::MsgBoxCall&) { InsideMessageBox(); };
  }

  void Play() {
    program_.Start();
    while (in_.More() && !toolkit_.ended) {
      Act(/*nested=*/false);
      if (!toolkit_.ended) CheckConsistency();
    }
  }

 private:
  enum Action { kTray, kNewNoteButton, kNote, kDialog, kTick, kClock, kAlert, kAbout, kForm1 };

  fake::FakeWindow* Loaded(const char* name) {
    fake::FakeWindow* window = toolkit_.Find(name);
    return window && window->Loaded() ? window : nullptr;
  }
  fake::FakeWindow* Shown(const char* name) {
    fake::FakeWindow* window = Loaded(name);
    return window && window->Visible() ? window : nullptr;
  }
  std::vector<fake::FakeWindow*> LoadedNotes() {
    std::vector<fake::FakeWindow*> notes;
    for (fake::FakeWindow* w : toolkit_.All("Form2"))
      if (w->Loaded()) notes.push_back(w);
    return notes;
  }

  // The modal loop of a box shown by the alarm dialog: the dialog itself is
  // disabled, and ending the program from the menu would not return here.
  void InsideMessageBox() {
    if (nestedRan_ || !in_.Bool()) return;
    nestedRan_ = true;
    Act(/*nested=*/true);
  }

  void Act(bool nested) {
    switch (in_.Pick(kForm1)) {
      case kTray:
        return Tray(nested);
      case kNewNoteButton:
        if (fake::FakeWindow* form1 = Loaded("Form1"))
          form1->Events().Click(Form1::kCmdMakeANewWindow);
        return;
      case kNote:
        return Note();
      case kDialog:
        if (!nested) Dialog();
        return;
      case kTick:
        return Tick();
      case kClock:
        return Clock();
      case kAlert:
        return Alert();
      case kAbout:
        return About();
      case kForm1:
        if (!nested) Form1Frame();
        return;
    }
  }

  // Any whole number of 24 bits, either sign.
  int AnyNumber() {
    int number = 0;
    for (int i = 0; i < 3; ++i) number = number << 8 | in_.Byte();
    return number - 0x800000;
  }

  void Tray(bool nested) {
    fake::FakeWindow* form1 = Loaded("Form1");
    if (!form1) return;  // no window, no icon
    static constexpr int kMessages[] = {0x200, 0x201, 0x202, 0x203, 0x204, 0x205, 0x205, 0x206};
    const int message = in_.Bool() ? in_.PickOf(kMessages) : AnyNumber();
    if (message == 0x205) {
      static constexpr int kItems[] = {0,
                                       Form1::kMNewNote,
                                       Form1::kMnuAlarmMe,
                                       Form1::kMnuOrange,
                                       Form1::kMnuGreen,
                                       Form1::kMnuBlue,
                                       Form1::kMnuYellow,
                                       Form1::kMnuRed,
                                       Form1::kMnuPink,
                                       Form1::kMnuTutorials,
                                       Form1::kMnuAbout,
                                       Form1::kMPopExit};
      const int item = in_.PickOf(kItems);
      toolkit_.nextPopupChoice = nested && item == Form1::kMPopExit ? 0 : item;
    }
    const double x = form1->ScaleMode() == 3 ? message : message * toolkit_.twipsPerPixel;
    form1->Events().MouseMove(ui::kForm, 0, 0, x, 0);
    toolkit_.nextPopupChoice = 0;
  }

  void Note() {
    const std::vector<fake::FakeWindow*> notes = LoadedNotes();
    if (notes.empty()) return;
    fake::FakeWindow& note = *notes[in_.Byte() % notes.size()];
    ui::FormEvents& events = note.Events();
    switch (in_.Pick(8)) {
      case 0:
        return note.Close(in_.Pick(3));
      case 1:
        return note.Unload();
      case 2:
        return events.Click(notes::Form2::kImage1);  // hides it
      case 3:
        return events.DblClick(ui::kForm);  // rolls it up or down
      case 4:
        return events.DblClick(1 + in_.Pick(3));
      case 5:
        return events.MouseDown(ui::kForm, ui::kLeftButton, 0, 100, 100);
      case 6:
        return events.MouseDown(notes::Form2::kLabel1, ui::kLeftButton, 0, 10, 370);
      case 7:
        return events.Paint();
      case 8: {
        const int box = in_.Bool() ? notes::Form2::kText1 : notes::Form2::kText2;
        return note.SetText(box, in_.Text());
      }
    }
  }

  std::string TypedText() {
    if (in_.Bool()) return in_.Text();
    static const char* const kTexts[] = {"",    "0",   " 0 ", "0.0", "1.5",  "-2",     "0.004",
                                         "1e9", "23",  "24",  " 5",  " 59",  "60",     "007",
                                         "abc", "1,5", "inf", "nan", "0x10", "1e-400", "35791395"};
    return in_.PickOf(kTexts);
  }

  void Dialog() {
    fake::FakeWindow* dialog = Shown("Form3");
    if (!dialog) return;
    switch (in_.Pick(10)) {
      case 0:
        return dialog->SetValue(Form3::kOption1, 1);
      case 1:
        return dialog->SetValue(Form3::kOption2, 1);
      case 2:
        return dialog->SetText(Form3::kTxtAlarmAfter, TypedText());
      case 3:
        return dialog->SetText(Form3::kCboHour, TypedText());
      case 4:
        return dialog->SetText(Form3::kCboMinute, TypedText());
      case 5:
        return dialog->SetValue(Form3::kCheck1, dialog->Value(Form3::kCheck1) ? 0 : 1);
      case 6:
        return Set(*dialog);
      case 7:
        return Expect(*dialog, Form3::kCmdCancelAlarm, "Alarm deactivated successfully!");
      case 8:
        return dialog->Events().Click(Form3::kCmdCancel);
      case 9:
        return dialog->Events().Click(Form3::kCmdTestSound);
      case 10:
        return dialog->Close(ui::kFormControlMenu);
    }
  }

  // Presses a dialog button that must show exactly the message `text`.
  void Expect(fake::FakeWindow& dialog, int button, const std::string& text) {
    const std::size_t before = toolkit_.msgBoxes.size();
    nestedRan_ = false;
    dialog.Events().Click(button);
    FUZZ_CHECK(toolkit_.msgBoxes.size() == before + 1);
    FUZZ_CHECK(toolkit_.msgBoxes[before].text == text);
  }

  void Set(fake::FakeWindow& dialog) {
    const bool minutesMode = dialog.Value(Form3::kOption1) != 0;
    const bool timeMode = dialog.Value(Form3::kOption2) != 0;
    const alarms::MinutesReading minutes =
        alarms::ReadAlarmMinutes(dialog.Text(Form3::kTxtAlarmAfter));
    const auto time =
        alarms::ReadAlarmTime(dialog.Text(Form3::kCboHour), dialog.Text(Form3::kCboMinute));
    const bool timersBefore[] = {dialog.TimerEnabled(Form3::kTimer1),
                                 dialog.TimerEnabled(Form3::kTimer2)};

    std::string message = "Alarm set successfully!";
    if (!minutesMode && !timeMode) message = "Please choose an alarm mode";
    if (minutesMode && minutes.status == alarms::MinutesStatus::kInvalid)
      message = "Please enter a valid minute unit";
    else if (minutesMode && minutes.status == alarms::MinutesStatus::kZero)
      message = "Can not equal 0!";
    else if (timeMode && !time)
      message = "Please choose time";
    Expect(dialog, Form3::kCmdSet, message);
    if (nestedRan_) {  // a tick inside the box may have fired the alarm
      steady_ = false;
      return;
    }

    Form3& form = program_.Form3();
    if (message != "Alarm set successfully!") {
      FUZZ_CHECK(dialog.Visible());
      FUZZ_CHECK(dialog.TimerEnabled(Form3::kTimer1) == timersBefore[0]);
      FUZZ_CHECK(dialog.TimerEnabled(Form3::kTimer2) == timersBefore[1]);
      return;
    }
    FUZZ_CHECK(!dialog.Visible());
    FUZZ_CHECK(form.TicksElapsed() == 0);
    FUZZ_CHECK(dialog.TimerEnabled(Form3::kTimer1) == minutesMode);
    FUZZ_CHECK(dialog.TimerEnabled(Form3::kTimer2) == timeMode);
    if (minutesMode) FUZZ_CHECK(form.AlarmSeconds() == minutes.seconds);
    if (timeMode) {
      FUZZ_CHECK(form.AlarmTimeText() == alarms::FormatTimeOfDay(*time));
      steady_ = true;
      firstLook_ = true;
      setInItsMinute_ = alarms::FormatTimeOfDay(WallClock()) == form.AlarmTimeText();
    }
  }

  alarms::TimeOfDay WallClock() const {
    const ui::LocalSeconds local = clock_.LocalTimeAt(clock_.Now()) % ui::kSecondsPerDay;
    return {static_cast<int>(local / 3600), static_cast<int>(local / 60 % 60)};
  }

  // The clock is set to h:m:s of its day, the time zone changes, or the
  // computer sleeps for m minutes and s seconds and wakes up.
  void Clock() {
    const std::uint8_t kind = in_.Byte();
    const int hour = kind % 24, minute = in_.Pick(59), second = in_.Pick(59);
    steady_ = false;
    switch (kind / 24 % 3) {
      case 0: {
        const ui::LocalSeconds local = clock_.LocalTimeAt(clock_.Now());
        const ui::LocalSeconds wanted =
            local - local % ui::kSecondsPerDay + (hour * 60 + minute) * 60 + second;
        clock_.systemMs += (wanted - local) * 1000;
        return toolkit_.Broadcast(&ui::FormEvents::ClockChanged);
      }
      case 1:
        clock_.zone = {{0, (hour - 12) * 3600 + minute * 60}};
        return toolkit_.Broadcast(&ui::FormEvents::ClockChanged);
      case 2:
        clock_.Pass((minute * 60 + second) * 1000);
        return toolkit_.Broadcast(&ui::FormEvents::Resumed);
    }
  }

  int AlertsShown() const {
    int shown = 0;
    for (const std::string& entry : toolkit_.log) shown += entry == "Show Form4";
    return shown;
  }

  // Each running timer ticks: after a second, at once, or after a stall of
  // the program of some minutes.
  void Tick() {
    const std::uint8_t how = in_.Byte();
    if (how & 1) clock_.Pass(1000);
    if (how & 2) {
      clock_.Pass((how >> 2) * 60'000);
      steady_ = false;
    }
    for (int timer : {Form3::kTimer1, Form3::kTimer2}) {
      fake::FakeWindow* dialog = Loaded("Form3");
      if (!dialog || !dialog->TimerEnabled(timer)) continue;
      const int alertsBefore = AlertsShown();
      dialog->Events().Timer(timer);
      const bool fired = AlertsShown() != alertsBefore;
      const Form3& form = program_.Form3();
      if (timer == Form3::kTimer1 && fired) FUZZ_CHECK(form.TicksElapsed() >= form.AlarmSeconds());
      if (timer == Form3::kTimer2 && steady_) {
        const bool showing = alarms::FormatTimeOfDay(WallClock()) == form.AlarmTimeText();
        FUZZ_CHECK(fired == (showing || (firstLook_ && setInItsMinute_)));
        firstLook_ = false;
      }
    }
  }

  void Alert() {
    fake::FakeWindow* alert = Loaded("Form4");
    if (!alert) return;
    switch (in_.Pick(2)) {
      case 0:
        return alert->Events().Click(alarms::Form4::kImage2);
      case 1:
        return alert->Events().Click(alarms::Form4::kImage1);
      case 2:
        return alert->Close(in_.Pick(3));
    }
  }

  void About() {
    fake::FakeWindow* about = Loaded("Form5");
    if (!about) return;
    const int control = in_.Pick(7);
    switch (in_.Pick(2)) {
      case 0:
        return about->Events().Click(control);
      case 1:
        return about->Events().MouseMove(control, 0, 0, 10, 10);
      case 2:
        return about->Close(in_.Pick(3));
    }
  }

  // The controller window, were the platform ever to show it.
  void Form1Frame() {
    fake::FakeWindow* form1 = Loaded("Form1");
    if (!form1) return;
    switch (in_.Pick(5)) {
      case 0:
        return form1->SetValue(Form1::kChkCloseMeansClose,
                               form1->Value(Form1::kChkCloseMeansClose) ? 0 : 1);
      case 1:
        return form1->Close(in_.Pick(3));
      case 2:
        return form1->SetState(ui::WindowState::Minimized);
      case 3:
        return form1->Events().Click(Form1::kMPopExitCmd);
      case 4:
        return form1->Events().Click(in_.Bool() ? Form1::kImageYellow : Form1::kCommand1);
      case 5:
        return form1->Events().TaskbarCreated();
    }
  }

  void CheckConsistency() {
    notes::NotePool& pool = program_.Notes();
    const std::vector<std::int16_t>& inUse = pool.NoteInUse();
    FUZZ_CHECK(static_cast<int>(inUse.size()) == pool.NoteUpper() + 1);
    std::set<ui::Handle> held;
    for (int slot = 0; slot <= pool.NoteUpper(); ++slot) {
      FUZZ_CHECK(inUse[slot] == 0 || inUse[slot] == 1);
      const auto note = pool.Notes(slot);
      FUZZ_CHECK((inUse[slot] == 1) == (note != nullptr));
      if (!note) continue;
      FUZZ_CHECK(note->IsLoaded());
      FUZZ_CHECK(held.insert(note->Hwnd()).second);
    }
    std::set<ui::Handle> live;
    for (fake::FakeWindow* window : LoadedNotes()) {
      live.insert(window->Hwnd());
      FUZZ_CHECK(held.count(window->Hwnd()) == 1);
      const std::string label = window->Text(notes::Form2::kLabel1);
      FUZZ_CHECK(!label.empty() && label.size() <= 5);
      const int slot = std::stoi(label);
      FUZZ_CHECK(slot <= pool.NoteUpper() && pool.Notes(slot) &&
                 pool.Notes(slot)->Hwnd() == window->Hwnd());
    }
    FUZZ_CHECK(live == held);

    if (fake::FakeWindow* dialog = Loaded("Form3"))
      FUZZ_CHECK(!(dialog->TimerEnabled(Form3::kTimer1) && dialog->TimerEnabled(Form3::kTimer2)));
    if (platform_.looping) FUZZ_CHECK(Loaded("Form4") != nullptr);
    FUZZ_CHECK(platform_.DeadBufferReads() == 0);
  }

  Script& in_;
  fake::FakeToolkit toolkit_;
  SoundWatchingPlatform platform_;
  fake::FakeClock clock_;
  Program program_{toolkit_, platform_, clock_, "https://www.paperwisp.example"};
  bool nestedRan_ = false;
  // Since the last time-of-day Set, time has only passed a second at a time.
  bool steady_ = false;
  bool firstLook_ = false;
  bool setInItsMinute_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Script script(data, size);
  Run(script).Play();
  return 0;
}
