#pragma once
// The module's help operations. Help files are named as on the host's platform; the name
// picks the set of embedded topics (the module's, or the host's main help).

#include <string>

// Opens the help window (created on first use) at the contents of the help file's topics.
void OpenHelpContents(const std::string& helpFile);
// Opens topic n of the help file; a topic not written yet shows the "no help yet" page.
void OpenHelpTopic(const std::string& helpFile, int context);
// Closes and destroys the help window, if there is one.
void CloseHelpViewer();

// The help file names by the naming rule, looked up in the host program's folder.
std::string ModuleHelpFile();
std::string MainHelpFile();

// A help request of the module (F1, More, a help link): topic n of the current help file,
// which becomes the module's own file first when none is set. Always handled.
bool ShowModuleHelp(int context);
// The main window's Help button: the contents of the host's main help, after which help
// requests go to the module's file again.
void ShowMainHelpContents();
