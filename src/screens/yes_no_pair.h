#pragma once
// Two check boxes answering one question: ticking one unticks the other, as radio buttons
// do, while both may still be left unticked.

class QCheckBox;

void PairAsRadio(QCheckBox* yes, QCheckBox* no);
