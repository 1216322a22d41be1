#pragma once
// Qt side of the language routine: reads a window's texts from its widgets, applies the
// language tables and writes the texts back.
//
// Widget naming convention (every window must follow it for its texts to be translated):
// - The window's top widget has the window's name as objectName: "Portada", "ConfiguracioPrg",
//   "ConfiguracioPista", "Classificacio", "Corregir", "Exportar", "GestorProves", "Informacio",
//   "Inscrits", "LlistarVoltes", "NovaProva", "Penalitzacions", "Resultats", "VoltaaVolta".
// - A single control is named "Name" ("TestCom"); an element of a control array "Name(i)"
//   ("MnuPrg(0)", "Sortir(1)", "Text(17)").
// - Menu entries are QAction objects named like their entry ("MnuCfg(0)"); a menu that holds
//   entries is a QMenu named like its entry ("MnuArxiu"), its title being the caption. The
//   main window's configuration menu is "MnuConfiguracio", its date label "TextData", its
//   series labels "Text(1)".."Text(4)", its frames "Marc(0)".."Marc(4)".
// - Filter labels of the lap listing and results windows are "TextFiltre(1)".."TextFiltre(3)";
//   the coma frame of the track configuration is "MarcComes"; the about window's version label
//   is "Versio" (its title and version come from QCoreApplication's name and version).
// - Kinds: QAction (text, tool tip), QMenu (title), QAbstractButton and QLabel (text),
//   QGroupBox (title), QComboBox and QListWidget (entries; the current entry is kept),
//   QTableWidget/QAbstractItemView grids (the header format "|"-separated, "<", "^", ">"
//   alignment, becomes the horizontal header; it is also kept in the widget's dynamic property
//   "gridFormat"; a grid given list entries, the legend, gets them in column 0). Any named
//   QWidget takes a tool tip.
// - Child windows find the main window ("Portada") among their ancestors or the top-level
//   widgets, and take their title and close button captions from what it shows.

#include <QWidget>

#include "core/race_state.h"

namespace sc {

void applyLanguage(RaceState& state, QWidget* window);

}  // namespace sc
