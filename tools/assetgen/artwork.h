// Every picture, icon and sound of the program, drawn from scratch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "icon_file.h"

namespace assetgen {

enum class NoteStyle { Orange, Red, Yellow, Pink, Blue, Green };

// Every picture is drawn at each of these scales, in percent of its own
// pixel size, so that the program never has to enlarge one on a display
// of up to the largest scale. Each is a rendering of its own, not a resized
// copy: edges and lettering fall on that scale's pixels.
inline constexpr int kPictureScales[] = {100, 200};

// A length of a picture at a scale, rounded to whole pixels.
constexpr int ScaledLength(int length, int percent) { return (length * percent + 50) / 100; }

std::vector<std::uint8_t> NoteSheetGif(NoteStyle style, int percent);
std::vector<std::uint8_t> CloseGlyphGif(int percent);
std::vector<std::uint8_t> EmblemGif(int percent);
std::vector<std::uint8_t> AboutJpeg(const std::string& fontFile, int percent);
std::vector<std::uint8_t> AlertJpeg(const std::string& fontFile, int percent);

// The window icons at a size in pixels; each size is drawn for itself.
IconPicture ApplicationNoteIcon(int size);
IconPicture ControllerIcon(int size);
IconPicture SmallSheetIcon(int size);

std::vector<std::uint8_t> AlarmWave();

}  // namespace assetgen
