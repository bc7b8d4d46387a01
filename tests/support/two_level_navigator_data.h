#pragma once
// A navigator with items under its topics, for exercising the two-level rules that the
// module's own (topics only) navigator never reaches.

#include "interview/core/tcustomnavigatordata.h"

class TTwoLevelNavigatorData : public TCustomNavigatorData {
public:
    static TTwoLevelNavigatorData& Instance() {
        return InstanceOf<TTwoLevelNavigatorData>("TTwoLevelNavigatorData");
    }
    static void ReleaseInstance() { ReleaseInstanceOf("TTwoLevelNavigatorData"); }
    static int PopulateCount;

protected:
    void Populate() override {
        ++PopulateCount;
        AddTopic("Income", 1000);
        TNavigatorTopic* deductions = AddTopic("Deductions", 1010);
        deductions->AddItem("D1", "Work-related car expenses", 1010);
        deductions->AddItem("D2", "Travel", 1014);
        deductions->AddItem("", "Other", 1020);
        AddTopic("Offsets", 1030);
    }

private:
    friend class TSingleton;
    TTwoLevelNavigatorData() = default;
};

inline int TTwoLevelNavigatorData::PopulateCount = 0;
