#include "screens/tqcgt_56.h"

#include "base/input_helpers.h"
#include "controls/ttaxedit.h"
#include "interview/interview_steps.h"
#include "interview/tframewnd.h"
#include "platform/qt_message_box.h"
#include "ui_tqcgt_56.h"

namespace {
// A zero is never stored here: an empty amount means no losses.
void EmptyAZero(TTaxEdit* edit) {
    const QString text = edit->text();
    if (!text.isEmpty() && TextToNumberDef(ToLatin1Text(text), -1) == 0) edit->SetTextValue({});
}
}  // namespace

TQCGT_56::TQCGT_56() : ui(new Ui::TQCGT_56) {
    ui->setupUi(this);
    for (TTaxEdit* edit : {ui->ProceedsEdit, ui->CostsEdit})
        connect(edit, &TTaxEdit::exited, this, [edit] { EmptyAZero(edit); });
}

TQCGT_56::~TQCGT_56() = default;

void TQCGT_56::FormShow() {
    if (TFrameWnd* frame = Frame()) {
        frame->SetNavigatorVisible(true);
        frame->SetNextHandler([](QObject*) { GoToScreen(2126); });
    }
}
