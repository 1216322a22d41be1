// What a person reads about a damaged file: the file, the fault in the
// current language and the byte in brackets; the tools keep the technical text.
#include "core/file_fault_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "core/byte_io.h"
#include "core/file_io.h"
#include "core/race_store.h"
#include "core/record_file.h"

namespace sc {
namespace {

FileError errorOf(const std::function<void()>& read) {
    try {
        read();
    } catch (const FileError& e) {
        return e;
    }
    ADD_FAILURE() << "no FileError";
    return FileError("", 0, "");
}

TEST(FileFaultText, EachFaultNamesTheFileAndTheByte_InCatalanAndSpanish) {
    const Bytes ninebytes{1, 0, 0, 0, 0, 0, 0, 0, 0};
    const FileError truncated = errorOf([&] {
        ByteReader in(ninebytes, "PROVA002/CRS001.PAR");
        in.seek(8);
        in.integer();
    });
    EXPECT_EQ(FileFaultText(0, truncated),
              "L'arxiu PROVA002\\CRS001.PAR està malmès: s'acaba a mig d'un valor (byte 8).");
    EXPECT_EQ(FileFaultText(1, truncated),
              "El archivo PROVA002\\CRS001.PAR está dañado: termina a mitad de un valor (byte 8).");
    EXPECT_EQ(truncated.describe(), "PROVA002/CRS001.PAR: offset 8: file ends inside a integer");

    const FileError partial = errorOf([] { walkHeatBlocks(Bytes(120, 0), "CRS003.DAD"); });
    EXPECT_EQ(FileFaultText(0, partial),
              "L'arxiu CRS003.DAD està malmès: s'acaba amb un registre incomplet (byte 100).");
    EXPECT_EQ(FileFaultText(1, partial),
              "El archivo CRS003.DAD está dañado: termina con un registro incompleto (byte 100).");

    const FileError text = errorOf([] { readParticipantListBytes(Bytes{0, 0, 9, 0, 'a'}, "PROVA.PAR"); });
    EXPECT_EQ(FileFaultText(0, text),
              "L'arxiu PROVA.PAR està malmès: hi ha un text de llargada incorrecta (byte 2).");

    const FileError missing = errorOf([] { readFileOrThrow("/nowhere/PROVES.LLS"); });
    EXPECT_EQ(FileFaultText(1, missing), "El archivo PROVES.LLS no existe o no se ha podido leer.");
}

// A failed write names the file and the system's reason in the person's
// language; a reason without words keeps its number.
TEST(FileWriteText, TheSystemsReasonInCatalanAndSpanish) {
    const WriteResult missing = writeFileAtomic("/nowhere/PROVA004/PROVA.DAD", Bytes{1});
    ASSERT_FALSE(missing);
    EXPECT_EQ(FileWriteText(0, missing.error()), "PROVA004\\PROVA.DAD: l'arxiu o la carpeta no existeix");
    const WriteResult inPlace = writeInPlace("/nowhere/CRS001.PAR", 0, Bytes{1});
    ASSERT_FALSE(inPlace);
    EXPECT_EQ(inPlace.error().error, ENOENT);
    EXPECT_EQ(FileWriteText(1, {"VIROLA.CFG", ENOSPC}), "VIROLA.CFG: el disco está lleno");
    EXPECT_EQ(WriteReasonText(0, EROFS), "el disc només es pot llegir");
    EXPECT_EQ(WriteReasonText(1, EPERM), "no hay permiso para escribir en él");
    EXPECT_EQ(WriteReasonText(0, EIO), "el disc ha fallat en escriure");
    EXPECT_EQ(WriteReasonText(1, kTextNotWritable), "hay un texto con caracteres que el archivo no admite");
    EXPECT_EQ(WriteReasonText(1, 9999), "error del sistema 9999");
}

}  // namespace
}  // namespace sc
