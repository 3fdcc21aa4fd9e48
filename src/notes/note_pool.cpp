#include "notes/note_pool.h"

#include <string>

#include "notes/form2.h"

namespace notes {

NotePool::NotePool(ui::Toolkit& toolkit, ui::Platform& platform)
    : toolkit_(toolkit), platform_(platform), notes_(1), noteInUse_(1, 0) {}

NotePool::~NotePool() = default;

std::int16_t NotePool::AllocateNoteSlot() {
  // The note's window first, so that a window that cannot be created leaves
  // the pool as it was. Its load handler runs here, before its number is
  // written.
  auto note = std::make_shared<Form2>(toolkit_, platform_, *this);
  ui::Window& window = note->EnsureLoaded();

  int i = noteUpper_;
  while (i >= 0 && noteInUse_[i] != 1) --i;
  if (i < 0) i = 0;
  if (i < noteUpper_) Resize(i);

  int j = 0;
  while (j <= noteUpper_ && noteInUse_[j] != 0) ++j;
  // The window system's limit on windows per process is far below the 32767
  // slots a 16-bit number allows, so `j` always fits.
  if (j > noteUpper_) Resize(j);

  notes_[j] = std::move(note);
  window.SetText(Form2::kLabel1, std::to_string(j));
  noteInUse_[j] = 1;
  return static_cast<std::int16_t>(j);
}

std::shared_ptr<Form2> NotePool::Notes(int slot) const {
  if (slot < 0 || slot > noteUpper_) return nullptr;
  return notes_[slot];
}

bool NotePool::Holds(int slot, const Form2& note) const { return Notes(slot).get() == &note; }

std::optional<int> NotePool::SlotOf(const Form2& note) const {
  for (int slot = 0; slot <= noteUpper_; ++slot)
    if (notes_[slot].get() == &note) return slot;
  return std::nullopt;
}

void NotePool::MarkSlotFree(int slot) {
  if (slot >= 0 && slot <= noteUpper_) noteInUse_[slot] = 0;
}

void NotePool::ReleaseSlot(int slot) {
  if (slot >= 0 && slot <= noteUpper_) notes_[slot].reset();
}

void NotePool::Resize(int upper) {
  notes_.resize(upper + 1);
  noteInUse_.resize(upper + 1, 0);
  noteUpper_ = static_cast<std::int16_t>(upper);
}

}  // namespace notes
