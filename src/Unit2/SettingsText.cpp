// The text of the settings file and of the directory file.
#include "Unit2/SettingsText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "Unit2/NumericText.h"

namespace varno {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool IsWhiteSpace(char c) {
    return IsBlank(c) || IsLineEnd(c);
}

// A cursor over the bytes of a file that only ever moves forward, so reading takes linear time
// whatever the bytes are.
class ItemReader {
  public:
    explicit ItemReader(std::string_view bytes) : bytes_(bytes) {}

    // The characters up to the next line end, which is consumed; nothing at the end of the file.
    std::optional<std::string_view> TextLine() {
        if (position_ == bytes_.size()) {
            return std::nullopt;
        }
        const std::size_t start = position_;
        while (position_ < bytes_.size() && !IsLineEnd(bytes_[position_])) {
            ++position_;
        }
        const std::string_view line = bytes_.substr(start, position_ - start);
        SkipLineEnd();
        return line;
    }

    bool Boolean(bool& item) {
        const std::string_view token = Token();
        if (token == "true" || token == "1") {
            item = true;
        } else if (token == "false" || token == "0") {
            item = false;
        } else {
            return false;
        }
        SkipToNextLine();
        return true;
    }

    bool WholeNumber(std::int32_t& item) {
        const auto value = ParseWholeNumber(Token());
        if (!value) {
            return false;
        }
        item = *value;
        SkipToNextLine();
        return true;
    }

    // "." as the separator and an exponent of any number of digits; never "nan" or "inf".
    bool Angle(double& item) {
        const std::string_view token = Token();
        double value = 0.0;
        const char* const end = token.data() + token.size();
        const auto [stop, error] = std::from_chars(token.data(), end, value);
        if (token.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
            return false;
        }
        item = value;
        SkipToNextLine();
        return true;
    }

    // A corner text or a colour word: the rest of the line where the skipping stopped.
    bool Text(std::string& item) {
        const auto line = TextLine();
        if (!line) {
            return false;
        }
        item = *line;
        return true;
    }

    bool CornerText(std::string& item) {
        if (!Text(item)) {
            return false;
        }
        if (item == "null") {
            item.clear();
        }
        return true;
    }

  private:
    // A number or a word: white space of any kind is skipped before it, and it ends at the next
    // white space. Empty at the end of the file.
    std::string_view Token() {
        while (position_ < bytes_.size() && IsWhiteSpace(bytes_[position_])) {
            ++position_;
        }
        const std::size_t start = position_;
        while (position_ < bytes_.size() && !IsWhiteSpace(bytes_[position_])) {
            ++position_;
        }
        return bytes_.substr(start, position_ - start);
    }

    // After a number or a boolean: the blanks and the one line end that follow it, and the
    // blanks that open the next line. Never a second line end, so a line of blanks alone is
    // read as an empty text and not as the start of the line after it.
    void SkipToNextLine() {
        SkipBlanks();
        if (position_ < bytes_.size() && IsLineEnd(bytes_[position_])) {
            SkipLineEnd();
            SkipBlanks();
        }
    }

    void SkipBlanks() {
        while (position_ < bytes_.size() && IsBlank(bytes_[position_])) {
            ++position_;
        }
    }

    // CR LF, LF alone or CR alone.
    void SkipLineEnd() {
        if (position_ < bytes_.size() && bytes_[position_] == '\r') {
            ++position_;
        }
        if (position_ < bytes_.size() && bytes_[position_] == '\n') {
            ++position_;
        }
    }

