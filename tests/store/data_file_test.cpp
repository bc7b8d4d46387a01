#include "store/data_file.h"
#include "store/return_key.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>

#include "folder_files.h"
#include "return_file_fixture.h"
#include "scripted_responder.h"
#include "store/data_file_cipher.h"
#include "store/data_file_format.h"
#include "store/extended_real.h"
#include "store/file_bytes.h"
#include "store/lodgment.h"
#include "store/worksheet_items.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

CipherKey KeyOf(const std::string& identifier) {
    CipherKey key{};
    EXPECT_TRUE(KeyFromText(MakeKeyText(identifier), key));
    return key;
}

ByteBuffer Decipher(const ByteBuffer& enciphered, const std::string& identifier = Tfn) {
    ByteBuffer plain;
    EXPECT_TRUE(DecipherDataFile(enciphered, KeyOf(identifier), plain));
    return plain;
}

ByteBuffer Encipher(const ByteBuffer& plain, const std::string& identifier = Tfn) {
    ByteBuffer enciphered;
    EXPECT_TRUE(EncipherDataFile(plain, KeyOf(identifier), enciphered));
    return enciphered;
}

// Makes every write to a regular file beyond `bytes` fail, while alive.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit previous_{};
    void (*signal_)(int);
};

class DataFileTest : public ReturnFileTest {
protected:
    // Everything a save would write: the store and the screen position.
    ByteBuffer Snapshot() {
        ByteBuffer out;
        WritePlainForm(*State().Store,
                       {State().ScreenGroup, State().ScreenIndex, State().ScreenHistory}, out);
        return out;
    }
    void FillSampleReturn() {
        SetFieldStr(397, "Alex Sample");
        SetFieldType(20, dtNumeric);
        SetFieldVal(20, 3);
        SetFieldVal(100, 1500);
        SetFieldChecked(9);
        SetFieldLst(399, {"first note", "second note"});
        GetWorksheetItem(451, 1);
        SetFieldStr(710, "BHP shares");
        SetFieldVal(1100, 2500.5L);
        SetFieldLst(1120, {"a"});
        PutWorksheetItem(451, 1);
        State().ScreenGroup = 20;
        State().ScreenIndex = 6;
        State().ScreenHistory = {2004, 2005, 2006};
    }
    // A store of a former open, to see that a refused file leaves it alone.
    void ExpectRefused(int32_t expectedResult) {
        State().ScreenGroup = 21;
        State().ScreenIndex = 3;
        State().ScreenHistory = {2004};
        const ByteBuffer before = Snapshot();
        const int32_t result = OpenDataFile(name);
        EXPECT_EQ(result, expectedResult);
        ASSERT_GT(responder->Count(), 0u);
        EXPECT_EQ(responder->LastText(), "Unable to open file - " + name);
        EXPECT_EQ(responder->Requests().back().icon, MessageIcon::Stop);
        responder->Clear();
        EXPECT_EQ(State().CurrentFileName, "");
        EXPECT_EQ(State().KeyText, "");
        EXPECT_EQ(State().ScreenGroup, 0);
        EXPECT_EQ(State().ScreenIndex, 0);
        State().ScreenGroup = 21;
        State().ScreenIndex = 3;
        EXPECT_EQ(Snapshot(), before);
    }
    // As a later start of the module finds it: a fresh state and an empty store.
    void Restart() {
        responder.reset();
        ResetModuleState();
        AllocateFieldStore();
        responder.emplace();
        State().IdentifierText = Tfn;
    }
};

}  // namespace

TEST_F(DataFileTest, AReturnHoldingOnlyTheIdentifierWritesThreeRecords) {
    ASSERT_EQ(SaveDataFile(name), 0);
    const ByteBuffer plain = Decipher(ReadBytes(name));
    ByteBuffer expected;
    auto put32 = [&](int32_t v) {
        for (int i = 0; i < 4; ++i) expected.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    const std::string header = DataFileHeader(2006);
    expected.assign(header.begin(), header.end());
    put32(0);
    put32(0);
    put32(0);
    put32(1);
    expected.push_back(dtString);
    expected.push_back(11);
    expected.insert(expected.end(), Tfn, Tfn + 11);
    put32(960);
    expected.push_back(dtCurrency);
    const ExtendedBytes version = EncodeExtended(60012);
    expected.insert(expected.end(), version.begin(), version.end());
    put32(1300);
    expected.insert(expected.end(), {dtSmallStr, 2, 'E', 'I'});
    EXPECT_EQ(plain, expected);
    EXPECT_EQ(ReadBytes(name).size(), plain.size() / 8 * 8 + 8);
    EXPECT_EQ(FolderContents(dir.Path()), std::vector<std::string>{"RETURN.TAX"});
    EXPECT_EQ(State().KeyText, "123456782");
}

TEST_F(DataFileTest, SavedReturnOpensToTheSameStore) {
    FillSampleReturn();
    ASSERT_EQ(SaveDataFile(name), 0);
    EXPECT_FALSE(State().StoreChanged);
    const ByteBuffer saved = Snapshot();

    int captions = 0;
    Restart();
    State().CaptionChanged = [&] { ++captions; };
    State().IdentifierText = "123456782";  // the digits are the key, not the spelling
    ASSERT_EQ(OpenDataFile(name), OpenReadCompletely);
    EXPECT_EQ(Snapshot(), saved);
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2004, 2005, 2006}));
    EXPECT_EQ(State().CurrentFileName, name);
    EXPECT_TRUE(State().StoreHoldsFileData);
    EXPECT_EQ(captions, 1);
    EXPECT_EQ(responder->Count(), 0u);
    GetWorksheetItem(451, 1);
    EXPECT_EQ(GetFieldStr(710), "BHP shares");
    EXPECT_EQ(GetFieldVal(1100), 2500.5L);
}

