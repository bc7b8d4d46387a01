#pragma once
// "orvana-tax calc": the stored answers taken through the calculations as the interview
// takes them, the choice table built (and, with --auto, filled in by the module), checked,
// saved with the schedule and the return labels, and the return written.

// argv[1] is "calc"; the exit status.
int RunCalcCommand(int argc, char** argv);
