#include "tools/driver/listing_print.h"

namespace sc::driver {

void printShown(std::ostream& out, const Grid& grid, int row) {
    bool first = true;
    for (int col = 0; col < grid.Cols(); ++col) {
        if (grid.ColWidth(col) == 0) continue;
        out << (first ? "" : "\t") << grid.TextMatrix(row, col);
        first = false;
    }
    out << '\n';
}

void printListing(std::ostream& out, const LlistarVoltes& listing) {
    const Grid& grid = listing.LlistaVoltes;
    out << "Lectures: " << listing.readings << "\tInici de la màniga: " << listing.heatStart << '\n';
    printShown(out, grid, 0);
    for (int row = 1; row < grid.Rows(); ++row)
        if (!grid.RowHidden(row)) printShown(out, grid, row);
}

}  // namespace sc::driver
