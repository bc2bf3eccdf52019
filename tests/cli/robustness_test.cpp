// Robustness of vkcalc against arbitrary input: random command lines and random CSV never crash or lose rows.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "csv.h"
#include "vkcalc.h"

namespace {

// Pieces that random inputs are built from: valid texts, near misses and raw bytes.
const std::string kPieces[] = {"--club", "--power", "--spin", "--ring", "--fairway", "--rain", "--wind",
                               "--distance", "--height", "--direction", "--slope", "--beam", "--json",
                               "--csv", "--help=", "=", "1W", "2i", "30", "7", "100", "9", "200", "-3.5",
                               "1:2:0.5", "88:92:1", ":", ",", "\"", "\"\"", "\r", "\n", "-", ".", "9I",
                               "12345678", "123456789", "", "\xff", std::string("\0", 1), "club",
                               "distance", "height", "ring", "1", "0", "x"};

std::string RandomText(std::mt19937& random, int maxPieces)
{
    std::uniform_int_distribution<int> count(0, maxPieces);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kPieces / sizeof kPieces[0] - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text;
    for (int n = count(random); n > 0; --n) {
        if (random() % 8 == 0) {
            text += static_cast<char>(byte(random));
        } else {
            text += kPieces[pick(random)];
        }
    }
    return text;
}

// text without its LF characters.
std::string OneLine(const std::string& text)
{
    std::string line;
    for (const char c : text) {
        if (c != '\n') {
            line += c;
        }
    }
    return line;
}

TEST(Robustness, RandomCommandLinesGiveAStatusAndAMessageOrAResult)
{
    std::mt19937 random(6);
    for (int round = 0; round < 3000; ++round) {
        std::vector<std::string> args;
        for (int n = static_cast<int>(random() % 6); n > 0; --n) {
            args.push_back(RandomText(random, 2));
        }
        std::vector<const char*> argv = {"vkcalc"};
        for (const std::string& a : args) {
            argv.push_back(a.c_str());
        }
        bool csv = false;
        for (const std::string& a : args) {
            csv = csv || a == "--csv";
        }
        std::istringstream in(csv ? RandomText(random, 30) : std::string());
        std::ostringstream out, err;
        const int status = RunVkcalc(static_cast<int>(argv.size()), argv.data(), in, out, err);
        ASSERT_TRUE(status == 0 || status == 1 || status == 2) << status;
        if (status == 2) {
            EXPECT_EQ(out.str(), "");
            EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line: " << err.str();
        } else {
            EXPECT_FALSE(out.str().empty());
        }
    }
}

TEST(Robustness, RandomCsvGivesOneRowOfThirteenCellsPerLine)
{
    std::mt19937 random(66);
    for (int round = 0; round < 2000; ++round) {
        std::string input = (random() % 2) ? "club,distance,height,ring" : OneLine(RandomText(random, 6));
        input += "\n";
        std::size_t lines = 0;
        for (int n = static_cast<int>(random() % 8); n > 0; --n) {
            input += OneLine(RandomText(random, 8)) + "\n";
            ++lines;
        }
        const char* argv[] = {"vkcalc", "--csv"};
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = RunVkcalc(2, argv, in, out, err);
        ASSERT_TRUE(status == 0 || status == 1);
        std::istringstream text(out.str());
        std::vector<std::string> cells;
        std::string error;
        std::size_t rows = 0;
        for (std::string row; std::getline(text, row); ++rows) {
            ASSERT_TRUE(SplitCsvLine(row, cells, error)) << row;
            ASSERT_EQ(cells.size(), 13u) << row;
        }
        EXPECT_EQ(rows, lines + 1) << input;
    }
}

} // namespace
