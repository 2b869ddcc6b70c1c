#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <string>

#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/BinaryIO.h"
#include "platform/MemoryPrompter.h"
#include "shell/UnitConverter.h"
#include "units/TemperatureScales.h"

using namespace quorvix;

namespace {

// Converts between a few lengths, ignoring case like the real engine, and
// counts its calls.
class FakeConverter : public UnitConversionService {
public:
    EvalError ConvertUnits(double value, std::string_view from, std::string_view to,
                           double& result) override {
        ++calls;
        const auto cm = [](std::string_view u, double& f) {
            std::string upper;
            for (char c : u) upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
            static const std::map<std::string, double> table = {
                {"INCH", 2.54}, {"CENTIMETER", 1.0}, {"METER", 100.0}, {"FOOT", 30.48}};
            const auto it = table.find(upper);
            if (it == table.end()) return false;
            f = it->second;
            return true;
        };
        double a = 0, b = 0;
        if (!cm(from, a) || !cm(to, b)) {
            result = 0;
            return kBadArgument;
        }
        result = value * a / b;
        return kNoError;
    }
    int calls = 0;
};

class TempDir {
public:
    TempDir() {
        std::string leaf = "quorvix-shell-";
        leaf += std::to_string(::getpid());
        leaf += ::testing::UnitTest::GetInstance()->current_test_info()->name();
        path_ = std::filesystem::temp_directory_path() / leaf;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string str() const { return path_.string(); }
    std::string file(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string RecentFile(const std::vector<std::string>& names, int count) {
    ByteWriter w;
    w.WriteInt32(count);
    for (const std::string& n : names) w.WriteText(n);
    return w.bytes();
}

class UnitConverterTest : public ::testing::Test {
protected:
    TempDir dir;
    FakeConverter converter;
    MemoryPrompter prompter;
};

}  // namespace

TEST_F(UnitConverterTest, TypedUnitsConvertAndEnterTheRecentListToFirst) {
    UnitConverter uc(converter, prompter, dir.str());
    EXPECT_TRUE(uc.recent().entries().empty());
    EXPECT_EQ(uc.valueText, "1");
    EXPECT_EQ(uc.resultText, "0");
    uc.TypeFrom("inch");
    uc.TypeTo(" centimeter ");
    uc.Convert();
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(uc.resultText, "2.54");
    EXPECT_EQ(uc.recent().entries(), (std::vector<std::string>{"inch", "centimeter"}));
}

TEST_F(UnitConverterTest, SwitchConvertsBackAndPutsTheNewFromUnitInFront) {
    UnitConverter uc(converter, prompter, dir.str());
    uc.TypeFrom("inch");
    uc.TypeTo("centimeter");
    uc.Convert();
    uc.TypeFrom("meter");  // a third name, so the order shows who moved
    uc.TypeTo("inch");
    uc.Convert();
    ASSERT_EQ(uc.recent().entries(), (std::vector<std::string>{"meter", "inch", "centimeter"}));

    uc.TypeFrom("inch");
    uc.TypeTo("centimeter");
    uc.Switch();
    EXPECT_EQ(uc.from().text, "centimeter");
    EXPECT_EQ(uc.to().text, "inch");
    EXPECT_EQ(uc.resultText, "0.393700787401575");
    EXPECT_EQ(uc.recent().entries(), (std::vector<std::string>{"centimeter", "inch", "meter"}));
}

TEST_F(UnitConverterTest, RecordingIgnoresCaseAndKeepsFiftyEntries) {
    RecentUnits recent;
    for (int i = 0; i < 50; ++i) recent.Record(std::to_string(i) + "u");
    ASSERT_EQ(recent.size(), 50u);
    EXPECT_EQ(recent.at(49), "0u");
    recent.Record("new");
    EXPECT_EQ(recent.size(), 50u);
    EXPECT_EQ(recent.at(0), "new");
    EXPECT_EQ(recent.at(49), "1u");  // 0u dropped
    // An existing name moves to the front, in the new spelling, without
    // dropping anything.
    recent.Record("25U");
    EXPECT_EQ(recent.size(), 50u);
    EXPECT_EQ(recent.at(0), "25U");
    EXPECT_EQ(recent.at(49), "1u");
    int copies = 0;
    for (const std::string& e : recent.entries()) copies += (e == "25u" || e == "25U");
    EXPECT_EQ(copies, 1);
    // Gram and gauss are two units, so two entries.
    recent.Record("g");
    recent.Record("G");
    EXPECT_EQ(recent.at(0), "G");
    EXPECT_EQ(recent.at(1), "g");
}

TEST_F(UnitConverterTest, CapitalisedTypingMovesTheExistingEntry) {
    ASSERT_TRUE(WriteFileAtomically(dir.file("Recent.cnv"),
                                    RecentFile({"centimeter", "inch", "foot"}, 3)));
    UnitConverter uc(converter, prompter, dir.str());
    // The first two entries are selected at opening.
    EXPECT_EQ(uc.from().selected, 0);
    EXPECT_EQ(uc.to().selected, 1);
    EXPECT_EQ(uc.from().text, "centimeter");
    EXPECT_EQ(uc.to().text, "inch");
    uc.TypeFrom("INCH");
    uc.ChooseTo(2);  // foot
    uc.Convert();
    EXPECT_TRUE(prompter.shown.empty());
    // Only the typed from unit is recorded; the chosen entry stays selected.
    EXPECT_EQ(uc.recent().entries(), (std::vector<std::string>{"INCH", "centimeter", "foot"}));
    EXPECT_EQ(uc.to().selected, 2);
    EXPECT_EQ(uc.recent().at(static_cast<std::size_t>(uc.to().selected)), "foot");
}

TEST_F(UnitConverterTest, MessagesForMissingAndIncompatibleUnits) {
    UnitConverter uc(converter, prompter, dir.str());
    uc.TypeTo("inch");
    uc.Convert();
    uc.TypeFrom("  ");
    uc.Convert();
    uc.TypeFrom("inch");
    uc.TypeTo("");
    uc.Convert();
    EXPECT_EQ(uc.focus(), UnitConverter::Field::To);
    uc.TypeTo("parsec");
    uc.Convert();
    ASSERT_EQ(prompter.shown.size(), 4u);
    EXPECT_EQ(prompter.shown[0].text, "Please enter a unit to convert from.");
    EXPECT_EQ(prompter.shown[1].text, "Please enter a unit to convert from.");
    EXPECT_EQ(prompter.shown[2].text, "Please enter a unit to convert to.");
    EXPECT_EQ(prompter.shown[3].text,
              "Unable to make the conversion. The units are invalid or are incompatible.");
    for (const auto& m : prompter.shown) {
        EXPECT_EQ(m.caption, "Unit Converter");
        EXPECT_EQ(m.icon, PromptIcon::Exclamation);
    }
    EXPECT_EQ(uc.focus(), UnitConverter::Field::From);
    EXPECT_TRUE(uc.recent().entries().empty());  // failures record nothing

    // A conversion that succeeds moves the focus nowhere.
    uc.TypeTo("meter");
    uc.Convert();
    EXPECT_EQ(uc.focus(), UnitConverter::Field::None);
}

TEST_F(UnitConverterTest, ChoosingEntriesConvertsSilently) {
    ASSERT_TRUE(WriteFileAtomically(dir.file("Recent.cnv"),
                                    RecentFile({"inch", "centimeter", "parsec"}, 3)));
    UnitConverter uc(converter, prompter, dir.str());
    uc.valueText = "2";
    uc.ChooseTo(1);
    EXPECT_EQ(uc.resultText, "5.08");
    uc.ChooseTo(2);  // incompatible: no message, the result emptied
    EXPECT_EQ(uc.resultText, "");
    uc.ChooseTo(1);
    EXPECT_EQ(uc.resultText, "5.08");
    uc.valueText = "abc";  // unreadable: no message, no conversion
    uc.ChooseTo(1);
    EXPECT_EQ(uc.resultText, "");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(uc.recent().entries(), (std::vector<std::string>{"inch", "centimeter", "parsec"}));
}

TEST_F(UnitConverterTest, UnreadableValueStopsTheConversion) {
    UnitConverter uc(converter, prompter, dir.str());
    uc.TypeFrom("meter");
    uc.TypeTo("centimeter");
    uc.valueText = "3";
    uc.Convert();
    EXPECT_EQ(uc.resultText, "300");
    const int calls = converter.calls;
    for (const char* action : {"convert", "switch"}) {
        prompter.shown.clear();
        uc.valueText = "x3";
        if (action == std::string("convert")) uc.Convert();
        else uc.Switch();
        ASSERT_EQ(prompter.shown.size(), 1u) << action;
        EXPECT_EQ(prompter.shown[0].text, "Please enter a number.");
        EXPECT_EQ(uc.focus(), UnitConverter::Field::Value);
        EXPECT_EQ(uc.resultText, "");
    }
    EXPECT_EQ(converter.calls, calls);
    EXPECT_EQ(uc.value(), 3.0);
}

TEST_F(UnitConverterTest, FailuresSayWhyAndEmptyTheResult) {
    // A refused temperature below absolute zero is named as such.
    struct Row {
        const char* value;
        const char* from;
        const char* to;
        const char* message;
        UnitConverter::Field focus;
    };
    const Row rows[] = {
        {"1E307", "meter", "centimeter", UnitConverter::kOverflow, UnitConverter::Field::Value},
        {"3", "meter", "parsec", UnitConverter::kCannotConvert, UnitConverter::Field::From},
        {"-500", "degC", "degK", UnitConverter::kBelowAbsoluteZero, UnitConverter::Field::Value},
        {"-459.68", " degree F ", "DEGC", UnitConverter::kBelowAbsoluteZero,
         UnitConverter::Field::Value},
        {"-0.001", "degK", "degK", UnitConverter::kBelowAbsoluteZero, UnitConverter::Field::Value},
    };
    const auto convert = [](UnitConverter& uc, std::string value, std::string from,
                            std::string to) {
        uc.TypeFrom(std::move(from));
        uc.TypeTo(std::move(to));
        uc.valueText = std::move(value);
        uc.Convert();
    };
    for (const Row& row : rows) {
        UnitConverter uc(converter, prompter, dir.str());
        convert(uc, "3", "meter", "centimeter");
        ASSERT_EQ(uc.resultText, "300");
        const std::vector<std::string> recorded = uc.recent().entries();
        prompter.shown.clear();

        convert(uc, row.value, row.from, row.to);
        ASSERT_EQ(prompter.shown.size(), 1u) << row.value;
        EXPECT_EQ(prompter.shown[0].text, row.message);
        EXPECT_EQ(uc.focus(), row.focus);
        EXPECT_EQ(uc.resultText, "");
        EXPECT_EQ(uc.recent().entries(), recorded);

        // The emptied result field is no obstacle to the next conversion.
        convert(uc, "2", "meter", "centimeter");
        EXPECT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(uc.resultText, "200");
    }
}

TEST(TemperatureScales, AbsoluteZeroIsTheFloorOfEachScale) {
    using S = TemperatureScale;
    EXPECT_FALSE(IsBelowAbsoluteZero(-273.15, S::kCelsius));
    EXPECT_TRUE(IsBelowAbsoluteZero(-273.16, S::kCelsius));
    EXPECT_FALSE(IsBelowAbsoluteZero(-459.67, S::kFahrenheit));
    EXPECT_TRUE(IsBelowAbsoluteZero(-459.68, S::kFahrenheit));
    EXPECT_FALSE(IsBelowAbsoluteZero(0.0, S::kKelvin));
    EXPECT_TRUE(IsBelowAbsoluteZero(-1e-300, S::kKelvin));
    EXPECT_FALSE(IsBelowAbsoluteZero(-1e300, S::kNone));
}

TEST_F(UnitConverterTest, RecentFileIsReadCappedAndWrittenBack) {
    std::vector<std::string> names;
    for (int i = 0; i < 80; ++i) names.push_back(std::to_string(i) + "unit");
    ASSERT_TRUE(WriteFileAtomically(dir.file("Recent.cnv"), RecentFile(names, 80)));
    {
        UnitConverter uc(converter, prompter, dir.str());
        ASSERT_EQ(uc.recent().size(), 50u);
        EXPECT_EQ(uc.recent().at(49), "49unit");
        uc.TypeFrom("inch");
        uc.TypeTo("meter");
        uc.Convert();
        uc.SaveRecent();
    }
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.file("Recent.cnv"), bytes));
    RecentUnits back;
    back.Decode(bytes);
    ASSERT_EQ(back.size(), 50u);
    EXPECT_EQ(back.at(0), "inch");
    EXPECT_EQ(back.at(1), "meter");
    EXPECT_EQ(back.at(49), "47unit");
    // Byte layout: count, then length-prefixed names.
    EXPECT_EQ(bytes.substr(0, 10), std::string("\x32\x00\x00\x00\x04inch\x05", 10));
}

TEST_F(UnitConverterTest, DamagedRecentFilesKeepWhatWasRead) {
    RecentUnits recent;
    recent.Decode(RecentFile({"a", "b"}, 3));  // ends before the third
    EXPECT_EQ(recent.entries(), (std::vector<std::string>{"a", "b"}));
    recent.Decode(RecentFile({"a"}, -7));
    EXPECT_TRUE(recent.entries().empty());
    std::string huge = RecentFile({"a"}, 2);
    huge += std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7);  // 2 GB claimed
    recent.Decode(huge);
    EXPECT_EQ(recent.entries(), (std::vector<std::string>{"a"}));
    recent.Decode("");
    EXPECT_TRUE(recent.entries().empty());
    // A damaged file may repeat a name; recording it leaves one copy.
    recent.Decode(RecentFile({"inch", "cm", "INCH", "Inch"}, 4));
    recent.Record("inch");
    EXPECT_EQ(recent.entries(), (std::vector<std::string>{"inch", "cm"}));

    // A missing file gives empty lists and nothing selected.
    UnitConverter uc(converter, prompter, dir.str() + "/missing");
    EXPECT_TRUE(uc.recent().entries().empty());
    EXPECT_EQ(uc.from().selected, -1);
}

TEST_F(UnitConverterTest, ShownFromTheOptionsMenuTakesTheValue) {
    UnitConverter uc(converter, prompter, dir.str());
    EXPECT_FALSE(uc.visible());
    uc.ShowWithValue(12.5);
    EXPECT_TRUE(uc.visible());
    EXPECT_EQ(uc.valueText, "12.5");
    uc.Hide();
    EXPECT_FALSE(uc.visible());
    MemoryHelpViewer help;
    uc.Help(help);
    EXPECT_EQ(help.requests, (std::vector<std::string>{"Unit Converter"}));
}

TEST(UnitConverterMessage, NamesWhatTheEngineDidNotUnderstand) {
    EXPECT_EQ(UnitConverter::CannotConvertMessage(""), UnitConverter::kCannotConvert);
    EXPECT_EQ(UnitConverter::CannotConvertMessage("the unit \"furlongz\" is not understood"),
              std::string(UnitConverter::kCannotConvert) +
                  "\nThe unit \"furlongz\" is not understood.");
}
