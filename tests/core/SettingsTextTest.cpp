// The text of the settings and directory files: what is written, what reads back, and what a
// damaged file leaves of the start-up defaults.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "Unit2/SettingsText.h"

namespace varno {

void PrintTo(const Settings& s, std::ostream* out) {
    *out << "{" << s.SkipWelcome << ", " << s.XSize << ", " << s.YSize;
    for (const auto& corner : s.Corners) {
        *out << ", '" << corner.Text.substr(0, 40) << (corner.Text.size() > 40 ? "...'" : "'")
             << " " << corner.X << " " << corner.Y;
    }
    *out << ", '" << s.TextColourWord << "', " << s.BorderOn << ", " << s.BorderWidth << ", '"
         << s.BorderColourWord << "', " << s.ScreenWidth << " " << s.ScreenHeight << ", "
         << s.ShowPoints << s.ShowCircle << s.Flip << s.Mirror << ", " << s.RotationAngle << ", "
         << s.Interpolation << "}";
}

namespace {

// Every item differs from its start-up default, so a misplaced or lost item shows.
Settings UnusualSettings() {
    Settings s;
    s.SkipWelcome = true;
    s.XSize = 1000;
    s.YSize = -7;
    s.Corners = {{{"Sonne \xB1 0\xB0 \xE9t\xE9", -3, 2147483647},
                  {"", 0, -2147483647 - 1},
                  {"14h 30m", 71, 461},
                  {"KVT  ", 5, 6}}};
    s.TextColourWord = "White";
    s.BorderOn = false;
    s.BorderWidth = 0;
    s.BorderColourWord = "White";
    s.ScreenWidth = 1000;
    s.ScreenHeight = 700;
    s.ShowPoints = true;
    s.ShowCircle = true;
    s.Flip = true;
    s.Mirror = true;
    s.RotationAngle = -12.5;
    s.Interpolation = 2;
    return s;
}

// The lines of a file, without their CR LF; the text after the last line end comes last.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& lineEnd) {
    std::string text;
    for (const auto& line : lines) {
        text += line + lineEnd;
    }
    return text;
}

// The file of the given settings with line `line` (1 to 27) replaced.
std::string WithLine(const Settings& settings, int line, const std::string& replacement) {
    auto lines = Lines(SettingsText(settings));
    lines.at(static_cast<std::size_t>(line - 1)) = replacement;
    lines.pop_back();  // the empty text after the final line end
    return Joined(lines, "\r\n");
}

// Copies what settings-file line `line` (1 to 26) carries from `from` into `to`.
void CopyLineItem(int line, const Settings& from, Settings& to) {
    const int corner = (line - 4) / 3;
    switch (line) {
        case 1:
            to.SkipWelcome = from.SkipWelcome;
            break;
        case 2:
            to.XSize = from.XSize;
            break;
        case 3:
            to.YSize = from.YSize;
            break;
        case 4:
        case 7:
        case 10:
        case 13:
            to.Corners[corner].Text = from.Corners[corner].Text;
            break;
        case 5:
        case 8:
        case 11:
        case 14:
            to.Corners[corner].X = from.Corners[corner].X;
            break;
        case 6:
        case 9:
        case 12:
        case 15:
            to.Corners[corner].Y = from.Corners[corner].Y;
            break;
        case 16:
            to.TextColourWord = from.TextColourWord;
            break;
        case 17:
            to.BorderOn = from.BorderOn;
            break;
        case 18:
            to.BorderWidth = from.BorderWidth;
            break;
        case 19:
            to.BorderColourWord = from.BorderColourWord;
            break;
        case 20:
            to.ScreenWidth = from.ScreenWidth;
            to.ScreenHeight = from.ScreenHeight;
            break;
        case 21:
            to.ShowPoints = from.ShowPoints;
            break;
        case 22:
            to.ShowCircle = from.ShowCircle;
            break;
        case 23:
            to.Flip = from.Flip;
            break;
        case 24:
            to.Mirror = from.Mirror;
            break;
        case 25:
            to.RotationAngle = from.RotationAngle;
            break;
        case 26:
            to.Interpolation = from.Interpolation;
            break;
        default:
            FAIL() << "no settings line " << line;
    }
}

// The defaults with the items of lines 1 to lastLine taken from `from`.
Settings DefaultsThrough(int lastLine, const Settings& from) {
    Settings expected = DefaultSettings();
    for (int line = 1; line <= lastLine; ++line) {
        CopyLineItem(line, from, expected);
    }
    return expected;
}

TEST(SettingsTextTest, DefaultsAreWrittenAsTheFirstRunFile) {
    const std::string expected =
        "false\r\n500\r\n500\r\n1st January 2002\r\n10\r\n15\r\n08h 00m UT\r\n400\r\n15\r\n"
        "null\r\n70\r\n460\r\nKVT\r\n430\r\n460\r\nBlack\r\ntrue\r\n1\r\nBlack\r\n"
        "1024 768\r\nfalse\r\nfalse\r\nfalse\r\nfalse\r\n0\r\n1\r\n\r\n";
    EXPECT_EQ(SettingsText(DefaultSettings()), expected);
}

TEST(SettingsTextTest, EveryItemReadsBackAsWritten) {
    EXPECT_EQ(ReadSettingsText(SettingsText(DefaultSettings())), DefaultSettings());
    EXPECT_EQ(ReadSettingsText(SettingsText(UnusualSettings())), UnusualSettings());
}

TEST(SettingsTextTest, EveryLineEndReadsAlike) {
    const Settings settings = UnusualSettings();
    auto lines = Lines(SettingsText(settings));
    lines.pop_back();
    for (const char* lineEnd : {"\n", "\r", "\r\n"}) {
        EXPECT_EQ(ReadSettingsText(Joined(lines, lineEnd)), settings)
            << "line end of " << std::string(lineEnd).size() << " byte(s)";
    }
    // Without the empty last line and the final line end the 26 items are all there.
    std::string unended = SettingsText(settings);
    unended.resize(unended.size() - 4);
    EXPECT_EQ(ReadSettingsText(unended), settings);
}

struct CornerTextCase {
    const char* scenario;
    std::string typed;
    std::string readBack;

