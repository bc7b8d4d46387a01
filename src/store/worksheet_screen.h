#pragma once
// What the worksheet item operations do to a shown question screen. The interview window
// implements it and sets State().WorksheetScreen; with none set the operations work on the
// store alone.

// clang-format off
class WorksheetScreenHooks {
public:
    virtual ~WorksheetScreenHooks() = default;
    virtual bool ScreenIsShown() const = 0;          // a question screen is displayed
    virtual void ReloadScreen() = 0;                 // fill its controls from the store and rerun its show handler (LoadWorksheetItem)
    virtual void RefreshPickList() = 0;              // the worksheet panel's pick list (OpenWorksheetNewItem / OpenWorksheetItem)
    virtual bool ScreenEntryFieldsBlank() const = 0; // every validated entry field empty, the empty date mask, or only spaces (StoreWorksheetItem step 2)
    virtual void SaveScreenControls() = 0;           // store the screen's bound controls into their fields (StoreWorksheetItem step 4)
};
// clang-format on
