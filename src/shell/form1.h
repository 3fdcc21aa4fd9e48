// Skeleton: replaced by the real window.
#pragma once

#include <string>

#include "app/program.h"
#include "ui/form.h"

namespace shell {

class Form1 : public ui::Form {
 public:
  explicit Form1(Program& program);

  // The caption of the "Alarm Me" menu item, the only display of the alarm.
  void SetAlarmMeCaption(const std::string& caption);
  std::string AlarmMeCaption();

 private:
  Program& program_;
};

}  // namespace shell
