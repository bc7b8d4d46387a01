#pragma once
// A lodged return is locked: the host fills the lodgment date (1478), time (1490) and
// reference (1479) and marks field 1491.

bool IsFileLodged();
void ShowLodgedMessage();
