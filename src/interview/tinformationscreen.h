#pragma once
// A screen that only informs: Next moves on, to a named screen or to the next index.

#include "interview/tchildform.h"

struct InformationRule {
    int nextScreen = 0;  // 0: Next adds 1 to the index
    bool showNavigator = false;
    bool hideWorksheetPanel = false;
};

class TInformationScreen : public TChildForm {
    Q_OBJECT
public:
    explicit TInformationScreen(InformationRule rule, QWidget* parent = nullptr);

    void FormShow() override;

private:
    InformationRule rule_;
};
