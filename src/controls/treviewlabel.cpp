#include "controls/treviewlabel.h"

TReviewLabel::TReviewLabel(QWidget* parent) : TTextLbl(parent) {
    setObjectName(QStringLiteral("ReviewLabel"));
    setText({QString::fromLatin1(BannerText)});
    setKind(tlkDirection);
    setParentBottomMargin(4);
    setBottomMargin(4);
    setCalculateHeight(true);
    setGeometry(10, y(), 610, height());
}