TEST_F(DataFileTest, ReadingFallsBackToFieldOneOnlyForDataReadFromAFile) {
    ASSERT_EQ(SaveDataFile(name), 0);
    State().IdentifierText = "";
    ExpectRefused(OpenNotADataFile);  // key "" and no file data yet
    State().IdentifierText = Tfn;
    ASSERT_EQ(OpenDataFile(name), OpenReadCompletely);
    State().IdentifierText = "";
    EXPECT_EQ(OpenDataFile(name), OpenReadCompletely);
}

TEST_F(DataFileTest, AReturnKeepsTheKeyItWasOpenedWith) {
    // Written by another program: enciphered with the TFN but without field 1.
    ClearField(1);
    FillSampleReturn();
    WriteBytes(name, Encipher(Snapshot()));
    Restart();
    ASSERT_EQ(OpenDataFile(name), OpenReadCompletely);
    EXPECT_EQ(GetFieldStr(1), Tfn);  // filled with the identifier it opened with
    EXPECT_EQ(GetFieldStr(397), "Alex Sample");

    // Whatever field 1 holds by then, a save keys the file with that identifier.
    ClearField(1);
    ASSERT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(State().KeyText, "123456782");
    Restart();
    State().IdentifierText = "no digits";
    ExpectRefused(OpenNotADataFile);
    State().IdentifierText = "123456782";
    ASSERT_EQ(OpenDataFile(name), OpenReadCompletely);
    EXPECT_EQ(GetFieldStr(1), "123456782");
    EXPECT_TRUE(KeepsReturnKey("123-456-782"));
    EXPECT_FALSE(KeepsReturnKey("123 456 783"));
    EXPECT_FALSE(KeepsReturnKey(""));
}

TEST_F(DataFileTest, AFieldOneWithOtherDigitsIsADamagedReturnAndIsNotOpened) {
    SetFieldStr(1, "876 543 210");
    FillSampleReturn();
    WriteBytes(name, Encipher(Snapshot()));  // keyed with the TFN, holding another
    const ByteBuffer onDisk = ReadBytes(name);
    Restart();
    SetFieldStr(1, Tfn);
    State().ScreenGroup = 21;
    State().ScreenIndex = 3;
    const ByteBuffer before = Snapshot();
    EXPECT_EQ(OpenDataFile(name), OpenOtherIdentifier);
    EXPECT_EQ(responder->LastText(),
              "Unable to open file - " + name +
                  "\r\n\r\nThe TFN recorded in the return is not the TFN it was opened with, "
                  "so the return is damaged. It has not been opened.");
    State().ScreenGroup = 21;
    State().ScreenIndex = 3;
    EXPECT_EQ(Snapshot(), before);
    // Saves leave it as it is.
    EXPECT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(ReadBytes(name), onDisk);
}

TEST_F(DataFileTest, WrongIdentifierAndOtherFilesAreRefusedLeavingTheStoreAlone) {
    FillSampleReturn();
    ASSERT_EQ(SaveDataFile(name), 0);
    State().IdentifierText = "876 543 210";
    ExpectRefused(OpenNotADataFile);

    State().IdentifierText = Tfn;
    ByteBuffer otherYear = Decipher(ReadBytes(name));
    std::copy_n("2005", 4, otherYear.begin() + 19);
    WriteBytes(name, Encipher(otherYear));
    ExpectRefused(OpenOtherTaxYear);

    const std::string text = "just some text that is not a return at all, padded: 1234567";
    WriteBytes(name, Encipher(ByteBuffer(text.begin(), text.end())));
    ExpectRefused(OpenNotADataFile);
}

