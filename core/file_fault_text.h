#pragma once
// What a person reads about a file that could not be read, in Catalan or
// Spanish: the file named, what is wrong with it and, in brackets, the byte
// where reading stopped.

#include <string>

#include "core/file_error.h"

namespace sc {

// "L'arxiu PROVA001\CRS001.PAR està malmès: s'acaba a mig d'un valor (byte 9)."
// Language 1 is Spanish, any other Catalan.
std::string FileFaultText(int language, const FileError& e);

// The file as a person finds it: "PROVA001\CRS001.PAR" inside a race folder,
// else its name alone.
std::string ShownFileName(const std::filesystem::path& file);

}  // namespace sc
