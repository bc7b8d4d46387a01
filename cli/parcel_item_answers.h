#pragma once
// A matched part parcel as the answers of one share worksheet item, in the fields and forms
// the interview's share path stores: registration, cost elements, event and proceeds.

#include <string>
#include <vector>

#include "field_assignment.h"
#include "import/parcel_matching.h"

// The field that holds the share worksheet's items.
int SharesItemsField();

// The answers of item `key`; `active` makes the asset type "SA" instead of "SN".
std::vector<FieldAssignment> PartItemAnswers(const MatchedPart& part, int key, bool active);

// A parcel bought before capital gains tax began (20/09/1985) makes no gain or loss.
bool BoughtBeforeCgt(const MatchedPart& part);

// Why the part cannot be written as the share path would write it ("" when it can).
std::string PartItemProblem(const MatchedPart& part);

// True when any share item of the store carries an import mark of these parts.
bool AnyPartImported(const std::vector<MatchedPart>& parts);
