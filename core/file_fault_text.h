#pragma once
// What a person reads about a file that could not be read, in Catalan or
// Spanish: the file named, what is wrong with it and, in brackets, the byte
// where reading stopped.

#include <string>

#include "core/file_error.h"
#include "core/write_result.h"

namespace sc {

// "L'arxiu PROVA001\CRS001.PAR està malmès: s'acaba a mig d'un valor (byte 9)."
// Language 1 is Spanish, any other Catalan.
std::string FileFaultText(int language, const FileError& e);

// The file and why it could not be written, to follow "No s'ha pogut gravar":
// "PROVA001\PROVA.DAD: el disc és ple". The common errno values in words,
// others by their number.
std::string FileWriteText(int language, const WriteError& e);
// The system's reason alone: "el disc és ple".
std::string WriteReasonText(int language, int error);

// The file as a person finds it: "PROVA001\CRS001.PAR" inside a race folder,
// else its name alone.
std::string ShownFileName(const std::filesystem::path& file);

}  // namespace sc
