#pragma once

#include <QString>

// What decoding a percent-encoded text once gives: the text, or why there is none.
struct PercentDecoded {
    enum class Fault {
        None,
        BadEscape, // a "%" not followed by two hexadecimal digits
        NotUtf8,   // the bytes are not UTF-8 text
    };
    QString text;
    Fault fault = Fault::None;
};

// Decodes a text once as an address bar writes a URL path: "%" and two hexadecimal digits
// stand for the byte they give ("%25" for "%" itself), every other character for its UTF-8
// bytes, and the bytes must be UTF-8 text (no stray byte of another encoding, no encoded
// surrogate; a byte order mark is a character like any other).
PercentDecoded DecodePercentEncoding(const QString& text);
