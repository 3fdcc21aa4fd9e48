#include "app/program.h"

Program::Program(ui::Toolkit& toolkit, ui::Platform& platform, std::string siteAddress)
    : site_(platform, std::move(siteAddress)),
      sound_(platform),
      notes_(toolkit, platform),
      form1_(toolkit, platform, notes_, *this, site_),
      form3_(toolkit, platform, sound_, form4_, form1_),
      form4_(toolkit, sound_, form3_, form1_),
      form5_(toolkit, platform, site_) {}

void Program::Start() { form1_.EnsureLoaded(); }
