#pragma once
// The capital gains interview's navigator: one topic per section, no items.

#include "interview/core/tcustomnavigatordata.h"

class TCGTNavigatorData : public TCustomNavigatorData {
public:
    static constexpr const char* ClassName = "TCGTNavigatorData";

    static TCGTNavigatorData& Instance();
    static void ReleaseInstance();
    // The public constructor: always refused, the instance comes from Instance.
    [[noreturn]] static void Create();

protected:
    void Populate() override;

private:
    friend class TSingleton;
    TCGTNavigatorData() = default;
};
