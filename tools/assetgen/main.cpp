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

// The sizes every icon group carries: small icons at 100 % to 400 % of 16
// pixels, large ones at 100 % to 200 % of 32.
constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64};

using IconDrawing = assetgen::IconPicture (*)(int size);

// The window icon (one image, also as a .ico file) and the group that adds
// every other size to it.
void WriteIconGroup(const fs::path& directory, const std::string& name, IconDrawing draw, int group,
                    int windowIconSize, std::uint16_t windowIconId) {
  std::vector<assetgen::IconPicture> images;
  std::vector<std::uint16_t> ids;
  images.push_back(draw(windowIconSize));
  ids.push_back(windowIconId);
  Write(directory / (name + ".ico"), assetgen::IconFileBytes(images.back()));
  // The resource script builds the icon resources from these raw parts.
  Write(directory / (name + ".icoimg"), assetgen::IconImageBytes(images.back()));
  for (int size : kIconSizes) {
    if (size == windowIconSize) continue;
    images.push_back(draw(size));
    ids.push_back(static_cast<std::uint16_t>(IDI_IMAGE_OF_SIZE(group, size)));
    Write(directory / (name + "_" + std::to_string(size) + ".icoimg"),
          assetgen::IconImageBytes(images.back()));
  }
  std::vector<assetgen::IconGroupEntry> entries;
  for (std::size_t i = 0; i < images.size(); ++i) entries.push_back({&images[i], ids[i]});
  Write(directory / (name + ".grp"), assetgen::IconGroupBytes(entries));
}

// A picture's file name at a scale: the 100 % one keeps the plain name.
std::string AtScale(const std::string& stem, const char* extension, int percent) {
  return percent == 100 ? stem + extension : stem + "_" + std::to_string(percent) + extension;
}

void Generate(const fs::path& out, const std::string& fontFile) {
  using assetgen::NoteStyle;
  const struct {
    NoteStyle style;
    const char* stem;
  } sheets[] = {{NoteStyle::Orange, "note_orange"}, {NoteStyle::Red, "note_red"},
                {NoteStyle::Yellow, "note_yellow"}, {NoteStyle::Pink, "note_pink"},
                {NoteStyle::Blue, "note_blue"},     {NoteStyle::Green, "note_green"}};
  const fs::path pictures = out / "pictures";
  for (int percent : assetgen::kPictureScales) {
    for (const auto& sheet : sheets)
      Write(pictures / AtScale(sheet.stem, ".gif", percent),
            assetgen::NoteSheetGif(sheet.style, percent));
    Write(pictures / AtScale("close", ".gif", percent), assetgen::CloseGlyphGif(percent));
    Write(pictures / AtScale("emblem", ".gif", percent), assetgen::EmblemGif(percent));
    Write(pictures / AtScale("about", ".jpg", percent), assetgen::AboutJpeg(fontFile, percent));
    Write(pictures / AtScale("alert", ".jpg", percent), assetgen::AlertJpeg(fontFile, percent));
  }

  const fs::path icons = out / "icons";
  WriteIconGroup(icons, "app_note", assetgen::ApplicationNoteIcon, IDI_APPLICATION_NOTE, 48,
                 IDI_IMAGE_APPLICATION_NOTE);
  WriteIconGroup(icons, "controller", assetgen::ControllerIcon, IDI_CONTROLLER, 48,
                 IDI_IMAGE_CONTROLLER);
  WriteIconGroup(icons, "small_sheet", assetgen::SmallSheetIcon, IDI_SMALL_SHEET, 32,
                 IDI_IMAGE_SMALL_SHEET);

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
