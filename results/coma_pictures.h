#pragma once
// The pictures of the comas window, in the program folder's "Infograf"
// folder (found whatever its case): the track picture Comes.jpg, one
// picture per coma value, and the pixel table PxCm.txt that maps a point of
// the track picture to a coma.
#include <filesystem>
#include <optional>
#include <string>

namespace sc {

inline constexpr const char* kInfografFolder = "Infograf";
inline constexpr const char* kTrackPicture = "Comes.jpg";
inline constexpr const char* kPixelTable = "PxCm.txt";

// Infograf\NAME under the program folder.
std::filesystem::path InfografFile(const std::filesystem::path& appFolder, const std::string& name);
// The picture to show for the coma text of the focused box: its own picture
// when it exists, else the track picture.
std::filesystem::path ComaPicture(const std::filesystem::path& appFolder, const std::string& comaText);

// The coma of the first line "x,y,coma" of the table whose x and y are the
// pixel exactly; nothing when no line is (or the table cannot be read).
// Lines that do not hold three numbers are skipped.
std::optional<std::string> ComaAtPixel(const std::filesystem::path& table, int x, int y);

}  // namespace sc
