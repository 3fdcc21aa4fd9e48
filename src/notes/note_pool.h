// The pool of note windows: numbered slots, each holding one note or none.
// A note's slot number is its number on screen and decides where it opens.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "ui/platform.h"
#include "ui/toolkit.h"

namespace notes {

class Form2;

class NotePool {
 public:
  // The pool starts with the single free slot 0.
  NotePool(ui::Toolkit& toolkit, ui::Platform& platform);
  ~NotePool();
  NotePool(const NotePool&) = delete;
  NotePool& operator=(const NotePool&) = delete;

  // Creates a note window in the lowest free slot, loads it, writes the slot
  // number into its label and returns the slot. Trailing free slots are
  // dropped first, and the pool grows by one slot when all are in use.
  // Throws ui::WindowCreationError, with the pool unchanged, when the note's
  // window cannot be created.
  std::int16_t AllocateNoteSlot();

  // The note of `slot`, or nullptr for an empty or nonexistent slot.
  std::shared_ptr<Form2> Notes(int slot) const;
  // 1 while `slot` is in use, 0 while it is free; one entry per slot.
  const std::vector<std::int16_t>& NoteInUse() const { return noteInUse_; }
  std::int16_t NoteUpper() const { return noteUpper_; }

  // Whether `slot` holds this very note, and the slot that does.
  bool Holds(int slot, const Form2& note) const;
  std::optional<int> SlotOf(const Form2& note) const;

  // A closing note gives its slot back in two steps, around the destruction
  // of its window: the flag first, then the pool's reference.
  void MarkSlotFree(int slot);
  void ReleaseSlot(int slot);

 private:
  void Resize(int upper);

  ui::Toolkit& toolkit_;
  ui::Platform& platform_;
  std::vector<std::shared_ptr<Form2>> notes_;
  std::vector<std::int16_t> noteInUse_;
  std::int16_t noteUpper_ = 0;
};

}  // namespace notes
