#include "screens/grid_display.h"

#include "controls/txgrid.h"

void SetGridDisplay(TXGrid* grid, const std::vector<std::string>& descriptors) {
    QStringList display;
    for (const std::string& line : descriptors) display << QString::fromLatin1(line);
    grid->setDisplay(display);
}
