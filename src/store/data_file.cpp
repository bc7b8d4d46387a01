#include "store/data_file.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include "base/latin1_text.h"
#include "base/module_state.h"
#include "base/numbers.h"
#include "base/text_encoding.h"
#include "store/data_file_cipher.h"
#include "store/data_file_format.h"
#include "store/file_bytes.h"
#include "store/item_index.h"
#include "store/return_key.h"
#include "store/return_lock.h"

namespace {

void ShowUnableToOpen(const std::string& name) {
    AppMessageBox("Unable to open file - " + name, mtError, mbOK);
}

int32_t Refuse(const std::string& name, int32_t result, const std::string& reason = {}) {
    ModuleState& state = State();
    if (reason.empty())
        ShowUnableToOpen(name);
    else
        AppMessageBox("Unable to open file - " + name + "\r\n\r\n" + reason, mtError, mbOK);
    state.KeyText.clear();
    state.CurrentFileName.clear();
    state.ScreenGroup = 0;
    state.ScreenIndex = 0;
    return result;
}

TextList ListOf(int field) {
    if (GetFieldType(field) != dtList) return {};
    const TextList* lines = GetFieldLst(field);
    return lines ? *lines : TextList();
}

void HandReviewStateToLabels() {
    State().Review.SetReviewMap(ListOf(ReviewLookupField));
    State().Review.SetReviewList(ListOf(ReviewListField));
}

void PutReviewStateIntoStore() {
    SetFieldLst(ReviewListField, State().Review.GetReviewList());
    SetFieldLst(ReviewLookupField, State().Review.GetLookupRequiresSave());
}

// What a save changes before it writes, put back when the write fails.
class SaveRollback {
public:
    SaveRollback() : storeChanged_(State().StoreChanged) {
        for (int field : Fields) slots_.push_back(*FieldSlotAt(field));
    }
    void Restore() {
        for (size_t i = 0; i < Fields.size(); ++i) *FieldSlotAt(Fields[i]) = std::move(slots_[i]);
        State().StoreChanged = storeChanged_;
    }

private:
    static constexpr std::array<int, 5> Fields = {
        FileVersionField, FileOriginField, FrozenMarkField, ReviewListField, ReviewLookupField};
    std::vector<FieldSlot> slots_;
    bool storeChanged_;
};

// A return reached through a symbolic link is saved into the link's target, beside which
// its temporary files and backup then live; the link stays.
int EncipherAndReplace(const std::string& name, const ByteBuffer& plain) {
    CipherKey key{};
    ByteBuffer enciphered;
    if (!KeyFromText(State().KeyText, key) || !EncipherDataFile(plain, key, enciphered)) return EIO;
    const std::string target = ResolveLinks(Latin1ToUtf8(name));
    const ReturnLock lock(target);
    if (lock.Error()) return lock.Error();
    return ReplaceFileSafely(target, ChangeFileExt(target, ".BAK"), enciphered);
}

// Support staff read it; it holds the whole return in plain text, so only its owner may.
// A dump that cannot be written does not fail the save.
void WriteHelpdeskDump(const FieldStore& store) {
    std::string text;
    for (const std::string& line : HelpdeskDumpLines(store)) text += line + '\n';
    ReplacePrivateFile(HelpdeskDumpFile, text);
}

// What a killed save of this return left behind goes, unless another writer is at work.
void TidyBeside(const std::string& name) {
    const std::string target = ResolveLinks(Latin1ToUtf8(name));
    const ReturnLock lock(target, std::chrono::milliseconds(0));
    if (!lock.Error()) RemoveStaleTemporaries(target);
}

// The return under this name was not opened as a whole; saves leave it alone.
void MarkUnopened(const std::string& name, bool unopened) {
    if (unopened)
        State().UnopenedFileName = name;
    else if (!State().UnopenedFileName.empty() &&
             SameFile(Latin1ToUtf8(State().UnopenedFileName), Latin1ToUtf8(name)))
        State().UnopenedFileName.clear();
}

constexpr const char* OtherIdentifierText =
    "The TFN recorded in the return is not the TFN it was opened with, so the return is "
    "damaged. It has not been opened.";

// The read behind OpenDataFile, without the bookkeeping around it; `opening` is the text
// the key was made from.
int32_t ReadReturn(const std::string& name, const std::string& opening) {
    ModuleState& state = State();
    TidyBeside(name);
    ByteBuffer enciphered;
    if (const int error = ReadFileBytes(Latin1ToUtf8(name), enciphered)) {
        // A return that does not exist yet is a new one; the first save creates it.
        if (error != ENOENT) ShowUnableToOpen(name);
        return error;
    }
    CipherKey key{};
    ByteBuffer plain;
    if (!KeyFromText(state.KeyText, key) || !DecipherDataFile(enciphered, key, plain))
        return Refuse(name, OpenNotADataFile);

    // Read into a fresh store, so a refused file changes nothing.
    auto store = std::make_unique<FieldStore>();
    ReturnPosition position;
    const PlainReadResult read = ReadPlainForm(plain.data(), plain.size(), *store, position);
    if (read.status == PlainReadStatus::OtherTaxYear) return Refuse(name, OpenOtherTaxYear);
    if (read.status == PlainReadStatus::NotADataFile || read.status == PlainReadStatus::Malformed)
        return Refuse(name, OpenNotADataFile);
    // Saved under any other key, the return would no longer open with this one.
    const std::string held = FieldSlotText(store->Slot(1));
    const bool fill = TrimmedText(held).empty();
    if (!fill && MakeKeyText(held) != state.KeyText)
        return Refuse(name, OpenOtherIdentifier, OtherIdentifierText);

    state.Store.reset(store.release());
    if (fill && !opening.empty()) SetFieldStr(1, opening);
    state.ScreenGroup = position.screenGroup;
    state.ScreenIndex = position.screenIndex;
    state.ScreenHistory = std::move(position.history);
    state.StoreHoldsFileData = read.anyRecord;
    int32_t result = OpenReadCompletely;
    if (read.status == PlainReadStatus::BadFieldNumber) {
        AppMessageBox("Error reading file, field tag = " + std::to_string(read.badField) +
                          " last tag = " + std::to_string(read.lastField),
                      mtError, mbOK);
        result = OpenBadFieldNumber;
    }
    if (state.CaptionChanged) state.CaptionChanged();
    HandReviewStateToLabels();
    return result;
}
}  // namespace

