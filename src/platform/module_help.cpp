#include "platform/module_help.h"

#include "base/module_state.h"
#include "platform/help_requests.h"

void SetModuleHelpFile() { State().HelpFile = ModuleHelpFile(); }

void OpenHelpTopic(int context) { ShowModuleHelp(context); }

void OpenHostHelpContents() { ShowMainHelpContents(); }
