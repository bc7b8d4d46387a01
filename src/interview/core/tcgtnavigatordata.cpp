#include "interview/core/tcgtnavigatordata.h"

TCGTNavigatorData& TCGTNavigatorData::Instance() {
    return InstanceOf<TCGTNavigatorData>(ClassName);
}

void TCGTNavigatorData::ReleaseInstance() { ReleaseInstanceOf(ClassName); }

void TCGTNavigatorData::Create() { RefuseCreate(ClassName); }

void TCGTNavigatorData::Populate() {
    // Display order; residency is listed early although its screens are numbered late, which
    // is why lookups go by screen number and never by position.
    AddTopic("Introduction screen", 2004);
    AddTopic("Unapplied losses", 2005);
    AddTopic("Ceasing to be a resident", 2088);
    AddTopic("Shares", 2006);
    AddTopic("Trust information", 2018);
    AddTopic("CGT Trust distributions", 2019);
    AddTopic("CGT events affecting trusts", 2020);
    AddTopic("Real estate", 2031);
    AddTopic("Depreciating assets", 2042);
    AddTopic("Personal use or collectable assets", 2052);
    AddTopic("Other assets not mentioned", 2062);
    AddTopic("Creation of rights", 2072);
    AddTopic("Other receipts", 2096);
    AddTopic("Manual calculation table", 2101);
    AddTopic("Application of choices", 2102);
    // The losses and residency questions come after the choice table's screens by number.
    AddScreenOfTopic(2125, 2005);
    AddScreenOfTopic(2126, 2088);
}
