// Tests of the CSV pieces of vkcalc: cell splitting, cell quoting and the bounded line reader.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "csv.h"

namespace {

TEST(SplitCsvLine, CellsOfWellFormedLines)
{
    struct Case {
        std::string line;
        std::vector<std::string> cells;
    };
    const Case cases[] = {
        {"", {""}},
        {"a", {"a"}},
        {"a,b,c", {"a", "b", "c"}},
        {",", {"", ""}},
        {"a,", {"a", ""}},
        {",a", {"", "a"}},
        {"\"a\"", {"a"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"\"\"", {""}},
        {"\"\"\"\"", {"\""}},
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
        {"\"\",\"\"", {"", ""}},
        {"a\"b", {"a\"b"}},     // a quote inside an unquoted cell is an ordinary character
        {" a , b ", {" a ", " b "}}, // spaces belong to the cells
        {"1W,230,\"-3\"", {"1W", "230", "-3"}},
        {std::string("a\0b,c", 5), {std::string("a\0b", 3), "c"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> cells;
        std::string error;
        EXPECT_TRUE(SplitCsvLine(c.line, cells, error)) << c.line << ": " << error;
        EXPECT_EQ(cells, c.cells) << c.line;
    }
}

TEST(SplitCsvLine, ViewsPointIntoTheLineOrTheScratchText)
{
    const std::string line = "1W,\"2\"\"I\",,\"\"";
    std::vector<std::string_view> cells;
    std::string scratch = "left over from an earlier line";
    std::string error;
    ASSERT_TRUE(SplitCsvLine(line, cells, scratch, error));
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0], "1W");
    EXPECT_EQ(cells[0].data(), line.data());
    EXPECT_EQ(cells[1], "2\"I");
    EXPECT_EQ(cells[1].data(), scratch.data());
    EXPECT_EQ(cells[2], "");
    EXPECT_EQ(cells[3], "");
}

TEST(SplitCsvLine, MalformedQuotesAreRejected)
{
    const std::string lines[] = {"\"a", "\"a\"b", "x,\"abc", "\"a\"\"", "\"a\" ,b", "\""};
    for (const std::string& line : lines) {
        std::vector<std::string> cells;
        std::string error;
        EXPECT_FALSE(SplitCsvLine(line, cells, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(SplitCsvLine, ReusedVectorShrinksToTheNewCount)
{
    std::vector<std::string> cells;
    std::string error;
    ASSERT_TRUE(SplitCsvLine("a,b,c,d", cells, error));
    ASSERT_TRUE(SplitCsvLine("x,y", cells, error));
    EXPECT_EQ(cells, (std::vector<std::string>{"x", "y"}));
}

TEST(AppendCsvCell, QuotedOnlyWhenNeededAndReadBack)
{
    const std::string texts[] = {"plain", "", "a,b", "say \"hi\"", "two\nlines", "cr\r", "-1.5"};
    for (const std::string& text : texts) {
        std::string out;
        AppendCsvCell(out, text);
        const bool special = text.find_first_of(",\"\r\n") != std::string::npos;
        EXPECT_EQ(out.front() == '"', special) << out;
        if (text.find_first_of("\r\n") == std::string::npos) {
            std::vector<std::string> cells;
            std::string error;
            ASSERT_TRUE(SplitCsvLine(out, cells, error)) << out;
            EXPECT_EQ(cells, std::vector<std::string>{text});
        }
    }
}

// All lines of input through a LineReader, with "!" appended to those marked too long.
std::vector<std::string> ReadAll(const std::string& input, std::size_t maxLine)
{
    std::istringstream in(input);
    LineReader reader(in, maxLine);
    std::vector<std::string> lines;
    std::string_view line;
    bool tooLong = false;
    while (reader.Next(line, tooLong)) {
        lines.push_back(std::string(line) + (tooLong ? "!" : ""));
        EXPECT_EQ(reader.LineNumber(), lines.size());
    }
    return lines;
}

TEST(LineReader, LineEndsOfEveryKind)
{
    struct Case {
        std::string input;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\r\r\n", {"a\r"}}, // only one CR belongs to the line end
        {"a\rb\n", {"a\rb"}},
        {"\r\n", {""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadAll(c.input, 100), c.lines) << c.input;
    }
}

TEST(LineReader, LongLinesAreCutMarkedAndTheNextLineIsIntact)
{
    EXPECT_EQ(ReadAll("12345\n123456\nab\n", 5), (std::vector<std::string>{"12345", "12345!", "ab"}));
    // A CR right at the limit is part of the line end, not a sixth character.
    EXPECT_EQ(ReadAll("12345\r\n123456\r\nx", 5), (std::vector<std::string>{"12345", "12345!", "x"}));
    EXPECT_EQ(ReadAll(std::string(200000, 'x') + "\nok\n", 10),
              (std::vector<std::string>{"xxxxxxxxxx!", "ok"}));
}

TEST(LineReader, LinesAcrossChunkBoundariesAreWhole)
{
    // Lines of 1..99 characters cross the 64 KiB chunk boundaries at every offset.
    std::string input;
    std::vector<std::string> expected;
    for (int i = 0; input.size() < 300000; ++i) {
        std::string line(static_cast<std::size_t>(1 + i % 99), static_cast<char>('a' + i % 26));
        line += std::to_string(i);
        expected.push_back(line);
        input += line + ((i % 3 == 0) ? "\r\n" : "\n");
    }
    EXPECT_EQ(ReadAll(input, 200), expected);
    // The same without the last line end.
    input.resize(input.size() - 1);
    if (input.back() == '\r') {
        input.pop_back();
    }
    EXPECT_EQ(ReadAll(input, 200), expected);
}

// Regression: a line that starts in one chunk and ends exactly at the next chunk's first byte
// must not lose its last character or its CR handling.
TEST(LineReader, RegressionLineEndingOnChunkBoundary)
{
    const std::size_t chunk = 64 * 1024;
    for (std::size_t shift : {chunk - 2, chunk - 1, chunk, chunk + 1}) {
        std::string input(shift, 'p');
        input += "\r\nlast\r\n";
        const std::vector<std::string> lines = ReadAll(input, chunk * 2);
        ASSERT_EQ(lines.size(), 2u) << shift;
        EXPECT_EQ(lines[0].size(), shift);
        EXPECT_EQ(lines[1], "last");
    }
}

} // namespace
