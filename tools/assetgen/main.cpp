// assetgen OUTPUT_DIR [FONT_FILE]
// Draws every picture, icon and sound of the program into OUTPUT_DIR
// (normally the repository's assets/ directory). The output depends on
// nothing but this code, the font and the encoder libraries, so running it
// twice gives the same bytes.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "artwork.h"
#include "resource_ids.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteIcon(const fs::path& directory, const std::string& name,
               const assetgen::IconPicture& icon, std::uint16_t iconId) {
  Write(directory / (name + ".ico"), assetgen::IconFileBytes(icon));
  // The resource script builds the icon resources from these two raw parts.
  Write(directory / (name + ".icoimg"), assetgen::IconImageBytes(icon));
  Write(directory / (name + ".grp"), assetgen::IconGroupBytes(icon, iconId));
}

void Generate(const fs::path& out, const std::string& fontFile) {
  using assetgen::NoteStyle;
  const struct {
    NoteStyle style;
    const char* file;
  } sheets[] = {{NoteStyle::Orange, "note_orange.gif"}, {NoteStyle::Red, "note_red.gif"},
                {NoteStyle::Yellow, "note_yellow.gif"}, {NoteStyle::Pink, "note_pink.gif"},
                {NoteStyle::Blue, "note_blue.gif"},     {NoteStyle::Green, "note_green.gif"}};
  const fs::path pictures = out / "pictures";
  for (const auto& sheet : sheets)
    Write(pictures / sheet.file, assetgen::NoteSheetGif(sheet.style));
  Write(pictures / "close.gif", assetgen::CloseGlyphGif());
  Write(pictures / "emblem.gif", assetgen::EmblemGif());
  Write(pictures / "about.jpg", assetgen::AboutJpeg(fontFile));
  Write(pictures / "alert.jpg", assetgen::AlertJpeg(fontFile));

  const fs::path icons = out / "icons";
  WriteIcon(icons, "app_note", assetgen::ApplicationNoteIcon(), IDI_IMAGE_APPLICATION_NOTE);
  WriteIcon(icons, "controller", assetgen::ControllerIcon(), IDI_IMAGE_CONTROLLER);
  WriteIcon(icons, "small_sheet", assetgen::SmallSheetIcon(), IDI_IMAGE_SMALL_SHEET);

  Write(out / "sound" / "alarm.wav", assetgen::AlarmWave());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: assetgen OUTPUT_DIR [FONT_FILE]\n";
    return 2;
  }
  try {
    Generate(argv[1], argc == 3 ? argv[2] : ASSETGEN_DEFAULT_FONT);
  } catch (const std::exception& error) {
    std::cerr << "assetgen: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
