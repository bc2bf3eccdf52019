// Splits a fuzzer's input into the small values a target needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Hands out bytes from the front of the input; empty values once it runs out.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t Byte()
    {
        if (pos_ >= size_) {
            return 0;
        }
        return data_[pos_++];
    }

    bool Bit() { return (Byte() & 1) != 0; }

    // A text of up to maxLength bytes (any bytes, NUL included), its length from the input.
    std::string Text(size_t maxLength)
    {
        const size_t length = Byte() % (maxLength + 1);
        std::string text;
        for (size_t i = 0; i < length && pos_ < size_; ++i) {
            text.push_back(static_cast<char>(data_[pos_++]));
        }
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};
