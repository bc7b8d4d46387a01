#pragma once

// "orvana-tax import FILE --tfn ID --trades LIST.csv ...": a broker's trade list matched to
// parcels and written as share worksheet items.
int RunImportCommand(int argc, char** argv);