int32_t OpenDataFile(const std::string& name) {
    ModuleState& state = State();
    const bool keyFromFile = state.IdentifierText.empty() && state.StoreHoldsFileData;
    const std::string opening = keyFromFile ? GetFieldStr(1) : state.IdentifierText;
    state.KeyText = MakeKeyText(opening);
    state.StoreHoldsFileData = false;
    state.CurrentFileName = name;
    const int32_t result = ReadReturn(name, opening);
    MarkUnopened(name, result != OpenReadCompletely && result != ENOENT);
    return result;
}

int32_t SaveDataFile(const std::string& name) {
    MergeKeptItemRecords();
    ModuleState& state = State();
    if (!state.Store) return 0;  // released: nothing to save, and nothing to overwrite with
    // A return this module could not open stays as it is on disk.
    if (!state.UnopenedFileName.empty() &&
        SameFile(Latin1ToUtf8(name), Latin1ToUtf8(state.UnopenedFileName)))
        return 0;
    SaveRollback rollback;
    PutReviewStateIntoStore();
    if (GetFieldText(FrozenMarkField) == LodgedMark) return 0;
    if (FieldNotEmpty(1479) && FieldNotEmpty(1478) && FieldNotEmpty(1490)) {
        // This save is the last one that writes the file.
        ClearField(FrozenMarkField);
        SetFieldStr(FrozenMarkField, LodgedMark);
    }
    if (name.empty()) {
        if (state.HelpdeskMode) PlainMessageBox("SaveOpen - Trying to save a file with no name");
        return 0;
    }
    SetFieldStr(FileOriginField, "EI");
    state.KeyText = MakeKeyText(ReturnIdentifier());
    SetFieldVal(FileVersionField, FileVersionValue);

    ByteBuffer plain;
    WritePlainForm(*state.Store, {state.ScreenGroup, state.ScreenIndex, state.ScreenHistory},
                   plain);
    if (const int error = EncipherAndReplace(name, plain)) {
        rollback.Restore();
        return error;
    }
    if (state.HelpdeskMode) WriteHelpdeskDump(*state.Store);
    state.StoreChanged = false;
    return 0;
}

std::string ReturnIdentifier() {
    const ModuleState& state = State();
    return state.IdentifierText.empty() ? GetFieldStr(1) : state.IdentifierText;
}

bool KeepsReturnKey(const std::string& text) {
    return MakeKeyText(text) == MakeKeyText(ReturnIdentifier());
}

std::string SaveFailureText(const std::string& name, int32_t result) {
    const std::string reason = result == ReturnInUse ? "The return is in use by another program."
                                                     : FileProblemText(result, name);
    // Every failing step of a save comes before the rename that puts the new file in place.
    return "Unable to save file - " + name + "\r\n\r\n" + reason +
           "\r\n\r\nThe return on disk is unchanged.";
}

std::vector<std::string> HelpdeskDumpLines(const FieldStore& store) {
    std::vector<std::string> lines;
    for (int n = 1; n <= MaxField; ++n) {
        const FieldSlot& slot = store.Slot(n);
        if (!FieldHoldsRecord(slot)) continue;
        const std::string number = std::to_string(n);
        switch (slot.type) {
            case dtNumeric:
                lines.push_back(number + " Numeric " + FormatGeneral(slot.Extended()));
                break;
            case dtCurrency:
            case dtCurrencyCnt:
                lines.push_back(number + " Currency " + FormatGeneral(slot.Extended()));
                break;
            case dtCheckbox:
                lines.push_back(number + " Checkbox ");
                break;
            case dtSmallStr:
                lines.push_back(number + " smallstring " + slot.SmallText());
                break;
            case dtString:
                lines.push_back(number + " string " + *slot.longText);
                break;
            default:
                break;  // lists and worksheets get no line
        }
    }
    return lines;
}
