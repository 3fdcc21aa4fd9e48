// Every picture, icon and sound of the program, drawn from scratch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "icon_file.h"

namespace assetgen {

enum class NoteStyle { Orange, Red, Yellow, Pink, Blue, Green };

std::vector<std::uint8_t> NoteSheetGif(NoteStyle style);
std::vector<std::uint8_t> CloseGlyphGif();
std::vector<std::uint8_t> EmblemGif();
std::vector<std::uint8_t> AboutJpeg(const std::string& fontFile);
std::vector<std::uint8_t> AlertJpeg(const std::string& fontFile);

IconPicture ApplicationNoteIcon();
IconPicture ControllerIcon();
IconPicture SmallSheetIcon();

std::vector<std::uint8_t> AlarmWave();

}  // namespace assetgen
