#include "screens/tqcgt_39a.h"

#include "interview/interview_steps.h"
#include "ui_tqcgt_39a.h"

// Yes asks about events on shares; No discards the shares and asks about trusts.
TQCGT_39a::TQCGT_39a()
    : TGateScreen({.stage = 1, .yesStep = 1, .noStep = 12, .clearOnNo = {1202}}),
      ui(new Ui::TQCGT_39a) {
    ui->setupUi(this);
}

TQCGT_39a::~TQCGT_39a() = default;

void TQCGT_39a::FormCreate() { EnsureNumericProgressMarker(); }
