// Tests of the committed dial picture res/dial.bmp: format, centre and the marks it must show.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Pixel {
    int r, g, b;
};

// The picture's file, found from this source file's place in the tree.
std::string PicturePath()
{
    std::string path = __FILE__;
    path = path.substr(0, path.rfind("tests"));
    return path + "res/dial.bmp";
}

std::vector<unsigned char> ReadFile(const std::string& path)
{
    std::vector<unsigned char> bytes;
    if (std::FILE* in = std::fopen(path.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(in)) != EOF) {
            bytes.push_back(static_cast<unsigned char>(c));
        }
        std::fclose(in);
    }
    return bytes;
}

uint32_t Little(const std::vector<unsigned char>& bytes, std::size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + i];
    }
    return value;
}

class DialPicture : public ::testing::Test {
protected:
    void SetUp() override
    {
        bytes = ReadFile(PicturePath());
        ASSERT_EQ(bytes.size(), 14u + 40u + 288u * 95u) << PicturePath();
    }

    // Pixel (x, y) counted from the top-left corner; the file stores rows bottom-up.
    Pixel At(int x, int y) const
    {
        const std::size_t at = 54 + static_cast<std::size_t>(94 - y) * 288 + static_cast<std::size_t>(x) * 3;
        return {bytes[at + 2], bytes[at + 1], bytes[at]};
    }

    std::vector<unsigned char> bytes;
};

TEST_F(DialPicture, Format95By95TwentyFourBits)
{
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Little(bytes, 2, 4), bytes.size());
    EXPECT_EQ(Little(bytes, 10, 4), 54u); // pixels right after the headers
    EXPECT_EQ(Little(bytes, 14, 4), 40u); // BITMAPINFOHEADER
    EXPECT_EQ(Little(bytes, 18, 4), 95u);
    EXPECT_EQ(Little(bytes, 22, 4), 95u);
    EXPECT_EQ(Little(bytes, 26, 2), 1u);
    EXPECT_EQ(Little(bytes, 28, 2), 24u);
    EXPECT_EQ(Little(bytes, 30, 4), 0u); // uncompressed
}

TEST_F(DialPicture, MagentaCrossHairThroughCentrePixel)
{
    // Pixel (47, 47) lands on the dial's centre (57, 648) when drawn at (10, 601).
    for (int i = 10; i <= 84; ++i) {
        const Pixel column = At(47, i);
        const Pixel row = At(i, 47);
        EXPECT_TRUE(column.r == 255 && column.g == 0 && column.b == 255) << "column at " << i;
        EXPECT_TRUE(row.r == 255 && row.g == 0 && row.b == 255) << "row at " << i;
    }
    // Beside the hair, the face is dark.
    const Pixel beside = At(46, 60);
    EXPECT_LT(beside.r + beside.g + beside.b, 240);
}

TEST_F(DialPicture, GreySquareCorners)
{
    for (Pixel p : {At(0, 0), At(94, 0), At(0, 94), At(94, 94)}) {
        EXPECT_EQ(p.r, p.g);
        EXPECT_EQ(p.g, p.b);
        EXPECT_GT(p.r, 100);
        EXPECT_LT(p.r, 230);
    }
}

TEST_F(DialPicture, BlackCardinalAndRedThirtyDegreeDots)
{
    // Ring of radius 43 around (47.5, 47.5): right, up, left, down.
    for (Pixel p : {At(90, 47), At(47, 4), At(4, 47), At(47, 90)}) {
        EXPECT_LT(p.r + p.g + p.b, 30);
    }
    // 30 and 150 degrees (up and to the right, up and to the left), 240 degrees.
    for (Pixel p : {At(84, 26), At(10, 26), At(26, 84)}) {
        EXPECT_GT(p.r, 150);
        EXPECT_LT(p.g, 80);
        EXPECT_LT(p.b, 80);
    }
}

TEST_F(DialPicture, RegressionSymmetricAboutTheCentrePixel)
{
    // Centred on pixel 47: mirrored left to right and top to bottom about it.
    for (int y = 0; y < 95; ++y) {
        for (int x = 0; x < 95; ++x) {
            const Pixel p = At(x, y);
            const Pixel mirroredX = At(94 - x, y);
            const Pixel mirroredY = At(x, 94 - y);
            ASSERT_NEAR(p.r, mirroredX.r, 2) << x << "," << y;
            ASSERT_NEAR(p.g, mirroredY.g, 2) << x << "," << y;
        }
    }
}

} // namespace
