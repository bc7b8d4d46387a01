#pragma once
// orvana-tax print: a report of a return written as a PDF file without a display.

// Runs "print FILE --tfn ID --report NAME [--item WORKSHEET.N] --pdf OUT.pdf"; the exit status.
int RunPrintCommand(int argc, char** argv);