TEST_F(DataFileTest, DamagedFilesAreRefusedWithTheStoreUnchanged) {
    FillSampleReturn();
    ASSERT_EQ(SaveDataFile(name), 0);
    const ByteBuffer good = ReadBytes(name);
    const ByteBuffer plain = Decipher(good);

    WriteBytes(name, {});
    ExpectRefused(OpenNotADataFile);
    WriteBytes(name, ByteBuffer(good.begin(), good.end() - 3));  // not whole blocks
    ExpectRefused(OpenNotADataFile);
    ByteBuffer claim(plain.begin(), plain.begin() + 8 * 9);  // the last block claims 8 bytes
    claim[8 * 9 - 1] = 8;
    ByteBuffer claimEnciphered = Encipher(claim);
    claimEnciphered.resize(8 * 9);
    WriteBytes(name, claimEnciphered);
    ExpectRefused(OpenNotADataFile);
    WriteBytes(name, Encipher(ByteBuffer(plain.begin(), plain.end() - 1)));  // cut short
    ExpectRefused(OpenNotADataFile);
    ByteBuffer longSmall = plain;
    const uint8_t record[] = {5, 0, 0, 0, dtSmallStr, 12};
    longSmall.insert(longSmall.end(), record, record + sizeof record);
    longSmall.insert(longSmall.end(), 12, 'x');
    WriteBytes(name, Encipher(longSmall));
    ExpectRefused(OpenNotADataFile);
}

TEST_F(DataFileTest, BadFieldNumberKeepsTheFieldsReadBeforeIt) {
    SetFieldStr(5, "five");
    ASSERT_EQ(SaveDataFile(name), 0);
    ByteBuffer plain = Decipher(ReadBytes(name));
    const uint8_t bad[] = {0xB8, 0x0B, 0, 0, dtSmallStr, 1, 'x'};  // field 3000
    plain.insert(plain.end(), bad, bad + sizeof bad);
    WriteBytes(name, Encipher(plain));
    SetFieldStr(6, "not in the file");

    EXPECT_EQ(OpenDataFile(name), OpenBadFieldNumber);
    EXPECT_EQ(responder->LastText(), "Error reading file, field tag = 3000 last tag = 1300");
    EXPECT_EQ(GetFieldStr(5), "five");
    EXPECT_EQ(GetFieldStr(6), "");
    EXPECT_EQ(State().CurrentFileName, name);
}

TEST_F(DataFileTest, MissingFileIsANewReturnAndAnUnreadableOneIsReported) {
    SetFieldStr(397, "kept");
    const std::string missing = dir.File("NEW.TAX");
    EXPECT_EQ(OpenDataFile(missing), ENOENT);
    EXPECT_EQ(responder->Count(), 0u);
    EXPECT_EQ(GetFieldStr(397), "kept");
    EXPECT_EQ(State().CurrentFileName, missing);

    fs::create_directory(dir.File("FOLDER.TAX"));
    EXPECT_EQ(OpenDataFile(dir.File("FOLDER.TAX")), EISDIR);
    EXPECT_EQ(responder->LastText(), "Unable to open file - " + dir.File("FOLDER.TAX"));
    EXPECT_EQ(GetFieldStr(397), "kept");
}

