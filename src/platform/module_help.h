#pragma once
// Help requests of the module: topics by context number in the module's help, and the
// contents of the host's main help.

// The help file becomes the module's own.
void SetModuleHelpFile();
// Opens the module's help at a topic (any help request: F1, "&More", help links).
void OpenHelpTopic(int context);
// The Help button: the host's main help, at its contents; the module's help file stays set.
void OpenHostHelpContents();
