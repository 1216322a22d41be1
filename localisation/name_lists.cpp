#include "localisation/name_lists.h"

#include "localisation/language_tables.h"

namespace sc {

NameLists nameListsFor(int16_t language) {
    NameLists lists;
    lists.LlistaComptavoltes = {"DS003", "DS030", "DS300", "DS300 & DS4port", "DS200"};
    if (language == kSpanish) {
        lists.LlistaIdiomes = {"Catalán", "Español"};
        lists.LlistaColors = {"Negro",
                              "Azul",
                              "Verde",
                              "Cian",
                              "Rojo",
                              "Magenta",
                              "Marrón",
                              "Blanco",
                              "Gris",
                              "Azul brillante",
                              "Verde brillante",
                              "Cian brillante",
                              "Rojo brillante",
                              "Magenta brillante",
                              "Amarillo",
                              "Blanco brillante"};
    } else {
        lists.LlistaIdiomes = {"Català", "Castellà"};
        lists.LlistaColors = {"Negre",
                              "Blau",
                              "Verd",
                              "Cian",
                              "Vermell",
                              "Magenta",
                              "Marró",
                              "Blanc",
                              "Gris",
                              "Blau brillant",
                              "Verd brillant",
                              "Cian brillant",
                              "Vermell brillant",
                              "Magenta brillant",
                              "Groc",
                              "Blanc brillant"};
    }
    return lists;
}

}  // namespace sc
