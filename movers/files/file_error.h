#pragma once

#include <QString>

#include <system_error>

// A failed file or folder operation as the user is told of it: an error number from the
// program's catalogue and its description.
struct FileError {
    int number = 0;
    QString description;

    // The catalogue entry of a number: 53, 57, 61, 67, 70, 75 or 76.
    static FileError fromNumber(int number);
    // The catalogue entry that a failure of the operating system stands for.
    static FileError fromSystem(std::error_code code);
    // The catalogue entry of a system error number, as errno holds it.
    static FileError fromSystem(int error);

    // "Error " followed by the number, ": " and the description.
    QString message() const;

    friend bool operator==(const FileError&, const FileError&) = default;
};

// The catalogue's numbers that the program itself raises.
inline constexpr int kFileNotFound = 53;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kPathNotFound = 76;
