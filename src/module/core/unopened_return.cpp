#include "module/core/unopened_return.h"

#include "base/latin1_text.h"
#include "base/message_box.h"
#include "base/module_state.h"
#include "store/file_bytes.h"

std::string UnopenedReturnNotice(const std::string& fileName) {
    return "The return " + fileName +
           " was not opened, so it will not be changed.\r\n\r\nWhat you enter now is saved to "
           "it only if you choose Save and confirm replacing it.";
}

bool ConfirmReplacingUnopened(const std::string& chosen) {
    std::string& unopened = State().UnopenedFileName;
    if (unopened.empty() || !SameFile(Latin1ToUtf8(chosen), Latin1ToUtf8(unopened))) return true;
    // No is the default: the return on disk is all the taxpayer may have.
    const TModalResult answer = ShowTitledMessage(
        "The return " + unopened +
            " was not opened. Replace it with what you entered now?\r\n\r\nIts backup is "
            "replaced too.",
        MessageIcon::Exclamation, {mbNo, mbYes});
    if (answer != mrYes) return false;
    unopened.clear();
    return true;
}