TEST_F(DataFileTest, EverySaveKeepsThePreviousFileAsTheBackup) {
    ASSERT_EQ(SaveDataFile(name), 0);
    const ByteBuffer first = ReadBytes(name);
    SetFieldStr(397, "changed");
    ASSERT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(ReadBytes(dir.File("RETURN.BAK")), first);
    EXPECT_NE(ReadBytes(name), first);
    EXPECT_EQ(FolderContents(dir.Path()), (std::vector<std::string>{"RETURN.BAK", "RETURN.TAX"}));
    EXPECT_EQ(fs::status(name).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(DataFileTest, AFailedSaveLeavesFilesStoreAndChangeFlagAsTheyWere) {
    ASSERT_EQ(SaveDataFile(name), 0);
    SetFieldStr(397, "second");
    ASSERT_EQ(SaveDataFile(name), 0);
    const ByteBuffer file = ReadBytes(name), backup = ReadBytes(dir.File("RETURN.BAK"));
    for (int i = 0; i < 200; ++i) SetFieldStr(1400 + i, "a text of some length");
    SetFieldStr(1479, "ref");
    SetFieldStr(1478, "01/07/2006");
    SetFieldStr(1490, "10:00");
    FieldSlotAt(960)->Zero();
    const ByteBuffer before = Snapshot();
    ASSERT_TRUE(State().StoreChanged);
    {
        FileSizeLimit limit(64);
        EXPECT_EQ(SaveDataFile(name), EFBIG);
    }
    EXPECT_EQ(ReadBytes(name), file);
    EXPECT_EQ(ReadBytes(dir.File("RETURN.BAK")), backup);
    EXPECT_EQ(FolderContents(dir.Path()), (std::vector<std::string>{"RETURN.BAK", "RETURN.TAX"}));
    EXPECT_EQ(Snapshot(), before);  // not even the lodgment freeze or field 960
    EXPECT_TRUE(State().StoreChanged);

    EXPECT_EQ(SaveDataFile(dir.File("NO-SUCH-FOLDER/RETURN.TAX")), ENOENT);
    EXPECT_EQ(SaveFailureText("/r/A.TAX", ENOSPC),
              "Unable to save file - /r/A.TAX\r\n\r\nNo space left on device\r\n\r\nThe "
              "return on disk is unchanged.");
    fs::create_directory(dir.File("FOLDER.TAX"));
    EXPECT_EQ(SaveDataFile(dir.File("FOLDER.TAX")), EISDIR);
    EXPECT_TRUE(fs::is_directory(dir.File("FOLDER.TAX")));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(State().StoreChanged);
}

TEST_F(DataFileTest, ALodgedReturnIsWrittenOnceMoreAndThenFrozen) {
    SetFieldStr(1479, "REF123");
    SetFieldStr(1478, "01/07/2006");
    SetFieldStr(1490, "10:00");
    EXPECT_FALSE(IsFileLodged());
    ASSERT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(GetFieldStr(FrozenMarkField), LodgedMark);
    const ByteBuffer frozen = ReadBytes(name);
    SetFieldStr(397, "changed after lodgment");
    EXPECT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(ReadBytes(name), frozen);
    EXPECT_EQ(FolderContents(dir.Path()), std::vector<std::string>{"RETURN.TAX"});

    SetFieldStr(1491, LodgedMark);
    EXPECT_TRUE(IsFileLodged());
    ClearField(1490);
    EXPECT_FALSE(IsFileLodged());
    ShowLodgedMessage();
    EXPECT_EQ(responder->LastText(),
              "This data file has been lodged and is locked to preserve your lodgment "
              "details.\r\n\r\nYou will not be able to change the information contained in this "
              "file.\r\n\r\nHowever, you can continue to view the details of this file.");
    EXPECT_EQ(responder->Requests().back().icon, MessageIcon::Information);
}

TEST_F(DataFileTest, NoNameSavesNothingAndSaysSoOnlyInHelpdeskMode) {
    EXPECT_EQ(SaveDataFile(""), 0);
    EXPECT_EQ(responder->Count(), 0u);
    State().HelpdeskMode = true;
    EXPECT_EQ(SaveDataFile(""), 0);
    EXPECT_EQ(responder->LastText(), "SaveOpen - Trying to save a file with no name");
    EXPECT_EQ(FolderContents(dir.Path()), std::vector<std::string>{});
}

TEST_F(DataFileTest, HelpdeskModeDumpsEveryRecordIntoTheCurrentFolder) {
    SetFieldType(20, dtNumeric);
    SetFieldVal(20, 2.5L);
    SetFieldVal(100, 1500);
    SetFieldChecked(9);
    SetFieldStr(6, "EI");
    SetFieldLst(399, {"no line for lists"});
    State().HelpdeskMode = true;
    const fs::path previous = fs::current_path();
    fs::current_path(dir.Path());
    const int32_t result = SaveDataFile(name);
    fs::current_path(previous);
    ASSERT_EQ(result, 0);
    std::ifstream dump(dir.File("TEST.TXT"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(dump, line);) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"1 string 123 456 782", "6 smallstring EI",
                                               "9 Checkbox ", "20 Numeric 2.5", "100 Currency 1500",
                                               "960 Currency 60012", "1300 smallstring EI"}));
}

TEST_F(DataFileTest, LabelReviewStateTravelsInTheFile) {
    State().Review.SetReviewList({"SHARES", "TRUSTS"});
    State().Review.SetReviewMap({"LookupRequiresSave|Dividends", "7", "TQCGT_08", "SHARES"});
    ASSERT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(*GetFieldLst(ReviewListField), (TextList{"SHARES", "TRUSTS"}));
    EXPECT_EQ(*GetFieldLst(ReviewLookupField), (TextList{"LookupRequiresSave|Dividends", "7"}));

    Restart();
    ASSERT_EQ(OpenDataFile(name), OpenReadCompletely);
    EXPECT_EQ(State().Review.GetReviewList(), (std::vector<std::string>{"SHARES", "TRUSTS"}));
    EXPECT_EQ(State().Review.GetLookupRequiresSave(),
              (std::vector<std::string>{"LookupRequiresSave|Dividends", "7"}));
}

TEST_F(DataFileTest, Latin1NamesAreUtf8OnDisk) {
    const std::string latin1 = dir.File("D\xC9J\xC0.TAX");
    ASSERT_EQ(SaveDataFile(latin1), 0);
    EXPECT_TRUE(fs::exists(dir.File("D\xC3\x89J\xC3\x80.TAX")));
    EXPECT_EQ(OpenDataFile(latin1), OpenReadCompletely);
}
