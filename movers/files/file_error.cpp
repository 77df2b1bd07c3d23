#include "movers/files/file_error.h"

#include <array>
#include <cerrno>
#include <utility>

namespace {

constexpr std::array<std::pair<int, const char*>, 7> kCatalogue{{
    {53, "File not found"},
    {57, "Device I/O error"},
    {61, "Disk full"},
    {67, "Too many files"},
    {70, "Permission denied"},
    {75, "Path/File access error"},
    {76, "Path not found"},
}};

constexpr int kDeviceIoError = 57;

int numberOf(std::error_code code) {
    const std::error_condition condition = code.default_error_condition();
    if (condition.category() != std::generic_category()) {
        return kDeviceIoError;
    }
    switch (static_cast<std::errc>(condition.value())) {
    case std::errc::file_exists:
    case std::errc::is_a_directory:
    case std::errc::directory_not_empty:
        return kPathFileAccessError;
    case std::errc::no_such_file_or_directory:
    case std::errc::not_a_directory:
    case std::errc::filename_too_long:
    case std::errc::too_many_symbolic_link_levels:
        return kPathNotFound;
    case std::errc::permission_denied:
    case std::errc::operation_not_permitted:
    case std::errc::read_only_file_system:
    case std::errc::text_file_busy:
        return 70;
    case std::errc::no_space_on_device:
    case std::errc::file_too_large:
        return 61;
    case std::errc::too_many_files_open:
    case std::errc::too_many_files_open_in_system:
        return 67;
    default:
        break;
    }
#ifdef EDQUOT
    if (condition.value() == EDQUOT) {
        return 61; // a full quota is a full disk to its user
    }
#endif
    return kDeviceIoError;
}

} // namespace

FileError FileError::fromNumber(int number) {
    for (const auto& [catalogued, description] : kCatalogue) {
        if (catalogued == number) {
            return {number, QString::fromLatin1(description)};
        }
    }
    return fromNumber(kDeviceIoError);
}

FileError FileError::fromSystem(std::error_code code) {
    return fromNumber(numberOf(code));
}

FileError FileError::fromSystem(int error) {
    return fromSystem(std::error_code(error, std::generic_category()));
}

QString FileError::message() const {
    return QStringLiteral("Error %1: %2").arg(QString::number(number), description);
}
