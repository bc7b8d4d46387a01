#pragma once
// The banner at the bottom of a screen saying that imported data needs review.

#include "controls/ttextlbl.h"

class TReviewLabel : public TTextLbl {
    Q_OBJECT

public:
    static constexpr const char* BannerText =
        "<S9><Y2><X8>Data has been imported and needs to be reviewed. Check it is complete and "
        "correct before proceeding.";

    explicit TReviewLabel(QWidget* parent = nullptr);

protected:
    // Whatever the text was set to, the banner lays out its own.
    QStringList LinesToLayOut() const override { return {QString::fromLatin1(BannerText)}; }
    bool FramesKind() const override { return true; }
};