    std::string_view bytes_;
    std::size_t position_ = 0;
};

// The items in the file's order; && stops at the first that cannot be read.
bool ReadItems(ItemReader& reader, Settings& settings) {
    auto& corners = settings.Corners;
    return reader.Boolean(settings.SkipWelcome) && reader.WholeNumber(settings.XSize) &&
           reader.WholeNumber(settings.YSize) && reader.CornerText(corners[TopLeft].Text) &&
           reader.WholeNumber(corners[TopLeft].X) && reader.WholeNumber(corners[TopLeft].Y) &&
           reader.CornerText(corners[TopRight].Text) && reader.WholeNumber(corners[TopRight].X) &&
           reader.WholeNumber(corners[TopRight].Y) && reader.CornerText(corners[BottomLeft].Text) &&
           reader.WholeNumber(corners[BottomLeft].X) && reader.WholeNumber(corners[BottomLeft].Y) &&
           reader.CornerText(corners[BottomRight].Text) &&
           reader.WholeNumber(corners[BottomRight].X) &&
           reader.WholeNumber(corners[BottomRight].Y) && reader.Text(settings.TextColourWord) &&
           reader.Boolean(settings.BorderOn) && reader.WholeNumber(settings.BorderWidth) &&
           reader.Text(settings.BorderColourWord) && reader.WholeNumber(settings.ScreenWidth) &&
           reader.WholeNumber(settings.ScreenHeight) && reader.Boolean(settings.ShowPoints) &&
           reader.Boolean(settings.ShowCircle) && reader.Boolean(settings.Flip) &&
           reader.Boolean(settings.Mirror) && reader.Angle(settings.RotationAngle) &&
           reader.WholeNumber(settings.Interpolation);
}

// A line end inside a text would end its line early and shift every later item.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (IsLineEnd(c)) {
            c = ' ';
        }
    }
    return line;
}

std::string_view BooleanWord(bool value) {
    return value ? "true" : "false";
}

std::string_view ColourWord(std::string_view word) {
    return word == "White" ? "White" : "Black";
}

std::string CornerTextLine(std::string_view text) {
    return text.empty() ? std::string("null") : OneLine(text);
}

// printf's "%.6g" with "." whatever the locale: 90, -12.5, 123457, 1.5e+07, 1.5e-07.
std::string AngleText(double angle) {
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), angle,
                                       std::chars_format::general, 6);
    return std::string(buffer.data(), written.ptr);
}

class LineWriter {
  public:
    void Line(std::string_view item) {
        text_ += item;
        text_ += kLineEnd;
    }
    void Line(std::int32_t number) { Line(std::to_string(number)); }
    std::string Text() && { return std::move(text_); }

  private:
    std::string text_;
};

}  // namespace

Settings ReadSettingsText(std::string_view bytes) {
    Settings settings = DefaultSettings();
    ItemReader reader(bytes);
    // What was read before a failure stays; the rest keeps its defaults.
    static_cast<void>(ReadItems(reader, settings));
    return settings;
}

std::string SettingsText(const Settings& settings) {
    LineWriter file;
    file.Line(BooleanWord(settings.SkipWelcome));
    file.Line(settings.XSize);
    file.Line(settings.YSize);
    for (const auto& corner : settings.Corners) {
        file.Line(CornerTextLine(corner.Text));
        file.Line(corner.X);
        file.Line(corner.Y);
    }
    file.Line(ColourWord(settings.TextColourWord));
    file.Line(BooleanWord(settings.BorderOn));
    file.Line(settings.BorderWidth);
    file.Line(ColourWord(settings.BorderColourWord));
    file.Line(std::to_string(settings.ScreenWidth) + " " + std::to_string(settings.ScreenHeight));
    file.Line(BooleanWord(settings.ShowPoints));
    file.Line(BooleanWord(settings.ShowCircle));
    file.Line(BooleanWord(settings.Flip));
    file.Line(BooleanWord(settings.Mirror));
    file.Line(AngleText(settings.RotationAngle));
    file.Line(settings.Interpolation == 1 ? "1" : "2");
    file.Line("");
    return std::move(file).Text();
}

Directories ReadDirectoryText(std::string_view bytes) {
    ItemReader reader(bytes);
    Directories directories;
    directories.OpenDirectory = reader.TextLine().value_or("");
    directories.SaveDirectory = reader.TextLine().value_or("");
    return directories;
}

std::optional<std::string> DirectoryText(const Directories& directories) {
    if (directories.OpenDirectory.empty() || directories.SaveDirectory.empty()) {
        return std::nullopt;
    }
    LineWriter file;
    file.Line(OneLine(directories.OpenDirectory));
    file.Line(OneLine(directories.SaveDirectory));
    file.Line("");
    return std::move(file).Text();
}

}  // namespace varno
