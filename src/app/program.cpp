#include "app/program.h"

#include "about/form5.h"
#include "alarm/form3.h"
#include "alarm/form4.h"
#include "alarm/module7.h"
#include "notes/note_pool.h"
#include "shell/form1.h"

namespace {
template <typename T, typename... Args>
T& CreateOnFirstUse(std::unique_ptr<T>& slot, Args&&... args) {
  if (!slot) slot = std::make_unique<T>(std::forward<Args>(args)...);
  return *slot;
}
}  // namespace

Program::Program(ui::Toolkit& toolkit, ui::Platform& platform, std::string siteAddress)
    : toolkit_(toolkit), platform_(platform), siteAddress_(std::move(siteAddress)) {
  while (!siteAddress_.empty() && siteAddress_.back() == '/') siteAddress_.pop_back();
}

// Windows go first: their destructors may still reach the pool and the sound.
Program::~Program() {
  form5_.reset();
  form4_.reset();
  form3_.reset();
  form1_.reset();
  notes_.reset();
}

shell::Form1& Program::Form1() { return CreateOnFirstUse(form1_, *this); }
alarms::Form3& Program::Form3() { return CreateOnFirstUse(form3_, *this); }
alarms::Form4& Program::Form4() { return CreateOnFirstUse(form4_, *this); }
about::Form5& Program::Form5() { return CreateOnFirstUse(form5_, *this); }
notes::NotePool& Program::Notes() { return CreateOnFirstUse(notes_, *this); }
alarms::Module7& Program::Sound() { return CreateOnFirstUse(sound_, platform_); }

void Program::Start() { Form1().Win(); }
