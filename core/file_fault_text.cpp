#include "core/file_fault_text.h"

#include <cerrno>

namespace sc {

namespace {

struct FaultText {
    FileFault fault;
    const char* catalan;
    const char* spanish;
};

constexpr FaultText kFaults[] = {
    {FileFault::Damaged, "està malmès: té dades que no són vàlides",
     "está dañado: tiene datos que no son válidos"},
    {FileFault::Unreadable, "no existeix o no s'ha pogut llegir", "no existe o no se ha podido leer"},
    {FileFault::Truncated, "està malmès: s'acaba a mig d'un valor",
     "está dañado: termina a mitad de un valor"},
    {FileFault::BadText, "està malmès: hi ha un text de llargada incorrecta",
     "está dañado: hay un texto de longitud incorrecta"},
    {FileFault::PartialRecord, "està malmès: s'acaba amb un registre incomplet",
     "está dañado: termina con un registro incompleto"},
    {FileFault::BadHeatBlock, "està malmès: les mànigues que guarda no lliguen",
     "está dañado: las mangas que guarda no cuadran"},
    {FileFault::TooManyEntries, "està malmès: té més noms dels que pot tenir una llista",
     "está dañado: tiene más nombres de los que puede tener una lista"},
};

struct ReasonText {
    int error;
    const char* catalan;
    const char* spanish;
};

// std::strerror speaks English: the reasons a director meets, in words.
constexpr ReasonText kReasons[] = {
    {kTextNotWritable, "hi ha un text amb caràcters que l'arxiu no admet",
     "hay un texto con caracteres que el archivo no admite"},
    {ENOSPC, "el disc és ple", "el disco está lleno"},
    {EACCES, "no hi ha permís per escriure-hi", "no hay permiso para escribir en él"},
    {EPERM, "no hi ha permís per escriure-hi", "no hay permiso para escribir en él"},
    {EROFS, "el disc només es pot llegir", "el disco es de solo lectura"},
    {ENOENT, "l'arxiu o la carpeta no existeix", "el archivo o la carpeta no existe"},
    {EIO, "el disc ha fallat en escriure", "el disco ha fallado al escribir"},
};

bool inRaceFolder(const std::filesystem::path& file) {
    return file.parent_path().filename().string().rfind("PROVA", 0) == 0;
}

}  // namespace

std::string ShownFileName(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    return inRaceFolder(file) ? file.parent_path().filename().string() + "\\" + name : name;
}

std::string WriteReasonText(int language, int error) {
    const bool spanish = language == 1;
    for (const ReasonText& r : kReasons)
        if (r.error == error) return spanish ? r.spanish : r.catalan;
    return "error del sistema " + std::to_string(error);  // the same words in both
}

std::string FileWriteText(int language, const WriteError& e) {
    return ShownFileName(e.file) + ": " + WriteReasonText(language, e.error);
}

std::string FileFaultText(int language, const FileError& e) {
    const bool spanish = language == 1;
    const char* fault = spanish ? kFaults[0].spanish : kFaults[0].catalan;
    for (const FaultText& t : kFaults)
        if (t.fault == e.fault()) fault = spanish ? t.spanish : t.catalan;
    std::string text =
        std::string(spanish ? "El archivo " : "L'arxiu ") + ShownFileName(e.file()) + " " + fault;
    // A file that could not be read at all has no byte to point at.
    if (e.fault() != FileFault::Unreadable) text += " (byte " + std::to_string(e.offset()) + ")";
    return text + ".";
}

}  // namespace sc
