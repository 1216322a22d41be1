#pragma once
// The lap listing as the driver prints it, for the `listing` command and the
// heat menu's "(L)listar voltes".
#include <ostream>

#include "results/lap_listing.h"

namespace sc::driver {

// The visible columns of a grid row, tab-separated.
void printShown(std::ostream& out, const Grid& grid, int row);
// "Lectures: N<TAB>Inici de la màniga: T", the header and the visible rows.
void printListing(std::ostream& out, const LlistarVoltes& listing);

}  // namespace sc::driver
