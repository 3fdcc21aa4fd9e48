// The window of one note: a borderless, colour-keyed sheet with a heading and
// a body, which the user drags, rolls up and hides.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "ui/form.h"
#include "ui/platform.h"

namespace notes {

class NotePool;

// Held by the note pool through std::shared_ptr. Each event holds its own
// reference while it runs, because closing a note releases the pool's
// reference from inside the note's own handler.
class Form2 : public ui::Form, public std::enable_shared_from_this<Form2> {
 public:
  // Control ids of the layout.
  enum : int {
    kText1 = 1,  // body
    kLabel1,     // slot number; drag handle
    kText2,      // heading
    kImage1,     // close glyph
  };

  // Height of a rolled-up note, in twips.
  static constexpr double kRolledUpHeight = 460;

  Form2(ui::Toolkit& toolkit, ui::Platform& platform, NotePool& pool);

  // Height at load, in whole twips: what unrolling restores.
  std::int32_t SavedHeight() const { return savedHeight_; }
  bool RolledUp() const { return rolledUp_; }

 private:
  void Load() override;
  void QueryUnload(int& cancel, int unloadMode) override;
  void Paint() override;
  void Click(int id) override;
  void DblClick(int id) override;
  void MouseDown(int id, int button, int shift, double x, double y) override;

  void Form_Load();
  void Form_QueryUnload();
  void Form_Paint();
  void Form_DblClick();
  void Form_MouseDown();
  void Label1_MouseDown();
  void Image1_Click();

  void DragWindow();
  std::optional<int> OwnSlot();

  ui::Platform& platform_;
  NotePool& pool_;
  std::int32_t savedHeight_ = 0;
  bool rolledUp_ = false;
};

}  // namespace notes
