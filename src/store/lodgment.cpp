#include "store/lodgment.h"

#include "base/message_box.h"
#include "store/data_file.h"
#include "store/field_store.h"

bool IsFileLodged() {
    return FieldNotEmpty(1479) && FieldNotEmpty(1478) && FieldNotEmpty(1490) &&
           GetFieldText(1491) == LodgedMark;
}

void ShowLodgedMessage() {
    AppMessageBox(
        "This data file has been lodged and is locked to preserve your lodgment details.\r\n\r\n"
        "You will not be able to change the information contained in this file.\r\n\r\n"
        "However, you can continue to view the details of this file.",
        mtInformation, mbOK);
}
