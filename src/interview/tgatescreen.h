#pragma once
// A yes/no question that opens a section of the interview. Yes leads into the section; No
// discards what the section holds (after one confirmation) and moves to the next section.
// Every answer raises the progress marker to the gate's stage.

#include <vector>

#include "interview/tchildform.h"

struct GateRule {
    int stage = 0;      // the progress marker is raised to at least this
    int stageOnNo = 0;  // and to this on No, when set
    int worksheet = 0;  // an events gate names the worksheet of the section's asset path
    int yesStep = 0;    // added to the screen index on Yes
    int noStep = 0;     // added to the screen index on No
    std::vector<int> clearOnNo;
};

class TGateScreen : public TChildForm {
    Q_OBJECT
public:
    explicit TGateScreen(GateRule rule, QWidget* parent = nullptr);

    void FormShow() override;
    const GateRule& Rule() const { return rule_; }

protected:
    void Answer(QObject* sender);

private:
    GateRule rule_;
};
