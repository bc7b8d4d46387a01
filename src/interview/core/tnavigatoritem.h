#pragma once
// One entry of the navigator: a caption and the screen where its topic starts. Items
// may carry a question number that is shown before the caption.

#include <string>

class TNavigatorItem {
public:
    TNavigatorItem(std::string questionNumber, int screenId, std::string caption);
    virtual ~TNavigatorItem();
    TNavigatorItem(const TNavigatorItem&) = delete;
    TNavigatorItem& operator=(const TNavigatorItem&) = delete;

    // The parameterless constructor of the family: always refused.
    [[noreturn]] static void Create();

    virtual std::string DebugText() const;
    virtual bool IsTopic() const { return false; }

    const std::string& QuestionNumber() const { return fQuestionNumber; }
    const std::string& Caption() const { return fCaption; }
    int ScreenId() const { return fScreenId; }
    int Group() const { return fScreenId / 100; }
    bool Enabled() const { return fEnabled; }
    bool Selected() const { return fSelected; }

    // The text of the entry's tree node: "question number - caption", or the caption.
    std::string NodeText() const;

protected:
    [[noreturn]] static void RefuseParameterlessCreate(const std::string& className);

private:
    friend class TCustomNavigatorData;  // the only writer of the highlight mark

    std::string fQuestionNumber;
    std::string fCaption;
    int fScreenId = 0;
    bool fEnabled = true;
    bool fSelected = false;
};