    friend void PrintTo(const CornerTextCase& c, std::ostream* out) { *out << c.scenario; }
};

class CornerTextRoundTripTest : public testing::TestWithParam<CornerTextCase> {};

TEST_P(CornerTextRoundTripTest, ReadsBackWithoutShiftingLaterItems) {
    const CornerTextCase& c = GetParam();
    for (const CornerIndex corner : {TopLeft, TopRight, BottomLeft, BottomRight}) {
        Settings settings = UnusualSettings();
        settings.Corners[corner].Text = c.typed;
        Settings expected = settings;
        expected.Corners[corner].Text = c.readBack;
        EXPECT_EQ(ReadSettingsText(SettingsText(settings)), expected)
            << c.scenario << ", corner " << corner;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CornerTextRoundTripTest,
    testing::Values(CornerTextCase{"79 characters", std::string(79, 'x'), std::string(79, 'x')},
                    CornerTextCase{"300 characters", std::string(300, 'y'), std::string(300, 'y')},
                    CornerTextCase{"a line of a megabyte", std::string(1 << 20, 'z'),
                                   std::string(1 << 20, 'z')},
                    CornerTextCase{"empty", "", ""},
                    // The format writes an empty text as "null", so "null" itself reads empty.
                    CornerTextCase{"the word null", "null", ""},
                    CornerTextCase{"NULL is a text", "NULL", "NULL"},
                    CornerTextCase{"blanks only", "   \t ", ""},
                    CornerTextCase{"leading blanks lost, trailing kept", "  KVT  ", "KVT  "},
                    CornerTextCase{"bytes above 0x7F", "\x80\xB0\xB1\xFF", "\x80\xB0\xB1\xFF"},
                    // A line break would end the line early and shift every later item.
                    CornerTextCase{"line breaks", "two\r\nlines\rthree\n", "two  lines three "}));

struct AngleCase {
    double angle;
    std::string line;
    double readBack;

    friend void PrintTo(const AngleCase& c, std::ostream* out) { *out << c.angle; }
};

class AngleRoundTripTest : public testing::TestWithParam<AngleCase> {};

TEST_P(AngleRoundTripTest, WritesSixSignificantDigitsAndReadsThemBack) {
    const auto& [angle, line, readBack] = GetParam();
    Settings settings = UnusualSettings();
    settings.RotationAngle = angle;
    const std::string text = SettingsText(settings);
    EXPECT_EQ(Lines(text).at(24), line) << "angle " << angle;
    Settings expected = settings;
    expected.RotationAngle = readBack;
    EXPECT_EQ(ReadSettingsText(text), expected) << "angle " << angle;
}

INSTANTIATE_TEST_SUITE_P(Table, AngleRoundTripTest,
                         testing::Values(AngleCase{0.0, "0", 0.0}, AngleCase{90.0, "90", 90.0},
                                         AngleCase{-180.0, "-180", -180.0},
                                         AngleCase{-12.5, "-12.5", -12.5},
                                         AngleCase{123.456789, "123.457", 123.457},
                                         AngleCase{359.9999996, "360", 360.0},
                                         AngleCase{123456.7, "123457", 123457.0},
                                         AngleCase{1234567.0, "1.23457e+06", 1234570.0},
                                         AngleCase{0.0001, "0.0001", 0.0001},
                                         AngleCase{0.00001234567, "1.23457e-05", 1.23457e-05},
                                         AngleCase{1.5e-7, "1.5e-07", 1.5e-7},
                                         AngleCase{-2.5e300, "-2.5e+300", -2.5e300}));

struct ItemCase {
    const char* scenario;
    int line;
    std::string text;
    void (*expectedChange)(Settings&);  // what the line changes in UnusualSettings()

    friend void PrintTo(const ItemCase& c, std::ostream* out) { *out << c.scenario; }
};

class ReadItemTest : public testing::TestWithParam<ItemCase> {};

TEST_P(ReadItemTest, ReadsTheLineAsItsItem) {
    const ItemCase& c = GetParam();
    Settings expected = UnusualSettings();
    c.expectedChange(expected);
    EXPECT_EQ(ReadSettingsText(WithLine(UnusualSettings(), c.line, c.text)), expected)
        << c.scenario << ": line " << c.line << " '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadItemTest,
    testing::Values(
        ItemCase{"boolean as 0", 1, "0", [](Settings& s) { s.SkipWelcome = false; }},
        ItemCase{"boolean as 1", 17, "1", [](Settings& s) { s.BorderOn = true; }},
        ItemCase{"boolean with blanks", 21, "  false  ", [](Settings& s) { s.ShowPoints = false; }},
        ItemCase{"leading zeros", 2, "0012", [](Settings& s) { s.XSize = 12; }},
        ItemCase{"minus zero", 3, "-0", [](Settings& s) { s.YSize = 0; }},
        ItemCase{"largest number", 18, "2147483647",
                 [](Settings& s) { s.BorderWidth = 2147483647; }},
        ItemCase{"lower-case white kept as read", 16, "white",
                 [](Settings& s) { s.TextColourWord = "white"; }},
        ItemCase{"any colour word kept", 19, "  Grey",
                 [](Settings& s) { s.BorderColourWord = "Grey"; }},
        ItemCase{"screen of two numbers", 20, "1280 1024",
                 [](Settings& s) {
                     s.ScreenWidth = 1280;
                     s.ScreenHeight = 1024;
                 }},
        ItemCase{"screen numbers apart", 20, "1280 \t  1024 ",
                 [](Settings& s) {
                     s.ScreenWidth = 1280;
                     s.ScreenHeight = 1024;
                 }},
        ItemCase{"interpolation 2", 26, "2", [](Settings& s) { s.Interpolation = 2; }},
        ItemCase{"interpolation 0", 26, "0", [](Settings& s) { s.Interpolation = 0; }},
        ItemCase{"interpolation 7", 26, "7", [](Settings& s) { s.Interpolation = 7; }},
        ItemCase{"interpolation 1", 26, "1", [](Settings& s) { s.Interpolation = 1; }},
        ItemCase{"two-digit exponent", 25, "1.5e-07",
                 [](Settings& s) { s.RotationAngle = 1.5e-7; }},
        ItemCase{"three-digit exponent", 25, "1.5e-007",
                 [](Settings& s) { s.RotationAngle = 1.5e-7; }},
        ItemCase{"large exponent", 25, "2.5e+300", [](Settings& s) { s.RotationAngle = 2.5e300; }},
        ItemCase{"capital E", 25, "1E5", [](Settings& s) { s.RotationAngle = 1e5; }},
        ItemCase{"more digits than written", 25, "123.456789",
                 [](Settings& s) { s.RotationAngle = 123.456789; }}));

TEST(SettingsTextTest, ColourWordsAreWrittenAsBlackUnlessWhite) {
    for (const auto& [held, written] : {std::pair{"White", "White"},
                                        {"Black", "Black"},
                                        {"white", "Black"},
                                        {"", "Black"},
                                        {"Grey", "Black"}}) {
        Settings settings;
        settings.TextColourWord = held;
        settings.BorderColourWord = held;
        const auto lines = Lines(SettingsText(settings));
        EXPECT_EQ(lines.at(15), written) << "text colour '" << held << "'";
        EXPECT_EQ(lines.at(18), written) << "border colour '" << held << "'";
    }
}

TEST(SettingsTextTest, InterpolationIsWrittenAsOneOrTwo) {
    for (const auto& [held, written] : {std::pair{1, "1"}, {2, "2"}, {0, "2"}, {7, "2"}}) {
        Settings settings;
        settings.Interpolation = held;
        EXPECT_EQ(Lines(SettingsText(settings)).at(25), written) << "interpolation " << held;
    }
}

TEST(SettingsTextTest, FileEndingEarlyKeepsTheDefaultsOfTheMissingItems) {
    const Settings settings = UnusualSettings();
    auto lines = Lines(SettingsText(settings));
    for (int kept = 0; kept <= 26; ++kept) {
        const std::vector<std::string> head(lines.begin(), lines.begin() + kept);
        const Settings expected = DefaultsThrough(kept, settings);
        const std::string ended = Joined(head, "\r\n");
        EXPECT_EQ(ReadSettingsText(ended), expected) << kept << " lines with their line ends";
        if (!ended.empty()) {
            EXPECT_EQ(ReadSettingsText(ended.substr(0, ended.size() - 2)), expected)
                << kept << " lines without the last line end";
        }
    }
}

TEST(SettingsTextTest, UnreadableItemEndsTheReadingThere) {
    const Settings settings = UnusualSettings();
    const std::vector<std::string> notBoolean{"abc", "True", "2", "-1", "truex", "null"};
    const std::vector<std::string> notWholeNumber{"abc",        "12x",         "+5", "1.5",
                                                  "2147483648", "-2147483649", "-",  "null"};
    for (const int line : {1, 17, 21, 22, 23, 24}) {
        for (const auto& bad : notBoolean) {
            EXPECT_EQ(ReadSettingsText(WithLine(settings, line, bad)),
                      DefaultsThrough(line - 1, settings))
                << "boolean line " << line << " holding '" << bad << "'";
        }
    }
    for (const int line : {2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 18, 20, 26}) {
        for (const auto& bad : notWholeNumber) {
            EXPECT_EQ(ReadSettingsText(WithLine(settings, line, bad)),
                      DefaultsThrough(line - 1, settings))
                << "number line " << line << " holding '" << bad << "'";
        }
    }
}

TEST(SettingsTextTest, AngleMustBeAFiniteNumber) {
    const Settings settings = UnusualSettings();
    for (const char* bad :
         {"nan", "inf", "-inf", "infinity", "1e999", "1,5", "0x10", "1.5e", "-"}) {
        EXPECT_EQ(ReadSettingsText(WithLine(settings, 25, bad)), DefaultsThrough(24, settings))
            << "angle '" << bad << "'";
    }
}

TEST(SettingsTextTest, ScreenWidthAloneKeepsTheDefaultHeight) {
    const Settings settings = UnusualSettings();
    Settings expected = DefaultsThrough(19, settings);
    expected.ScreenWidth = 1280;
    EXPECT_EQ(ReadSettingsText(WithLine(settings, 20, "1280 x")), expected);
}

TEST(SettingsTextTest, EmptyLineBeforeANumberIsSkipped) {
    const Settings settings = UnusualSettings();
    EXPECT_EQ(ReadSettingsText(WithLine(settings, 2, "\r\n \r\n1000")), settings);
}

TEST(SettingsTextTest, HostileFilesGiveTheDefaults) {
    std::mt19937 generator(20020101);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string garbage(1 << 16, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(byte(generator));
    }
    garbage[0] = 'x';  // no boolean can start the file

    std::string nulls;
    for (int line = 0; line < 27; ++line) {
        nulls += "null\r\n";
    }
    const struct {
        const char* scenario;
        std::string bytes;
    } files[] = {
        {"empty", ""},
        {"line ends only", "\r\n\n\r\r\n"},
        {"binary garbage", garbage},
        {"null everywhere", nulls},
        {"a megabyte without a line end", std::string(1 << 20, 'q')},
        {"a megabyte of blanks", std::string(1 << 20, ' ')},
        {"zeros bytes", std::string(1000, '\0')},
    };
    for (const auto& file : files) {
        EXPECT_EQ(ReadSettingsText(file.bytes), DefaultSettings()) << file.scenario;
    }
}

TEST(SettingsTextTest, HugeNumberIsAReadError) {
    const Settings settings = UnusualSettings();
    EXPECT_EQ(ReadSettingsText(WithLine(settings, 2, std::string(1 << 20, '9'))),
              DefaultsThrough(1, settings));
}

TEST(DirectoryTextTest, WritesTwoDirectoriesAndAnEmptyLine) {
    const Directories directories{"/home/sun/2002/", "/home/sun/out put/"};
    EXPECT_EQ(DirectoryText(directories), "/home/sun/2002/\r\n/home/sun/out put/\r\n\r\n");
}

TEST(DirectoryTextTest, WritesNothingWhileEitherDirectoryIsUnknown) {
    EXPECT_EQ(DirectoryText(Directories{"", "/b/"}), std::nullopt);
    EXPECT_EQ(DirectoryText(Directories{"/a/", ""}), std::nullopt);
    EXPECT_EQ(DirectoryText(Directories{"", ""}), std::nullopt);
}

TEST(DirectoryTextTest, DirectoriesReadBackAsTheyStand) {
    for (const Directories& directories :
         {Directories{"/home/sun/", "/tmp/"}, Directories{" /lead blank/", "/trail blank/ "},
          Directories{"/" + std::string(300, 'd') + "/", "/" + std::string(79, 's') + "/"},
          Directories{"/\xE9t\xE9/", "/\xB1/"}}) {
        const auto text = DirectoryText(directories);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(ReadDirectoryText(*text), directories)
            << "'" << directories.OpenDirectory.substr(0, 40) << "'";
    }
}

struct DirectoryCase {
    const char* scenario;
    std::string bytes;
    Directories read;

    friend void PrintTo(const DirectoryCase& c, std::ostream* out) { *out << c.scenario; }
};

class ReadDirectoryTextTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(ReadDirectoryTextTest, GivesEachLineItsDirectory) {
    const DirectoryCase& c = GetParam();
    EXPECT_EQ(ReadDirectoryText(c.bytes), c.read) << c.scenario;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadDirectoryTextTest,
    testing::Values(DirectoryCase{"empty file", "", {"", ""}},
                    DirectoryCase{"one line", "/home/sun/\r\n", {"/home/sun/", ""}},
                    DirectoryCase{"one line without its end", "/home/sun/", {"/home/sun/", ""}},
                    DirectoryCase{"line feeds alone", "/a/\n/b/\n\n", {"/a/", "/b/"}},
                    DirectoryCase{"carriage returns alone", "/a/\r/b/\r\r", {"/a/", "/b/"}},
                    DirectoryCase{"empty first line", "\r\n/b/\r\n", {"", "/b/"}},
                    DirectoryCase{"more lines", "/a/\r\n/b/\r\n/c/\r\n", {"/a/", "/b/"}}));

}  // namespace
}  // namespace varno
